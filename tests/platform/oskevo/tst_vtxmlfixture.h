#pragma once

// Shared by the Vt document and file tests: descriptors of every kind, a canonical dump of
// a tree that shows every bit the document must keep (independent of the document's own
// text forms), and an observer that records what it is told.

#include "kvbase/observable.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cfloat>
#include <cstring>
#include <string>
#include <vector>

namespace vtxmltest
{

using namespace values;

inline const ValueDescriptor g_vdXmlRoot = ValueDescriptor::NodeType("XmlRoot", "/XmlRoot");
inline const ValueDescriptor g_vdXmlGroup = ValueDescriptor::NodeType("XmlGroup", "/XmlGroup");
inline const ValueDescriptor g_vdXmlInt = ValueDescriptor::Int("XmlInt", "/XmlInt", 0);
inline const ValueDescriptor g_vdXmlIntRange =
    ValueDescriptor::Int("XmlIntRange", "/XmlIntRange", 5, "", 0, 10);
inline const ValueDescriptor g_vdXmlDouble =
    ValueDescriptor::Double("XmlDouble", "/XmlDouble", 0.0, "Hz", 1.0, 0, -DBL_MAX, DBL_MAX);
inline const ValueDescriptor g_vdXmlDoubleRange =
    ValueDescriptor::Double("XmlDoubleRange", "/XmlDoubleRange", 0.0, "", 0.1, 0, -1.0, 1.0);
inline const ValueDescriptor g_vdXmlString = ValueDescriptor::String("XmlString", "/XmlString", "default");
inline const ValueDescriptor g_vdXmlBool = ValueDescriptor::Bool("XmlBool", "/XmlBool", false);
inline const ValueDescriptor g_vdXmlSelection = ValueDescriptor::Selection(
    "XmlSelection", "/XmlSelection",
    {SelectionItem("AM", 0.0, 0), SelectionItem("FM", 1.0, 1), SelectionItem("USB", 2.5, 7)}, 1);

inline QString Utf16(const QString& sText)
{
    QStringList list;
    for (QChar c : sText)
        list << QString::number(c.unicode(), 16);
    return QLatin1Char('[') + list.join(QLatin1Char(' ')) + QLatin1Char(']');
}

inline QString Bytes(const std::string& sText)
{
    return QLatin1Char('<') + QString::fromLatin1(QByteArray(sText.data(), int(sText.size())).toHex()) +
           QLatin1Char('>');
}

inline QString Bits(double dValue)
{
    quint64 nBits = 0;
    std::memcpy(&nBits, &dValue, sizeof(nBits));
    return QStringLiteral("0x%1").arg(nBits, 16, 16, QLatin1Char('0'));
}

inline void DumpItem(const TreeItem* pItem, int nDepth, QStringList& list)
{
    const ValueDescriptor* pDescriptor = pItem->GetValueDescriptor();
    QString sLine = QString(nDepth, QLatin1Char(' ')) + Utf16(pItem->GetName()) + QLatin1Char(' ') +
                    (pDescriptor ? pDescriptor->Name() : QStringLiteral("-"));
    if (const Node* pNode = dynamic_cast<const Node*>(pItem))
    {
        list << sLine + QStringLiteral(" node ") + Bytes(pNode->GetAsStdString());
        for (const TreeItem* pChild : pNode->GetTreeItems())
            DumpItem(pChild, nDepth + 1, list);
        return;
    }
    const ValueBase* pValue = static_cast<const ValueBase*>(pItem);
    sLine += QStringLiteral(" state %1 ").arg(pValue->GetState());
    if (const ValueDouble* pDouble = dynamic_cast<const ValueDouble*>(pValue))
        sLine += QStringLiteral("double ") + Bits(pDouble->GetValue());
    else if (const ValueInt* pInt = dynamic_cast<const ValueInt*>(pValue))
        sLine += QStringLiteral("int %1").arg(pInt->GetValue());
    else if (const ValueBool* pBool = dynamic_cast<const ValueBool*>(pValue))
        sLine += QStringLiteral("bool %1").arg(pBool->GetValue());
    else if (const ValueString* pString = dynamic_cast<const ValueString*>(pValue))
        sLine += QStringLiteral("string ") + Utf16(pString->GetValue());
    else if (const ValueSelection* pSelection = dynamic_cast<const ValueSelection*>(pValue))
    {
        sLine += QStringLiteral("selection %1 of").arg(pSelection->GetCurrentIndex());
        for (const SelectionItem& item : pSelection->GetItems())
            sLine += QStringLiteral(" {%1 %2 %3}")
                         .arg(Utf16(item.GetName()), Bits(item.GetValue()))
                         .arg(item.GetKey());
    }
    else
        sLine += QStringLiteral("other ") + Utf16(pValue->GetAsString());
    list << sLine;
}

// Every name, descriptor, kind, state, number bit and text of the subtree, children in order.
inline QString Dump(const TreeItem* pItem)
{
    QStringList list;
    DumpItem(pItem, 0, list);
    return list.join(QLatin1Char('\n'));
}

inline QString DumpChildren(const Node* pNode)
{
    QStringList list;
    list << Bytes(pNode->GetAsStdString());
    for (const TreeItem* pChild : pNode->GetTreeItems())
        DumpItem(pChild, 0, list);
    return list.join(QLatin1Char('\n'));
}

// A node with one value of every kind and a sub-node, as a job might hold them.
inline Node* MakeSample(const QString& sName)
{
    Node* pNode = new Node(sName, &g_vdXmlGroup);
    pNode->SetAsStdString("free text of the group", nullptr);
    pNode->AddItem(new ValueInt(QStringLiteral("Count"), &g_vdXmlInt, -42));
    pNode->AddItem(new ValueDouble(QStringLiteral("FStart"), &g_vdXmlDouble, 100.5e6));
    pNode->AddItem(new ValueString(QStringLiteral("Name"), &g_vdXmlString, QStringLiteral("Tower 7")));
    pNode->AddItem(new ValueBool(QStringLiteral("FSupp"), &g_vdXmlBool, true));
    pNode->AddItem(
        new ValueSelection(QStringLiteral("Demod"), &g_vdXmlSelection, g_vdXmlSelection.SelectionItems(), 2));
    Node* pSub = new Node(QStringLiteral("Par"), ValueDescriptor::GenericNode());
    pSub->AddItem(new ValueDouble(QStringLiteral("Bandwidth"), &g_vdXmlDouble, 12.5e3));
    pNode->AddItem(pSub);
    return pNode;
}

// Records the codes an observable sends while the recorder lives.
class Recorder : public IObserver
{
public:
    explicit Recorder(Observable* pObservable) : m_pObservable(pObservable)
    {
        m_pObservable->AddObserver(this);
    }
    ~Recorder() override
    {
        if (m_pObservable)
            m_pObservable->DeleteObserver(this);
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void Update(Observable* /*pObservable*/, TChangeCode code) override
    {
        m_vecCodes.push_back(code);
        // A value that goes away is let go of, as every observer does.
        if (code == CC_DELETING || (code == CC_STATE && m_pValue && m_pValue->GetState() == VS_DELETE))
            Release();
    }
    void WatchValue(ValueBase* pValue) { m_pValue = pValue; }
    int Count(TChangeCode code) const { return int(std::count(m_vecCodes.begin(), m_vecCodes.end(), code)); }
    void Release()
    {
        if (m_pObservable)
            m_pObservable->DeleteObserver(this);
        m_pObservable = nullptr;
    }

    std::vector<TChangeCode> m_vecCodes;

private:
    Observable* m_pObservable;
    ValueBase* m_pValue = nullptr;
};

} // namespace vtxmltest
