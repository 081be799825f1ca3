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

QString VtXmlFormat::KindName(ValueDescriptor::Kind eKind)
{
    switch (eKind)
    {
    case ValueDescriptor::KIND_INT:
        return QStringLiteral("int");
    case ValueDescriptor::KIND_DOUBLE:
        return QStringLiteral("double");
    case ValueDescriptor::KIND_STRING:
        return QStringLiteral("string");
    case ValueDescriptor::KIND_BOOL:
        return QStringLiteral("bool");
    case ValueDescriptor::KIND_SELECTION:
        return QStringLiteral("selection");
    case ValueDescriptor::KIND_NODE:
        break;
    }
    return QString();
}

bool VtXmlFormat::KindFromName(const QString& sName, ValueDescriptor::Kind& eKind)
{
    static const ValueDescriptor::Kind s_aeKinds[] = {
        ValueDescriptor::KIND_INT, ValueDescriptor::KIND_DOUBLE, ValueDescriptor::KIND_STRING,
        ValueDescriptor::KIND_BOOL, ValueDescriptor::KIND_SELECTION};
    for (ValueDescriptor::Kind eCandidate : s_aeKinds)
    {
        if (KindName(eCandidate) == sName)
        {
            eKind = eCandidate;
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
