#include "oskevo/vtxmlformat.h"

#include <charconv>
#include <cmath>

namespace values
{

namespace
{

const char s_acHexDigits[] = "0123456789abcdef";

int HexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Numbers are plain ASCII; anything else cannot be one.
bool ToAscii(const QString& sText, std::string& sAscii)
{
    if (sText.isEmpty() || sText.size() > 64)
        return false;
    sAscii.resize(size_t(sText.size()));
    for (int i = 0; i < sText.size(); ++i)
    {
        const ushort u = sText.at(i).unicode();
        if (u > 0x7f)
            return false;
        sAscii[size_t(i)] = char(u);
    }
    return true;
}

} // namespace

const QString& VtXmlFormat::ElementName(Element eElement)
{
    static const QString s_asNames[ELEMENT_COUNT] = {QStringLiteral("Vt"), QStringLiteral("Node"),
                                                     QStringLiteral("Value"), QStringLiteral("Entry")};
    return s_asNames[eElement];
}

const QString& VtXmlFormat::AttributeName(Attribute eAttribute)
{
    static const QString s_asNames[ATTR_COUNT + 1] = {QStringLiteral("format"),
                                                      QStringLiteral("version"),
                                                      QStringLiteral("versionUtf16"),
                                                      QStringLiteral("name"),
                                                      QStringLiteral("nameUtf16"),
                                                      QStringLiteral("type"),
                                                      QStringLiteral("typeUtf16"),
                                                      QStringLiteral("kind"),
                                                      QStringLiteral("state"),
                                                      QStringLiteral("value"),
                                                      QStringLiteral("valueUtf16"),
                                                      QStringLiteral("current"),
                                                      QStringLiteral("number"),
                                                      QStringLiteral("key"),
                                                      QStringLiteral("text"),
                                                      QStringLiteral("textBytes"),
                                                      QString()};
    return s_asNames[eAttribute];
}

VtXmlFormat::Attribute VtXmlFormat::FindAttribute(const QStringRef& sName)
{
    for (int i = 0; i < ATTR_COUNT; ++i)
    {
        if (sName == AttributeName(Attribute(i)))
            return Attribute(i);
    }
    return ATTR_COUNT;
}

unsigned VtXmlFormat::AllowedAttributes(Element eElement)
{
    const auto bits = [](std::initializer_list<Attribute> list)
    {
        unsigned nMask = 0;
        for (Attribute e : list)
            nMask |= 1u << e;
        return nMask;
    };
    switch (eElement)
    {
    case ELEMENT_ROOT:
        return bits({ATTR_FORMAT, ATTR_VERSION, ATTR_VERSION_UTF16, ATTR_TEXT, ATTR_TEXT_BYTES});
    case ELEMENT_NODE:
        return bits({ATTR_NAME, ATTR_NAME_UTF16, ATTR_TYPE, ATTR_TYPE_UTF16, ATTR_TEXT, ATTR_TEXT_BYTES});
    case ELEMENT_VALUE:
        return bits({ATTR_NAME, ATTR_NAME_UTF16, ATTR_TYPE, ATTR_TYPE_UTF16, ATTR_KIND, ATTR_STATE,
                     ATTR_VALUE, ATTR_VALUE_UTF16, ATTR_CURRENT});
    case ELEMENT_ENTRY:
        return bits({ATTR_NAME, ATTR_NAME_UTF16, ATTR_NUMBER, ATTR_KEY});
    case ELEMENT_COUNT:
        break;
    }
    return 0;
}

const QString& VtXmlFormat::KindName(ValueDescriptor::Kind eKind)
{
    static const QString s_asNames[] = {QString(),
                                        QStringLiteral("int"),
                                        QStringLiteral("double"),
                                        QStringLiteral("string"),
                                        QStringLiteral("bool"),
                                        QStringLiteral("selection")};
    static_assert(ValueDescriptor::KIND_NODE == 0 && ValueDescriptor::KIND_SELECTION == 5,
                  "kinds in table order");
    return s_asNames[eKind];
}

bool VtXmlFormat::KindFromName(const QStringRef& sName, ValueDescriptor::Kind& eKind)
{
    for (int i = ValueDescriptor::KIND_INT; i <= ValueDescriptor::KIND_SELECTION; ++i)
    {
        if (sName == KindName(ValueDescriptor::Kind(i)))
        {
            eKind = ValueDescriptor::Kind(i);
            return true;
        }
    }
    return false;
}

bool VtXmlFormat::IsXmlSafe(const QString& sText)
{
    const int nSize = sText.size();
    const QChar* pData = sText.constData();
    for (int i = 0; i < nSize; ++i)
    {
        const ushort u = pData[i].unicode();
        if (u >= 0x20 && u < 0xd800)
            continue;
        if (u == 0x09 || u == 0x0a || u == 0x0d)
            continue;
        if (u >= 0xe000 && u <= 0xfffd)
            continue;
        // A surrogate is fine only as the high half of a pair followed by its low half.
        if (u >= 0xd800 && u <= 0xdbff && i + 1 < nSize && pData[i + 1].isLowSurrogate())
        {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

QString VtXmlFormat::ToUtf16Hex(const QString& sText)
{
    QString sHex;
    sHex.reserve(sText.size() * 4);
    for (QChar c : sText)
    {
        const ushort u = c.unicode();
        sHex += QLatin1Char(s_acHexDigits[(u >> 12) & 0xf]);
        sHex += QLatin1Char(s_acHexDigits[(u >> 8) & 0xf]);
        sHex += QLatin1Char(s_acHexDigits[(u >> 4) & 0xf]);
        sHex += QLatin1Char(s_acHexDigits[u & 0xf]);
    }
    return sHex;
}

bool VtXmlFormat::FromUtf16Hex(const QString& sHex, QString& sText)
{
    if (sHex.size() % 4 != 0)
        return false;
    QString sResult;
    sResult.reserve(sHex.size() / 4);
    for (int i = 0; i < sHex.size(); i += 4)
    {
        int nUnit = 0;
        for (int j = 0; j < 4; ++j)
        {
            const int nDigit = HexValue(sHex.at(i + j));
            if (nDigit < 0)
                return false;
            nUnit = (nUnit << 4) | nDigit;
        }
        sResult += QChar(ushort(nUnit));
    }
    sText = sResult;
    return true;
}

QString VtXmlFormat::ToByteHex(const std::string& sBytes)
{
    QString sHex;
    sHex.reserve(int(sBytes.size()) * 2);
    for (unsigned char c : sBytes)
    {
        sHex += QLatin1Char(s_acHexDigits[c >> 4]);
        sHex += QLatin1Char(s_acHexDigits[c & 0xf]);
    }
    return sHex;
}

bool VtXmlFormat::FromByteHex(const QString& sHex, std::string& sBytes)
{
    if (sHex.size() % 2 != 0)
        return false;
    std::string sResult;
    sResult.reserve(size_t(sHex.size() / 2));
    for (int i = 0; i < sHex.size(); i += 2)
    {
        const int nHigh = HexValue(sHex.at(i));
        const int nLow = HexValue(sHex.at(i + 1));
        if (nHigh < 0 || nLow < 0)
            return false;
        sResult += char((nHigh << 4) | nLow);
    }
    sBytes.swap(sResult);
    return true;
}

bool VtXmlFormat::IsUtf8Text(const std::string& sBytes)
{
    return QString::fromStdString(sBytes).toStdString() == sBytes;
}

QString VtXmlFormat::FormatDouble(double dValue)
{
    char acBuffer[64];
    const std::to_chars_result result = std::to_chars(acBuffer, acBuffer + sizeof(acBuffer), dValue);
    return QString::fromLatin1(acBuffer, int(result.ptr - acBuffer));
}

QString VtXmlFormat::FormatInt(int nValue)
{
    return QString::number(nValue);
}

bool VtXmlFormat::ParseDouble(const QString& sText, double& dValue)
{
    std::string sAscii;
    if (!ToAscii(sText, sAscii))
        return false;
    const char* pBegin = sAscii.data();
    const char* pEnd = pBegin + sAscii.size();
    double dResult = 0.0;
    const std::from_chars_result result = std::from_chars(pBegin, pEnd, dResult);
    if (result.ec != std::errc() || result.ptr != pEnd || !std::isfinite(dResult))
        return false;
    dValue = dResult;
    return true;
}

bool VtXmlFormat::ParseInt(const QString& sText, int& nValue)
{
    std::string sAscii;
    if (!ToAscii(sText, sAscii))
        return false;
    const char* pBegin = sAscii.data();
    const char* pEnd = pBegin + sAscii.size();
    int nResult = 0;
    const std::from_chars_result result = std::from_chars(pBegin, pEnd, nResult);
    if (result.ec != std::errc() || result.ptr != pEnd)
        return false;
    nValue = nResult;
    return true;
}

} // namespace values
