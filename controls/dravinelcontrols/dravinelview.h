#pragma once

#include "tolveth/treeviewsplit.h"

// The standard device tree beside a display area that shows the editor of the current item:
// the widget a host embeds to show and edit the whole process-wide tree.
class DravinelView : public TreeViewSplit
{
    Q_OBJECT

public:
    explicit DravinelView(QWidget* pParent = nullptr);

    TreeViewBaseCtrl* CreateTreeViewCtrl() override;
};
