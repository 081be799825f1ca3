#pragma once

#include <QString>
#include <memory>

namespace values
{

class Node;
class TreeItem;
class ValueBase;

// A tree with one root node ("/"). Paths are absolute ("/Dev/Dcd/Fds").
class BaseTree
{
public:
    BaseTree();
    virtual ~BaseTree();

    Node* GetRoot() const { return m_pRoot.get(); }
    TreeItem* GetItem(const QString& sPath) const;
    Node* GetNode(const QString& sPath) const;
    ValueBase* GetValue(const QString& sPath) const;
    // Deletes everything below the root (with the deletion notices).
    void Clear();

private:
    std::unique_ptr<Node> m_pRoot;
};

} // namespace values
