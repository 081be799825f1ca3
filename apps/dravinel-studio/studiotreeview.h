#pragma once

#include "tolveth/treeviewsplit.h"

// The studio's split tree view, whose items show the registered editors.
class StudioTreeView : public TreeViewSplit
{
    Q_OBJECT

public:
    explicit StudioTreeView(QWidget* pParent = nullptr);

protected:
    TreeViewBaseCtrl* CreateTreeViewCtrl() override;
};
