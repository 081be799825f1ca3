#include "editorregistry.h"

#include "oskevo/node.h"

EditorRegistry& EditorRegistry::Instance()
{
    static EditorRegistry s_registry;
    return s_registry;
}

void EditorRegistry::Register(const values::ValueDescriptor* pType, const QString& sTitle, Factory factory)
{
    m_mapFactories[pType] = Entry{sTitle, std::move(factory)};
}

QWidget* EditorRegistry::Create(values::Node* pNode, QWidget* pParent,
                                values::IModifyObserver* pObserver) const
{
    if (!pNode)
        return nullptr;
    auto it = m_mapFactories.find(pNode->GetValueDescriptor());
    if (it == m_mapFactories.end())
        return nullptr;
    return it->second.factory(pNode, pParent, pObserver);
}

bool EditorRegistry::Has(const values::ValueDescriptor* pType) const
{
    return m_mapFactories.count(pType) != 0;
}
