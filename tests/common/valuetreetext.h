#pragma once

#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuenumeric.h"

#include <QString>

// Builds and prints small value trees in a compact text, for data-driven tests:
//   "A{x=1 B{}} s=text n:i=5 d:d=1.5 f:b=true"
// A node is `name{children}`, a value `name=text` (string), `name:i=` (int), `name:d=`
// (double) or `name:b=` (bool). Names and texts contain no spaces, braces or '='.
namespace ValueTreeText
{

inline void Build(values::Node* pParent, const QString& sText, int& nPos)
{
    const int nLength = sText.length();
    while (nPos < nLength)
    {
        const QChar c = sText[nPos];
        if (c == QLatin1Char(' '))
        {
            ++nPos;
            continue;
        }
        if (c == QLatin1Char('}'))
        {
            ++nPos;
            return;
        }
        int nEnd = nPos;
        while (nEnd < nLength && !QStringLiteral(" {}=").contains(sText[nEnd]))
            ++nEnd;
        QString sName = sText.mid(nPos, nEnd - nPos);
        nPos = nEnd;
        if (nPos < nLength && sText[nPos] == QLatin1Char('{'))
        {
            ++nPos;
            values::Node* pNode = new values::Node(sName);
            pParent->AddItem(pNode);
            Build(pNode, sText, nPos);
            continue;
        }
        QString sValue;
        if (nPos < nLength && sText[nPos] == QLatin1Char('='))
        {
            int nValueEnd = ++nPos;
            while (nValueEnd < nLength && !QStringLiteral(" {}").contains(sText[nValueEnd]))
                ++nValueEnd;
            sValue = sText.mid(nPos, nValueEnd - nPos);
            nPos = nValueEnd;
        }
        values::ValueBase* pValue = nullptr;
        if (sName.endsWith(QLatin1String(":i")))
            pValue = new values::ValueInt(sName.chopped(2), nullptr);
        else if (sName.endsWith(QLatin1String(":d")))
            pValue = new values::ValueDouble(sName.chopped(2), nullptr);
        else if (sName.endsWith(QLatin1String(":b")))
            pValue = new values::ValueBool(sName.chopped(2), nullptr);
        else
            pValue = new values::ValueString(sName, nullptr);
        pValue->SetAsString(sValue);
        pParent->AddItem(pValue);
    }
}

inline void Build(values::Node* pParent, const QString& sText)
{
    int nPos = 0;
    Build(pParent, sText, nPos);
}

// The children of pNode in the same text (values without their type marks).
inline QString Dump(const values::Node* pNode)
{
    QString sText;
    for (values::TreeItem* pItem : pNode->GetTreeItems())
    {
        if (!sText.isEmpty())
            sText += QLatin1Char(' ');
        if (values::Node* pChild = pItem->AsNode())
            sText += pChild->GetName() + QLatin1Char('{') + Dump(pChild) + QLatin1Char('}');
        else
            sText += pItem->GetName() + QLatin1Char('=') + pItem->AsValue()->GetAsString();
    }
    return sText;
}

} // namespace ValueTreeText
