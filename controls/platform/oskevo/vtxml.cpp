#include "oskevo/vtxml.h"

#include "kvbase/kvexception.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/vtxmlreader.h"
#include "oskevo/vtxmlwriter.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <utility>
#include <vector>

namespace values
{

namespace
{

const char s_szInvalid[] = "Invalid Vt document";

VtXmlReader::Document Parse(const QString& sText, const QString& sFunction, bool bUniqueTopLevel)
{
    if (sText.size() > VtXml::s_nMaxTextLength)
        throw KVException(QStringLiteral("%1: it has %2 characters, more than %3")
                              .arg(QLatin1String(s_szInvalid))
                              .arg(sText.size())
                              .arg(VtXml::s_nMaxTextLength),
                          sFunction);
    QXmlStreamReader xml(sText);
    VtXmlReader reader(QLatin1String(s_szInvalid), sFunction);
    reader.SetUniqueTopLevel(bUniqueTopLevel);
    return reader.Read(xml);
}

// A deep copy that also keeps the states of the values, as the document text does.
Node* Copy(const Node* pSource)
{
    Node* pCopy = static_cast<Node*>(pSource->Clone());
    std::vector<std::pair<const Node*, Node*>> vecStack{{pSource, pCopy}};
    while (!vecStack.empty())
    {
        const std::pair<const Node*, Node*> pair = vecStack.back();
        vecStack.pop_back();
        const std::vector<TreeItem*>& vecFrom = pair.first->GetTreeItems();
        const std::vector<TreeItem*>& vecTo = pair.second->GetTreeItems();
        for (size_t i = 0; i < vecFrom.size() && i < vecTo.size(); ++i)
        {
            if (const Node* pNode = dynamic_cast<const Node*>(vecFrom[i]))
            {
                if (Node* pTo = dynamic_cast<Node*>(vecTo[i]))
                    vecStack.emplace_back(pNode, pTo);
            }
            else if (const ValueBase* pValue = dynamic_cast<const ValueBase*>(vecFrom[i]))
            {
                ValueBase* pTo = dynamic_cast<ValueBase*>(vecTo[i]);
                if (pTo && pTo->GetState() != pValue->GetState())
                    pTo->SetState(pValue->GetState());
            }
        }
    }
    return pCopy;
}

} // namespace

VtXml::VtXml() = default;

VtXml::VtXml(const QString& sText)
{
    VtXmlReader::Document document = Parse(sText, QStringLiteral("VtXml::VtXml"), false);
    // A document of a node's content may also hold values at the top; only nodes count here.
    for (std::unique_ptr<TreeItem>& pItem : document.vecItems)
    {
        if (Node* pNode = dynamic_cast<Node*>(pItem.get()))
        {
            pItem.release();
            m_vecNodes.emplace_back(pNode);
        }
    }
}

VtXml::~VtXml() = default;

void VtXml::AddNode(const Node* pNode)
{
    if (pNode)
        m_vecNodes.emplace_back(Copy(pNode));
}

QString VtXml::GetString() const
{
    QString sText;
    QXmlStreamWriter xml(&sText);
    VtXmlWriter writer(xml, false);
    writer.BeginDocument(nullptr, nullptr);
    for (const std::unique_ptr<Node>& pNode : m_vecNodes)
        writer.WriteItem(pNode.get());
    writer.EndDocument();
    return sText;
}

int VtXml::GetNodeCount() const
{
    return int(m_vecNodes.size());
}

Node* VtXml::CreateNodeAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetNodeCount())
        return nullptr;
    return Copy(m_vecNodes[size_t(nIndex)].get());
}

QString VtXml::ToXml(const Node* pNode)
{
    QString sText;
    QXmlStreamWriter xml(&sText);
    VtXmlWriter writer(xml, false);
    const std::string sNodeText = pNode ? pNode->GetAsStdString() : std::string();
    writer.BeginDocument(nullptr, &sNodeText);
    if (pNode)
    {
        for (const TreeItem* pItem : pNode->GetTreeItems())
            writer.WriteItem(pItem);
    }
    writer.EndDocument();
    return sText;
}

void VtXml::FromXml(Node* pNode, const QString& sText)
{
    VtXmlReader::Document document = Parse(sText, QStringLiteral("VtXml::FromXml"), true);
    if (pNode)
        VtXmlReader::ReplaceContent(pNode, document, QStringLiteral("VtXml::FromXml"));
}

} // namespace values
