#pragma once

#include "tolveth/aliasmap.h"

#include <QDialog>
#include <QRect>

class TreeViewSplit;

namespace values
{
class IModifyObserver;
class Node;
} // namespace values

// The modal dialog in which the operator edits one job: its control data as a device tree
// beside the editor of the current item (the frequency list first), and a row of buttons
// whose result code tells the caller what to do next. The dialog changes nothing outside
// the tree it shows.
class JobDialog : public QDialog
{
    Q_OBJECT

public:
    // The results of exec(); 0 is a rejection (window closed, Escape).
    enum EResult
    {
        RESULT_REJECTED = 0,
        RESULT_FFM = 1,
        RESULT_SEARCH = 3,
        RESULT_SCAN = 4,
        RESULT_OK = 5,
        RESULT_CANCEL = 6,
    };

    // bFfm, bSearch and bScan choose the start buttons, unless bHideStartButtons hides them
    // all; the device type chooses their icons.
    JobDialog(values::Node* pDcd, values::IModifyObserver* pObserver, const QRect& rGeometry,
              bool bHideStartButtons, unsigned int uDeviceType, bool bFfm, bool bSearch, bool bScan);
    ~JobDialog() override;

    // The single frequency the last FFM start was asked for; null until then.
    values::Node* GetCurrentFd() const { return m_pCurrentFd; }
    TreeViewSplit* GetTreeView() const { return m_pTreeView; }

public slots:
    void SlotFfm();
    void SlotSearch();
    void SlotScan();
    void SlotOk();
    void SlotCancel();

private:
    void RetrieveCurrentFd();
    void SelectSingleFds();

    values::Node* m_pDcd;
    TreeViewSplit* m_pTreeView;
    AliasMap m_aliasMap;
    values::Node* m_pCurrentFd = nullptr;
};
