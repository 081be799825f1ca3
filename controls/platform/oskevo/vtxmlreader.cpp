#include "oskevo/vtxmlreader.h"

#include "kvbase/kvexception.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "oskevo/vttransaction.h"
#include "oskevo/vtxml.h"
#include "oskevo/vtxmlformat.h"

#include <QXmlStreamReader>
#include <cstring>

namespace values
{

namespace
{

QString Quoted(const QString& sText)
{
    // Messages show at most the start of a hostile text.
    const int nShown = 80;
    if (sText.size() <= nShown)
        return QStringLiteral("\"%1\"").arg(sText);
    return QStringLiteral("\"%1...\"").arg(sText.left(nShown));
}

bool SameBits(double d1, double d2)
{
    return std::memcmp(&d1, &d2, sizeof(double)) == 0;
}

} // namespace

VtXmlReader::VtXmlReader(const QString& sWhat, const QString& sFunction, const QString& sSource)
    : m_sWhat(sWhat), m_sFunction(sFunction), m_sSource(sSource)
{
}

void VtXmlReader::Throw(const QString& sWhat, const QString& sFunction, const QString& sSource, qint64 nLine,
                        qint64 nColumn, const QString& sWhy)
{
    const QString sMessage =
        QStringLiteral("%1 at line %2, column %3: %4").arg(sWhat).arg(nLine).arg(nColumn).arg(sWhy);
    throw KVException(sMessage, sFunction, sSource, QString(), int(qMin<qint64>(nLine, INT_MAX)));
}

void VtXmlReader::Fail(const QString& sWhy) const
{
    Throw(m_sWhat, m_sFunction, m_sSource, m_pXml->lineNumber(), m_pXml->columnNumber(), sWhy);
}

VtXmlReader::Document VtXmlReader::Read(QXmlStreamReader& xml)
{
    m_pXml = &xml;
    xml.setNamespaceProcessing(false);
    while (!xml.atEnd())
    {
        switch (xml.readNext())
        {
        case QXmlStreamReader::DTD:
            ReadDtd();
            break;
        case QXmlStreamReader::StartElement:
            ReadStart();
            break;
        case QXmlStreamReader::EndElement:
            ReadEnd();
            break;
        case QXmlStreamReader::Characters:
            if (!xml.isWhitespace() || xml.isCDATA())
                Fail(QStringLiteral("unexpected text %1").arg(Quoted(xml.text().toString().simplified())));
            break;
        case QXmlStreamReader::EntityReference:
            Fail(QStringLiteral("unexpected entity reference &%1;").arg(xml.name().toString()));
        case QXmlStreamReader::StartDocument:
        case QXmlStreamReader::EndDocument:
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::Invalid:
        case QXmlStreamReader::NoToken:
            break;
        }
    }
    if (xml.hasError())
    {
        if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && !m_bRoot)
            Fail(QStringLiteral("no Vt document (the root element is missing)"));
        Fail(QStringLiteral("malformed XML: %1").arg(xml.errorString()));
    }
    if (!m_bRoot)
        Fail(QStringLiteral("no Vt document (the root element is missing)"));
    m_pXml = nullptr;
    return std::move(m_document);
}

namespace
{

// Tells whether the observed node was deleted by someone reacting to our changes.
class DeletionGuard : public IObserver
{
public:
    explicit DeletionGuard(Node* pNode) : m_pNode(pNode) { m_pNode->AddObserver(this); }
    ~DeletionGuard() override
    {
        if (!m_bDeleted)
            m_pNode->DeleteObserver(this);
    }
    DeletionGuard(const DeletionGuard&) = delete;
    DeletionGuard& operator=(const DeletionGuard&) = delete;

    void Update(Observable* /*pObservable*/, TChangeCode code) override
    {
        if (code == CC_DELETING)
            m_bDeleted = true;
    }
    bool IsDeleted() const { return m_bDeleted; }

private:
    Node* m_pNode;
    bool m_bDeleted = false;
};

} // namespace

bool VtXmlReader::ReplaceContent(Node* pNode, Document& document, const QString& sFunction)
{
    // A node on its way out takes no new children; say so before anything is touched.
    if (pNode->IsDying())
        throw KVException(
            QStringLiteral("Cannot fill \"%1\": the node is being deleted").arg(pNode->GetPathName()),
            sFunction);
    DeletionGuard guard(pNode);
    {
        // Observers may react to each step, even delete the node; the children's change
        // itself is told once, when the transaction closes.
        VtTransaction transaction;
        pNode->DeleteChildren();
        for (std::unique_ptr<TreeItem>& pItem : document.vecItems)
        {
            if (guard.IsDeleted())
                break;
            if (pNode->AddItem(pItem.get()))
                pItem.release();
        }
        if (!guard.IsDeleted() && pNode->GetAsStdString() != document.sText)
            pNode->SetAsStdString(document.sText, nullptr);
    }
    document.vecItems.clear();
    return !guard.IsDeleted();
}

void VtXmlReader::ReadDtd()
{
    QXmlStreamReader& xml = *m_pXml;
    if (xml.dtdName() != VtXmlFormat::ElementName(VtXmlFormat::ELEMENT_ROOT))
        Fail(QStringLiteral("the document type is %1, not Vt").arg(Quoted(xml.dtdName().toString())));
    // Declarations could expand entities without bound, external identifiers would load
    // other files: the document type stays bare.
    if (!xml.entityDeclarations().isEmpty() || !xml.notationDeclarations().isEmpty() ||
        xml.text().contains(QLatin1Char('[')))
        Fail(QStringLiteral("declarations in the document type are not allowed"));
    if (!xml.dtdSystemId().isEmpty() || !xml.dtdPublicId().isEmpty())
        Fail(QStringLiteral("external document types are not allowed"));
    m_bDtd = true;
}

void VtXmlReader::ReadStart()
{
    if (int(m_vecStack.size()) >= VtXml::s_nMaxDepth)
        Fail(QStringLiteral("elements are nested deeper than %1 levels").arg(VtXml::s_nMaxDepth));
    const QStringRef sElement = m_pXml->qualifiedName();
    const FrameType eParent = m_vecStack.empty() ? FRAME_ROOT : m_vecStack.back().eType;
    if (m_vecStack.empty())
    {
        if (m_bRoot)
            Fail(QStringLiteral("a second root element"));
        if (!m_bDtd)
            Fail(QStringLiteral("the document type %1 is missing").arg(VtXmlFormat::DocType()));
        if (sElement != VtXmlFormat::ElementName(VtXmlFormat::ELEMENT_ROOT))
            Fail(QStringLiteral("the root element is <%1>, not <Vt>").arg(sElement.toString()));
        TakeAttributes(VtXmlFormat::ELEMENT_ROOT);
        ReadRoot();
    }
    else if (eParent == FRAME_ROOT || eParent == FRAME_NODE)
    {
        if (++m_nItems > VtXml::s_nMaxItems)
            Fail(QStringLiteral("more than %1 nodes, values and entries").arg(VtXml::s_nMaxItems));
        if (sElement == VtXmlFormat::ElementName(VtXmlFormat::ELEMENT_NODE))
        {
            TakeAttributes(VtXmlFormat::ELEMENT_NODE);
            ReadNode();
        }
        else if (sElement == VtXmlFormat::ElementName(VtXmlFormat::ELEMENT_VALUE))
        {
            TakeAttributes(VtXmlFormat::ELEMENT_VALUE);
            ReadValue();
        }
        else
        {
            Fail(QStringLiteral("unexpected element <%1> below \"%2\"")
                     .arg(sElement.toString(), ParentPath()));
        }
    }
    else if (eParent == FRAME_SELECTION && sElement == VtXmlFormat::ElementName(VtXmlFormat::ELEMENT_ENTRY))
    {
        if (++m_nItems > VtXml::s_nMaxItems)
            Fail(QStringLiteral("more than %1 nodes, values and entries").arg(VtXml::s_nMaxItems));
        TakeAttributes(VtXmlFormat::ELEMENT_ENTRY);
        ReadEntry();
    }
    else
    {
        Fail(QStringLiteral("unexpected element <%1> inside a value").arg(sElement.toString()));
    }
}

void VtXmlReader::TakeAttributes(VtXmlFormat::Element eElement)
{
    const unsigned nAllowed = VtXmlFormat::AllowedAttributes(eElement);
    m_nPresent = 0;
    // A const copy shares the reader's list; iterating a non-const one would detach it.
    const QXmlStreamAttributes attributes = m_pXml->attributes();
    for (const QXmlStreamAttribute& attribute : attributes)
    {
        const QStringRef sName = attribute.qualifiedName();
        const VtXmlFormat::Attribute eAttribute = VtXmlFormat::FindAttribute(sName);
        if (eAttribute == VtXmlFormat::ATTR_COUNT || (nAllowed & (1u << eAttribute)) == 0)
            Fail(QStringLiteral("unexpected attribute \"%1\" in <%2>")
                     .arg(sName.toString(), VtXmlFormat::ElementName(eElement)));
        if (attribute.value().size() > VtXml::s_nMaxAttributeLength)
            Fail(QStringLiteral("the attribute \"%1\" has %2 characters, more than %3")
                     .arg(sName.toString())
                     .arg(attribute.value().size())
                     .arg(VtXml::s_nMaxAttributeLength));
        m_asAttributes[eAttribute] = attribute.value();
        m_nPresent |= 1u << eAttribute;
    }
}

void VtXmlReader::ReadRoot()
{
    if (!Has(VtXmlFormat::ATTR_FORMAT))
        FailMissing(VtXmlFormat::ATTR_FORMAT);
    const QString sFormat = m_asAttributes[VtXmlFormat::ATTR_FORMAT].toString();
    if (sFormat != QString::number(VtXmlFormat::s_nFormatVersion))
        Fail(QStringLiteral("unknown format %1 (this program reads format %2)")
                 .arg(Quoted(sFormat))
                 .arg(VtXmlFormat::s_nFormatVersion));
    m_document.bHasVersion = Text(VtXmlFormat::ATTR_VERSION, m_document.sVersion, false);
    Bytes(m_document.sText);
    m_bRoot = true;
    m_vecStack.push_back({FRAME_ROOT, nullptr});
    if (m_versionCheck)
        m_versionCheck(m_document);
}

void VtXmlReader::ReadNode()
{
    QString sName;
    Text(VtXmlFormat::ATTR_NAME, sName, true);
    const ValueDescriptor* pDescriptor = Descriptor(true);
    std::string sText;
    Bytes(sText);

    Node* pNode = new Node(sName, pDescriptor);
    AddItem(pNode);
    if (!sText.empty() && !pNode->SetAsStdString(sText, nullptr))
        Fail(QStringLiteral("the node \"%1\" did not take its text").arg(sName));
    m_vecStack.push_back({FRAME_NODE, pNode});
}

void VtXmlReader::ReadValue()
{
    QString sName;
    Text(VtXmlFormat::ATTR_NAME, sName, true);
    if (!Has(VtXmlFormat::ATTR_KIND))
        FailMissing(VtXmlFormat::ATTR_KIND);
    ValueDescriptor::Kind eKind = ValueDescriptor::KIND_STRING;
    if (!VtXmlFormat::KindFromName(m_asAttributes[VtXmlFormat::ATTR_KIND], eKind))
        Fail(QStringLiteral("the value \"%1\" has the unknown kind %2")
                 .arg(sName, Quoted(m_asAttributes[VtXmlFormat::ATTR_KIND].toString())));
    const QString& sKind = VtXmlFormat::KindName(eKind);
    const ValueDescriptor* pDescriptor = Descriptor(false);
    if (pDescriptor && pDescriptor->GetKind() != eKind)
        Fail(QStringLiteral("the value \"%1\" is of kind %2, but its descriptor \"%3\" is of kind %4")
                 .arg(sName, sKind, pDescriptor->Name(), VtXmlFormat::KindName(pDescriptor->GetKind())));
    int nState = VS_NORMAL;
    Int(VtXmlFormat::ATTR_STATE, nState, false);

    QString sText;
    const bool bHasText = Text(VtXmlFormat::ATTR_VALUE, sText, eKind != ValueDescriptor::KIND_SELECTION);
    if (eKind == ValueDescriptor::KIND_SELECTION)
    {
        m_pSelection.reset(new PendingSelection);
        m_pSelection->sName = sName;
        m_pSelection->pDescriptor = pDescriptor;
        m_pSelection->nState = nState;
        m_pSelection->bHasText = bHasText;
        m_pSelection->sText = sText;
        Int(VtXmlFormat::ATTR_CURRENT, m_pSelection->nCurrent, true);
        m_vecStack.push_back({FRAME_SELECTION, nullptr});
        return;
    }
    if (Has(VtXmlFormat::ATTR_CURRENT))
        Fail(QStringLiteral("the value \"%1\" of kind %2 has no current entry").arg(sName, sKind));

    const auto failRange = [&]
    {
        Fail(QStringLiteral("the value \"%1\" is %2, out of the range [%3, %4] of descriptor \"%5\"")
                 .arg(sName, sText, VtXmlFormat::FormatDouble(pDescriptor->Minimum()),
                      VtXmlFormat::FormatDouble(pDescriptor->Maximum()), pDescriptor->Name()));
    };
    ValueBase* pValue = nullptr;
    bool bTaken = true;
    switch (eKind)
    {
    case ValueDescriptor::KIND_INT:
    {
        int nValue = 0;
        if (!VtXmlFormat::ParseInt(sText, nValue))
            Fail(QStringLiteral("the value \"%1\" has %2, which is no integer number")
                     .arg(sName, Quoted(sText)));
        if (pDescriptor && (nValue < pDescriptor->Minimum() || nValue > pDescriptor->Maximum()))
            failRange();
        ValueInt* pInt = new ValueInt(sName, pDescriptor, nValue);
        bTaken = pInt->GetValue() == nValue;
        pValue = pInt;
        break;
    }
    case ValueDescriptor::KIND_DOUBLE:
    {
        double dValue = 0.0;
        if (!VtXmlFormat::ParseDouble(sText, dValue))
            Fail(QStringLiteral("the value \"%1\" has %2, which is no finite floating-point number")
                     .arg(sName, Quoted(sText)));
        if (pDescriptor && (dValue < pDescriptor->Minimum() || dValue > pDescriptor->Maximum()))
            failRange();
        ValueDouble* pDouble = new ValueDouble(sName, pDescriptor, dValue);
        bTaken = SameBits(pDouble->GetValue(), dValue);
        pValue = pDouble;
        break;
    }
    case ValueDescriptor::KIND_BOOL:
    {
        if (sText != QLatin1String("true") && sText != QLatin1String("false"))
            Fail(QStringLiteral("the value \"%1\" has %2, which is neither true nor false")
                     .arg(sName, Quoted(sText)));
        const bool bValue = sText == QLatin1String("true");
        ValueBool* pBool = new ValueBool(sName, pDescriptor, bValue);
        bTaken = pBool->GetValue() == bValue;
        pValue = pBool;
        break;
    }
    default:
    {
        ValueString* pString = new ValueString(sName, pDescriptor, sText);
        bTaken = pString->GetValue() == sText;
        pValue = pString;
        break;
    }
    }
    AddItem(pValue);
    if (!bTaken)
        Fail(QStringLiteral("the value \"%1\" did not take %2").arg(sName, Quoted(sText)));
    if (nState != VS_NORMAL)
        pValue->SetState(nState);
    m_vecStack.push_back({FRAME_VALUE, nullptr});
}

void VtXmlReader::ReadEntry()
{
    QString sName;
    Text(VtXmlFormat::ATTR_NAME, sName, true);
    QString sNumber;
    if (!Has(VtXmlFormat::ATTR_NUMBER))
        FailMissing(VtXmlFormat::ATTR_NUMBER);
    sNumber = m_asAttributes[VtXmlFormat::ATTR_NUMBER].toString();
    double dNumber = 0.0;
    if (!VtXmlFormat::ParseDouble(sNumber, dNumber))
        Fail(QStringLiteral("the entry \"%1\" has the number %2, which is no finite floating-point number")
                 .arg(sName, Quoted(sNumber)));
    int nKey = 0;
    Int(VtXmlFormat::ATTR_KEY, nKey, true);
    m_pSelection->vecItems.emplace_back(sName, dNumber, nKey);
    m_vecStack.push_back({FRAME_VALUE, nullptr});
}

void VtXmlReader::ReadEnd()
{
    const FrameType eType = m_vecStack.back().eType;
    m_vecStack.pop_back();
    if (eType != FRAME_SELECTION)
        return;

    std::unique_ptr<PendingSelection> pPending(std::move(m_pSelection));
    const int nCount = int(pPending->vecItems.size());
    const int nCurrent = pPending->nCurrent;
    if (nCount == 0 ? nCurrent != -1 : (nCurrent < 0 || nCurrent >= nCount))
        Fail(QStringLiteral("the selection \"%1\" has %2 entries, its current entry %3 is out of range")
                 .arg(pPending->sName)
                 .arg(nCount)
                 .arg(nCurrent));
    const QString sCurrent = nCurrent >= 0 ? pPending->vecItems[size_t(nCurrent)].GetName() : QString();
    if (pPending->bHasText && pPending->sText != sCurrent)
        Fail(QStringLiteral("the selection \"%1\" reads %2, but its current entry is %3")
                 .arg(pPending->sName, Quoted(pPending->sText), Quoted(sCurrent)));
    ValueSelection* pSelection =
        new ValueSelection(pPending->sName, pPending->pDescriptor, pPending->vecItems, nCurrent);
    AddItem(pSelection);
    if (pSelection->GetCurrentIndex() != nCurrent || pSelection->GetItems() != pPending->vecItems)
        Fail(QStringLiteral("the selection \"%1\" did not take its entries").arg(pPending->sName));
    if (pPending->nState != VS_NORMAL)
        pSelection->SetState(pPending->nState);
}

void VtXmlReader::AddItem(TreeItem* pItem)
{
    std::unique_ptr<TreeItem> pOwned(pItem);
    const Frame& parent = m_vecStack.back();
    if (parent.eType == FRAME_ROOT)
    {
        if (m_bUniqueTopLevel)
        {
            if (m_setTopNames.contains(pItem->GetName()))
                Fail(QStringLiteral("the name \"%1\" is used twice at the top").arg(pItem->GetName()));
            m_setTopNames.insert(pItem->GetName());
        }
        m_document.vecItems.push_back(std::move(pOwned));
        return;
    }
    if (parent.pNode->GetChildValueItem(pItem->GetName()))
        Fail(
            QStringLiteral("the name \"%1\" is used twice below \"%2\"").arg(pItem->GetName(), ParentPath()));
    parent.pNode->AddItem(pOwned.release());
}

bool VtXmlReader::Text(VtXmlFormat::Attribute eAttribute, QString& sText, bool bRequired)
{
    const VtXmlFormat::Attribute eUtf16 = VtXmlFormat::Utf16Of(eAttribute);
    const bool bPlain = Has(eAttribute);
    const bool bHex = Has(eUtf16);
    if (bPlain && bHex)
        Fail(QStringLiteral("both \"%1\" and \"%2\" are given")
                 .arg(VtXmlFormat::AttributeName(eAttribute), VtXmlFormat::AttributeName(eUtf16)));
    if (bPlain)
    {
        sText = m_asAttributes[eAttribute].toString();
        return true;
    }
    if (bHex)
    {
        if (!VtXmlFormat::FromUtf16Hex(m_asAttributes[eUtf16].toString(), sText))
            Fail(QStringLiteral("\"%1\" is no sequence of four-digit hexadecimal numbers")
                     .arg(VtXmlFormat::AttributeName(eUtf16)));
        return true;
    }
    if (bRequired)
        FailMissing(eAttribute);
    sText.clear();
    return false;
}

bool VtXmlReader::Bytes(std::string& sBytes)
{
    const bool bPlain = Has(VtXmlFormat::ATTR_TEXT);
    const bool bHex = Has(VtXmlFormat::ATTR_TEXT_BYTES);
    if (bPlain && bHex)
        Fail(QStringLiteral("both \"text\" and \"textBytes\" are given"));
    if (bPlain)
        sBytes = m_asAttributes[VtXmlFormat::ATTR_TEXT].toString().toStdString();
    else if (bHex &&
             !VtXmlFormat::FromByteHex(m_asAttributes[VtXmlFormat::ATTR_TEXT_BYTES].toString(), sBytes))
        Fail(QStringLiteral("\"textBytes\" is no sequence of two-digit hexadecimal numbers"));
    return bPlain || bHex;
}

bool VtXmlReader::Int(VtXmlFormat::Attribute eAttribute, int& nValue, bool bRequired)
{
    if (!Has(eAttribute))
    {
        if (bRequired)
            FailMissing(eAttribute);
        return false;
    }
    const QString sText = m_asAttributes[eAttribute].toString();
    if (!VtXmlFormat::ParseInt(sText, nValue))
        Fail(QStringLiteral("the attribute \"%1\" is %2, which is no integer number")
                 .arg(VtXmlFormat::AttributeName(eAttribute), Quoted(sText)));
    return true;
}

void VtXmlReader::FailMissing(VtXmlFormat::Attribute eAttribute) const
{
    Fail(QStringLiteral("the attribute \"%1\" is missing in <%2>")
             .arg(VtXmlFormat::AttributeName(eAttribute), m_pXml->qualifiedName().toString()));
}

const ValueDescriptor* VtXmlReader::Descriptor(bool bNode)
{
    QString sType;
    if (!Text(VtXmlFormat::ATTR_TYPE, sType, false))
        return bNode ? ValueDescriptor::GenericNode() : nullptr;
    const ValueDescriptor* pDescriptor = ValueDescriptor::Find(sType);
    if (!pDescriptor)
        Fail(QStringLiteral("unknown descriptor %1").arg(Quoted(sType)));
    if (pDescriptor->IsNode() != bNode)
        Fail(QStringLiteral("the descriptor \"%1\" is a %2 type, not a %3 type")
                 .arg(sType, bNode ? QStringLiteral("value") : QStringLiteral("node"),
                      bNode ? QStringLiteral("node") : QStringLiteral("value")));
    return pDescriptor;
}

QString VtXmlReader::ParentPath() const
{
    QString sPath;
    for (const Frame& frame : m_vecStack)
    {
        if (frame.eType == FRAME_NODE)
            sPath += QLatin1Char('/') + frame.pNode->GetName();
    }
    return sPath.isEmpty() ? QStringLiteral("/") : sPath;
}

} // namespace values
