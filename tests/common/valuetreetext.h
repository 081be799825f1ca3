#pragma once

#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuenumeric.h"

#include <QRegularExpression>
#include <QString>
#include <vector>

// Builds and prints small value trees in a compact text, for data-driven tests:
//   "A{x=1 B{}} s=text n:i=5 d:d=1.5 f:b=true"
// A node is `name{children}`, a value `name=text` (string), `name:i=` (int), `name:d=`
// (double) or `name:b=` (bool). Names and texts contain no spaces, braces or '='.
namespace ValueTreeText
{

inline void Build(values::Node* pParent, const QString& sText)
{
    static const QRegularExpression s_re(QStringLiteral("(\\})|([^\\s{}=]+)(\\{|=([^\\s{}]*))?"));
    std::vector<values::Node*> vecNodes{pParent};
    for (QRegularExpressionMatchIterator it = s_re.globalMatch(sText); it.hasNext();)
    {
        const QRegularExpressionMatch match = it.next();
        QString sName = match.captured(2);
        values::TreeItem* pItem = nullptr;
        if (match.capturedLength(1) > 0)
        {
            if (vecNodes.size() > 1)
                vecNodes.pop_back();
            continue;
        }
        if (match.captured(3) == QLatin1String("{"))
            pItem = new values::Node(sName);
        else if (sName.endsWith(QLatin1String(":i")))
            pItem = new values::ValueInt(sName.chopped(2), nullptr);
        else if (sName.endsWith(QLatin1String(":d")))
            pItem = new values::ValueDouble(sName.chopped(2), nullptr);
        else if (sName.endsWith(QLatin1String(":b")))
            pItem = new values::ValueBool(sName.chopped(2), nullptr);
        else
            pItem = new values::ValueString(sName, nullptr);
        if (values::ValueBase* pValue = pItem->AsValue())
            pValue->SetAsString(match.captured(4));
        vecNodes.back()->AddItem(pItem);
        if (pItem->AsNode())
            vecNodes.push_back(pItem->AsNode());
    }
}

// The children of pNode in the same text (values without their type marks).
inline QString Dump(const values::Node* pNode)
{
    QStringList list;
    for (values::TreeItem* pItem : pNode->GetTreeItems())
        list << (pItem->AsNode()
                     ? pItem->GetName() + QLatin1Char('{') + Dump(pItem->AsNode()) + QLatin1Char('}')
                     : pItem->GetName() + QLatin1Char('=') + pItem->AsValue()->GetAsString());
    return list.join(QLatin1Char(' '));
}

} // namespace ValueTreeText
