#include "studiotreeview.h"

#include "studiotreectrl.h"

StudioTreeView::StudioTreeView(QWidget* pParent) : TreeViewSplit(pParent, false)
{
}

TreeViewBaseCtrl* StudioTreeView::CreateTreeViewCtrl()
{
    return new StudioTreeCtrl(this);
}
