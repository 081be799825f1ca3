#pragma once

#include <QPointer>
#include <QTreeWidget>

class TreeViewBaseCtrl;

// The tree widget a tree-view controller drives. It tells its controller before it goes,
// so that the controller can let go of its items while the widget still holds them.
class TreeViewBase : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TreeViewBase(QWidget* pParent = nullptr);
    ~TreeViewBase() override;

    QTreeWidget* GetListView() { return this; }
    TreeViewBaseCtrl* GetCtrl() const { return m_pCtrl; }
    // Called by the controller that attaches itself to this widget.
    void SetCtrl(TreeViewBaseCtrl* pCtrl) { m_pCtrl = pCtrl; }

private:
    QPointer<TreeViewBaseCtrl> m_pCtrl;
};
