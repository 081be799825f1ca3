#pragma once

namespace values
{
class Node;
}

// A view bound to one node of the value tree. Init prepares the view (once per node type),
// Load shows a node, Unload lets it go.
class ITreeView
{
public:
    virtual ~ITreeView() = default;
    virtual void Init(values::Node* pNode) = 0;
    virtual void Load(values::Node* pNode) = 0;
    virtual void Unload() = 0;
    virtual bool IsLoaded() = 0;
};
