#pragma once

namespace values
{

class Node;

// Holds one node for a typed view onto its values.
class Adapter
{
public:
    explicit Adapter(Node* pNode) : m_pNode(pNode) {}
    virtual ~Adapter() = default;
    Node* GetNode() const { return m_pNode; }

protected:
    Node* m_pNode;
};

} // namespace values
