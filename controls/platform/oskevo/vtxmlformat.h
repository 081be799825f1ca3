#pragma once

#include "oskevo/valuedescriptor.h"

#include <QLatin1String>
#include <QString>
#include <string>

namespace values
{

// The vocabulary of the Vt document shared by its writer and reader: element and
// attribute names, value kinds, and the exact text forms of numbers and texts.
//
// Texts go into attributes, where the writer escapes tabs, line feeds and carriage
// returns as character references, so that attribute normalisation keeps them. A text
// that XML 1.0 cannot carry at all (control characters, lone surrogates, U+FFFE/U+FFFF)
// is written instead into the attribute of the same name with the suffix "Utf16" as the
// hexadecimal UTF-16 code units; a node's free text, a byte string, goes into "textBytes"
// when it is not valid UTF-8 or not XML-safe.
class VtXmlFormat
{
public:
    static const int s_nFormatVersion = 1;

    enum Element
    {
        ELEMENT_ROOT, // "Vt"
        ELEMENT_NODE,
        ELEMENT_VALUE,
        ELEMENT_ENTRY,
        ELEMENT_COUNT,
    };
    // Each text attribute is directly followed by its "...Utf16" form.
    enum Attribute
    {
        ATTR_FORMAT,
        ATTR_VERSION,
        ATTR_VERSION_UTF16,
        ATTR_NAME,
        ATTR_NAME_UTF16,
        ATTR_TYPE,
        ATTR_TYPE_UTF16,
        ATTR_KIND,
        ATTR_STATE,
        ATTR_VALUE,
        ATTR_VALUE_UTF16,
        ATTR_CURRENT,
        ATTR_NUMBER,
        ATTR_KEY,
        ATTR_TEXT,
        ATTR_TEXT_BYTES,
        ATTR_COUNT,
    };

    static QLatin1String DocType() { return QLatin1String("<!DOCTYPE Vt>"); }
    // Names as shared strings, so that writing and comparing them allocates nothing.
    static const QString& ElementName(Element eElement);
    static const QString& AttributeName(Attribute eAttribute);
    static Attribute Utf16Of(Attribute eText) { return Attribute(eText + 1); }
    // ATTR_COUNT for a name that is none of ours.
    static Attribute FindAttribute(const QStringRef& sName);
    // The attributes each element may carry, as a mask of (1 << Attribute).
    static unsigned AllowedAttributes(Element eElement);

    // "int", "double", "string", "bool", "selection"; empty for nodes.
    static const QString& KindName(ValueDescriptor::Kind eKind);
    // False when the text names no value kind.
    static bool KindFromName(const QStringRef& sName, ValueDescriptor::Kind& eKind);

    // Whether XML 1.0 can carry the text as it stands.
    static bool IsXmlSafe(const QString& sText);
    static QString ToUtf16Hex(const QString& sText);
    static bool FromUtf16Hex(const QString& sHex, QString& sText);
    static QString ToByteHex(const std::string& sBytes);
    static bool FromByteHex(const QString& sHex, std::string& sBytes);
    // Whether the bytes are a UTF-8 text that survives the way through QString unchanged.
    static bool IsUtf8Text(const std::string& sBytes);

    // Shortest text that reads back bit for bit; locale independent.
    static QString FormatDouble(double dValue);
    static QString FormatInt(int nValue);
    // Strict: the whole text must be the number, finite and in range of the type.
    static bool ParseDouble(const QString& sText, double& dValue);
    static bool ParseInt(const QString& sText, int& nValue);
};

} // namespace values
