#pragma once

#include "oskevo/imodified.h"
#include "tolveth/tvinode.h"

#include <QPointer>
#include <QWidget>

// A tree item with a display: the editor of its node, shown in the display area of a split
// tree view while the item is current. The item owns its display and is the display's
// modify observer; what the display reports goes on to the controller.
class TviNodeSplit : public TviNode, public values::IModifyObserver
{
    Q_OBJECT

public:
    TviNodeSplit(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);
    ~TviNodeSplit() override;

    void Init() override;

    // Makes the display unless there is one (by default the generic form of the node, put
    // into the display area's layout), makes the item its modify observer and shows it.
    virtual void CreateDisplay();
    // Deletes the display; the next CreateDisplay makes a new one.
    virtual void DeleteDisplay();
    QWidget* GetDisplay() const { return m_pDisplay; }
    QWidget* GetDisplayArea() const { return m_pDisplayArea; }

    bool InsertChildAllowed(values::TreeItem* pChild) override;
    // The text the list-view item shows in that column.
    QString GetStringForColumn(int nColumn) const;

    // An edit in the display marks the controller modified.
    void NotifyModified(bool bModified) override;
    // Deletes the node, and with it this item; the root of the value tree is kept.
    void DeleteTreeItem() override;

protected:
    void SetDisplay(QWidget* pDisplay) { m_pDisplay = pDisplay; }

    QPointer<QWidget> m_pDisplayArea;
    QPointer<QWidget> m_pDisplay;
};
