#include "oskevo/basetree.h"

#include "oskevo/node.h"

namespace values
{

BaseTree::BaseTree() : m_pRoot(new Node(QString()))
{
}

BaseTree::~BaseTree() = default;

TreeItem* BaseTree::GetItem(const QString& sPath) const
{
    return m_pRoot->GetItem(sPath);
}

Node* BaseTree::GetNode(const QString& sPath) const
{
    return m_pRoot->GetNode(sPath);
}

ValueBase* BaseTree::GetValue(const QString& sPath) const
{
    return m_pRoot->GetValue(sPath);
}

void BaseTree::Clear()
{
    m_pRoot->DeleteChildren();
}

} // namespace values
