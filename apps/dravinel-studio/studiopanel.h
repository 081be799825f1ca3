#pragma once

#include "tolveth/treepanel.h"

// The studio's main window: the whole device tree of the process-wide value tree as one
// document, shown in a split tree view, kept in device-tree files.
class StudioPanel : public TreePanel
{
    Q_OBJECT

public:
    enum DocumentType
    {
        TYPE_SAMPLE = 0, // the built-in sample device tree
        TYPE_EMPTY = 1,  // an empty device tree
    };

    explicit StudioPanel(QWidget* pParent = nullptr);

    void NewFile(int nType) override;
    QString GetFileOpenPattern() override;

protected:
    ITreeListView* CreateView() override;
    QString GetFileNodePath() override;
    int SelectNewType() override;
    QString GetTextUnloaded() override;
};
