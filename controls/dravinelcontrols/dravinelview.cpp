#include "dravinelview.h"

#include "dravinelviewctrl.h"
#include "undohistory.h"

#include "oskevo/node.h"
#include "oskevo/tree.h"

DravinelView::DravinelView(QWidget* pParent) : TreeViewSplit(pParent, false)
{
    UndoHistory::InstallKeys(this, []
                             { return static_cast<values::TreeItem*>(values::Tree::Instance()->GetRoot()); });
}

TreeViewBaseCtrl* DravinelView::CreateTreeViewCtrl()
{
    return new DravinelViewCtrl(nullptr, nullptr, values::Tree::Instance()->GetRoot(), nullptr);
}
