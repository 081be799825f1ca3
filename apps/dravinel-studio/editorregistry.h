#pragma once

#include <QString>
#include <functional>
#include <map>

class QWidget;

namespace values
{
class IModifyObserver;
class Node;
class ValueDescriptor;
} // namespace values

// Which editor the studio shows for a node: factories registered by node type. Nodes of a
// type without a factory get the generic form of the tree controls.
class EditorRegistry
{
public:
    typedef std::function<QWidget*(values::Node* pNode, QWidget* pParent, values::IModifyObserver* pObserver)>
        Factory;

    static EditorRegistry& Instance();

    void Register(const values::ValueDescriptor* pType, const QString& sTitle, Factory factory);
    // The editor for the node, or null when its type has no factory.
    QWidget* Create(values::Node* pNode, QWidget* pParent, values::IModifyObserver* pObserver) const;
    bool Has(const values::ValueDescriptor* pType) const;

private:
    struct Entry
    {
        QString sTitle;
        Factory factory;
    };
    std::map<const values::ValueDescriptor*, Entry> m_mapFactories;
};
