#pragma once

#include "dravinelaliastable.h"

#include "tolveth/treeviewsplitctrl.h"

class QTreeWidgetItem;
class TreeViewBase;

// The controller of the standard device tree: gives each node the item of its kind (a
// device, its control data, a control set, a frequency list, a parameter set, ...), keeps
// the display names of the attribute keys registered with the host's alias map while one
// is installed, and never sorts, so the tree keeps the order of the nodes.
class DravinelViewCtrl : public TreeViewSplitCtrl
{
    Q_OBJECT

public:
    explicit DravinelViewCtrl(ITreeListView* pView);
    explicit DravinelViewCtrl(TreeViewBase* pBase = nullptr, QWidget* pParent = nullptr,
                              values::Node* pRoot = DefaultRoot(), QTreeWidgetItem* pParentItem = nullptr);
    ~DravinelViewCtrl() override;

    void SetAliasMap(IAliasMap* pAliasMap) override;

    static values::Node* DefaultRoot();

protected:
    void AddAttributes() override;
    values::Mediator* CreateMediator(Observable* pObservable) override;
    // Whether sName is sStdName, optionally followed by one blank or underscore and digits
    // ("Fds", "Fds1", "Fds 12", "Fds_3", "Fds_").
    static bool IsEqualToStdName(const QString& sName, const QString& sStdName);

private:
    void AddAliasTable();
    void RemoveAliasTable();

    DravinelAliasTable m_aliasTable;
};
