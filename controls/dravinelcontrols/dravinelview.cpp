#include "dravinelview.h"

#include "dravinelviewctrl.h"

#include "oskevo/tree.h"

DravinelView::DravinelView(QWidget* pParent) : TreeViewSplit(pParent, false)
{
}

TreeViewBaseCtrl* DravinelView::CreateTreeViewCtrl()
{
    return new DravinelViewCtrl(nullptr, nullptr, values::Tree::Instance()->GetRoot(), nullptr);
}
