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

    static QLatin1String DocType() { return QLatin1String("<!DOCTYPE Vt>"); }
    static QLatin1String RootElement() { return QLatin1String("Vt"); }
    static QLatin1String NodeElement() { return QLatin1String("Node"); }
    static QLatin1String ValueElement() { return QLatin1String("Value"); }
    static QLatin1String EntryElement() { return QLatin1String("Entry"); }

    static QLatin1String FormatAttribute() { return QLatin1String("format"); }
    static QLatin1String VersionAttribute() { return QLatin1String("version"); }
    static QLatin1String NameAttribute() { return QLatin1String("name"); }
    static QLatin1String TypeAttribute() { return QLatin1String("type"); }
    static QLatin1String KindAttribute() { return QLatin1String("kind"); }
    static QLatin1String StateAttribute() { return QLatin1String("state"); }
    static QLatin1String ValueAttribute() { return QLatin1String("value"); }
    static QLatin1String CurrentAttribute() { return QLatin1String("current"); }
    static QLatin1String NumberAttribute() { return QLatin1String("number"); }
    static QLatin1String KeyAttribute() { return QLatin1String("key"); }
    static QLatin1String TextAttribute() { return QLatin1String("text"); }
    static QLatin1String TextBytesAttribute() { return QLatin1String("textBytes"); }
    static QString Utf16Attribute(const QString& sAttribute) { return sAttribute + QLatin1String("Utf16"); }

    // "int", "double", "string", "bool", "selection"; empty for nodes.
    static QString KindName(ValueDescriptor::Kind eKind);
    // False when the text names no value kind.
    static bool KindFromName(const QString& sName, ValueDescriptor::Kind& eKind);

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
