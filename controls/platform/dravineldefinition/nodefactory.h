#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class IObserver;

namespace values
{
class Node;
class TreeItem;
class ValueDescriptor;
} // namespace values

namespace DravinelDefinition
{

// What every node of one type has, whatever the device: its attribute child with the attribute
// values, its own values (the values of a parameter group), and fixed child nodes (a control
// data always has a control set, a control set a frequency list).
struct NodeShape
{
    const values::ValueDescriptor* pNode;
    const values::ValueDescriptor* pAttr;                      // attribute child type, or null
    std::vector<const values::ValueDescriptor*> vecAttrValues; // values of the attribute child
    std::vector<const values::ValueDescriptor*> vecValues;     // direct values
    std::vector<const values::ValueDescriptor*> vecChildren;   // fixed child nodes
};

// Makes nodes of the standard device tree in their shape.
class NodeFactory
{
public:
    // The shape of a node type; null for a type without one.
    static const NodeShape* FindShape(const values::ValueDescriptor* pDescriptor);
    // A new node of that type named sName (default: the descriptor's item name), with its
    // attribute child, values at their defaults and fixed children; in no tree. Null for a
    // descriptor that is no node type.
    static values::Node* Build(const values::ValueDescriptor* pDescriptor, const QString& sName = QString());
    // A new value of that type at its default, named after the descriptor; in no tree.
    static values::TreeItem* BuildValue(const values::ValueDescriptor* pDescriptor);
    // Adds to pNode whatever its shape has and it lacks (attribute child, attribute values,
    // values, fixed children, recursively for new children); existing items are left alone.
    // A child that has the name such an item would get but is of another kind is left alone
    // (the item then stays missing) rather than replaced. Answers the number of items added;
    // their paths are appended to pAdded when given.
    static int Complete(values::Node* pNode, IObserver* pOriginator = nullptr, QStringList* pAdded = nullptr);
    // Complete() for pNode and every node below it.
    static int CompleteTree(values::Node* pNode, IObserver* pOriginator = nullptr,
                            QStringList* pAdded = nullptr);

    NodeFactory() = delete;
};

} // namespace DravinelDefinition
