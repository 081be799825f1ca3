#include "tolveth/treeviewbase.h"

#include "tolveth/treeviewbasectrl.h"

TreeViewBase::TreeViewBase(QWidget* pParent) : QTreeWidget(pParent)
{
    setObjectName(QStringLiteral("ListView"));
}

TreeViewBase::~TreeViewBase()
{
    // QTreeWidget deletes its items in its own destructor; the controller's tree items
    // point at them and must be released first.
    if (m_pCtrl)
        m_pCtrl->DetachTreeView(this);
}
