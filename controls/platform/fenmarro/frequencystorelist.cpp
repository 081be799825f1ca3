#include "fenmarro/frequencystorelist.h"

#include "quorlin/rgexception.h"

#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

using REPORTGENERATOR::IRGObject;
using REPORTGENERATOR::RGException;

namespace Fenmarro
{

const char* const FrequencyStoreList::RootElement = "FrequencyStoreList";

namespace
{

const char* const g_pszFunction = "FrequencyStoreList::SetXmlString";
const char* const g_pszVersion = "1";

// Document texts quoted in messages are cut short: they may be anything.
QString Quote(const QString& sText)
{
    const int nMax = 40;
    return QLatin1Char('"') + (sText.size() > nMax ? sText.left(nMax) + QStringLiteral("...") : sText) +
           QLatin1Char('"');
}

// Reads one document into entries; throws RGException at the first problem.
class Reader
{
public:
    Reader(const QString& sText, int nFlags)
        : m_reader(sText), m_bIgnoreUnknown(nFlags & IRGObject::RG_IGNORE_UNKNOWN)
    {
    }

    std::vector<FrequencyStoreEntry> Read();

private:
    [[noreturn]] void Fail(const QString& sError) const
    {
        Fail(sError, m_reader.lineNumber(), m_reader.columnNumber());
    }
    [[noreturn]] void Fail(const QString& sError, qint64 nLine, qint64 nColumn) const
    {
        throw RGException(sError, int(nLine), int(nColumn), QString::fromLatin1(g_pszFunction));
    }

    // The next token that matters: start and end of elements, text, end of document.
    QXmlStreamReader::TokenType Next();
    void CheckAttributes(const QStringList& vecKnown);
    // Inside an element that holds elements only: the next child's start, or false at its end.
    bool NextChild();
    void UnknownChild(const QString& sParent);
    void SkipElement();
    FrequencyStoreEntry ReadEntry();
    FFMSettings ReadSettings();
    double ReadHertz(const QString& sName);
    QString ReadText();

    QXmlStreamReader m_reader;
    bool m_bIgnoreUnknown;
    int m_nDepth = 0;
};

QXmlStreamReader::TokenType Reader::Next()
{
    while (true)
    {
        const QXmlStreamReader::TokenType eToken = m_reader.readNext();
        if (m_reader.hasError())
            Fail(QStringLiteral("The text is not well-formed XML: %1").arg(m_reader.errorString()));
        switch (eToken)
        {
        case QXmlStreamReader::DTD:
            Fail(QStringLiteral("Document type declarations are not accepted in a frequency store list."));
        case QXmlStreamReader::EntityReference:
            Fail(QStringLiteral("Entity references are not accepted in a frequency store list."));
        case QXmlStreamReader::StartElement:
            if (++m_nDepth > FrequencyStoreList::MaxDepth)
                Fail(QStringLiteral("Elements are nested too deeply."));
            return eToken;
        case QXmlStreamReader::EndElement:
            --m_nDepth;
            return eToken;
        case QXmlStreamReader::Characters:
            if (m_reader.isWhitespace())
                continue;
            return eToken;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::StartDocument:
            continue;
        default:
            return eToken;
        }
    }
}

void Reader::CheckAttributes(const QStringList& vecKnown)
{
    if (m_bIgnoreUnknown)
        return;
    for (const QXmlStreamAttribute& attribute : m_reader.attributes())
    {
        if (!vecKnown.contains(attribute.qualifiedName().toString()))
            Fail(QStringLiteral("Unknown attribute %1 of <%2>.")
                     .arg(Quote(attribute.qualifiedName().toString()), m_reader.name().toString()));
    }
}

bool Reader::NextChild()
{
    const QXmlStreamReader::TokenType eToken = Next();
    if (eToken == QXmlStreamReader::StartElement)
        return true;
    if (eToken == QXmlStreamReader::EndElement)
        return false;
    if (eToken == QXmlStreamReader::Characters)
        Fail(QStringLiteral("Unexpected text %1.").arg(Quote(m_reader.text().toString().trimmed())));
    Fail(QStringLiteral("Unexpected end of the document."));
}

void Reader::UnknownChild(const QString& sParent)
{
    if (!m_bIgnoreUnknown)
        Fail(QStringLiteral("Unknown element <%1> in <%2>.").arg(m_reader.name().toString(), sParent));
    SkipElement();
}

void Reader::SkipElement()
{
    const int nDepth = m_nDepth;
    while (m_nDepth >= nDepth)
    {
        if (Next() == QXmlStreamReader::EndDocument)
            Fail(QStringLiteral("Unexpected end of the document."));
    }
}

QString Reader::ReadText()
{
    const QString sName = m_reader.name().toString();
    QString sText;
    while (true)
    {
        const QXmlStreamReader::TokenType eToken = m_reader.readNext();
        if (m_reader.hasError())
            Fail(QStringLiteral("The text is not well-formed XML: %1").arg(m_reader.errorString()));
        if (eToken == QXmlStreamReader::Characters)
            sText += m_reader.text();
        else if (eToken == QXmlStreamReader::EndElement)
        {
            --m_nDepth;
            return sText;
        }
        else if (eToken == QXmlStreamReader::StartElement)
            Fail(QStringLiteral("<%1> holds a value, not the element <%2>.")
                     .arg(sName, m_reader.name().toString()));
        else if (eToken == QXmlStreamReader::EntityReference)
            Fail(QStringLiteral("Entity references are not accepted in a frequency store list."));
        // comments and processing instructions inside a value are skipped
    }
}

double Reader::ReadHertz(const QString& sName)
{
    const qint64 nLine = m_reader.lineNumber();
    const qint64 nColumn = m_reader.columnNumber();
    CheckAttributes({QStringLiteral("unit")});
    const QString sUnit = m_reader.attributes().value(QLatin1String("unit")).toString();
    double dFactor = 1.0;
    if (sUnit == QLatin1String("kHz"))
        dFactor = 1e3;
    else if (sUnit == QLatin1String("MHz"))
        dFactor = 1e6;
    else if (sUnit == QLatin1String("GHz"))
        dFactor = 1e9;
    else if (!sUnit.isEmpty() && sUnit != QLatin1String("Hz"))
        Fail(
            QStringLiteral("Unknown unit %1 of <%2>; expected Hz, kHz, MHz or GHz.").arg(Quote(sUnit), sName),
            nLine, nColumn);

    const QString sText = ReadText().trimmed();
    static const QRegularExpression s_reNumber(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d{1,4})?$)"));
    bool bOk = s_reNumber.match(sText).hasMatch();
    const double dValue = bOk ? QLocale::c().toDouble(sText, &bOk) * dFactor : 0.0;
    if (!bOk || !std::isfinite(dValue))
        Fail(QStringLiteral("<%1> must hold a number, not %2.").arg(sName, Quote(sText)), nLine, nColumn);
    if (dValue < 0)
        Fail(QStringLiteral("<%1> must not be negative.").arg(sName), nLine, nColumn);
    return dValue;
}

FFMSettings Reader::ReadSettings()
{
    const qint64 nLine = m_reader.lineNumber();
    const qint64 nColumn = m_reader.columnNumber();
    CheckAttributes({});
    FFMSettings settings;
    bool bFrequency = false;
    bool bBandwidth = false;
    bool bDemod = false;
    auto once = [this](bool& bSeen)
    {
        if (bSeen)
            Fail(QStringLiteral("<%1> is given twice in <FFM_Settings>.").arg(m_reader.name().toString()));
        bSeen = true;
    };
    while (NextChild())
    {
        const QStringRef sName = m_reader.name();
        if (sName == QLatin1String("Frequency"))
        {
            once(bFrequency);
            settings.SetFrequency(ReadHertz(QStringLiteral("Frequency")));
        }
        else if (sName == QLatin1String("IFBandwidth"))
        {
            once(bBandwidth);
            settings.SetIFBandwidth(ReadHertz(QStringLiteral("IFBandwidth")));
        }
        else if (sName == QLatin1String("AnalogDemod"))
        {
            once(bDemod);
            const qint64 nDemodLine = m_reader.lineNumber();
            const qint64 nDemodColumn = m_reader.columnNumber();
            CheckAttributes({});
            const QString sDemod = ReadText().trimmed();
            AnalogDemod eDemod = DEMOD_AM;
            if (!AnalogDemodFromName(sDemod, &eDemod))
                Fail(QStringLiteral("Unknown demodulation %1; expected one of %2.")
                         .arg(Quote(sDemod), AnalogDemodNames().join(QStringLiteral(", "))),
                     nDemodLine, nDemodColumn);
            settings.SetAnalogDemod(eDemod);
        }
        else
            UnknownChild(QStringLiteral("FFM_Settings"));
    }
    const char* pszMissing = !bFrequency   ? "Frequency"
                             : !bBandwidth ? "IFBandwidth"
                             : !bDemod     ? "AnalogDemod"
                                           : nullptr;
    if (pszMissing)
        Fail(QStringLiteral("<FFM_Settings> lacks <%1>.").arg(QLatin1String(pszMissing)), nLine, nColumn);
    return settings;
}

FrequencyStoreEntry Reader::ReadEntry()
{
    const qint64 nLine = m_reader.lineNumber();
    const qint64 nColumn = m_reader.columnNumber();
    CheckAttributes({});
    FrequencyStoreEntry entry;
    bool bType = false;
    bool bComment = false;
    bool bSettings = false;
    auto once = [this](bool& bSeen)
    {
        if (bSeen)
            Fail(QStringLiteral("<%1> is given twice in <FrequencyStoreEntry>.")
                     .arg(m_reader.name().toString()));
        bSeen = true;
    };
    while (NextChild())
    {
        const QStringRef sName = m_reader.name();
        if (sName == QLatin1String("Type"))
        {
            once(bType);
            CheckAttributes({});
            const QString sType = ReadText().trimmed();
            if (sType.isEmpty())
                Fail(QStringLiteral("<Type> must not be empty."));
            entry.SetType(sType);
        }
        else if (sName == QLatin1String("Comment"))
        {
            once(bComment);
            CheckAttributes({});
            entry.SetComment(ReadText());
        }
        else if (sName == QLatin1String("FFM_Settings"))
        {
            once(bSettings);
            entry.SetFFM_Settings(ReadSettings());
        }
        else
            UnknownChild(QStringLiteral("FrequencyStoreEntry"));
    }
    if (!bType)
        Fail(QStringLiteral("<FrequencyStoreEntry> lacks <Type>."), nLine, nColumn);
    if (!bSettings)
        Fail(QStringLiteral("<FrequencyStoreEntry> lacks <FFM_Settings>."), nLine, nColumn);
    return entry;
}

std::vector<FrequencyStoreEntry> Reader::Read()
{
    QXmlStreamReader::TokenType eToken = Next();
    if (eToken != QXmlStreamReader::StartElement)
        Fail(QStringLiteral("The text holds no XML element."));
    if (m_reader.name() != QLatin1String(FrequencyStoreList::RootElement))
        Fail(QStringLiteral("The document is a <%1>, not a <%2>.")
                 .arg(m_reader.name().toString(), QLatin1String(FrequencyStoreList::RootElement)));
    CheckAttributes({QStringLiteral("version")});
    const QStringRef sVersion = m_reader.attributes().value(QLatin1String("version"));
    if (!sVersion.isEmpty() && sVersion != QLatin1String(g_pszVersion))
        Fail(QStringLiteral("Version %1 of the frequency store list is not supported.")
                 .arg(Quote(sVersion.toString())));

    std::vector<FrequencyStoreEntry> vecEntries;
    while (NextChild())
    {
        if (m_reader.name() != QLatin1String("FrequencyStoreEntry"))
        {
            UnknownChild(QLatin1String(FrequencyStoreList::RootElement));
            continue;
        }
        if (int(vecEntries.size()) >= FrequencyStoreList::MaxEntries)
            Fail(QStringLiteral("The list has more than %1 entries.").arg(FrequencyStoreList::MaxEntries));
        vecEntries.push_back(ReadEntry());
    }
    // Only comments and blanks may follow the root element; the reader reports the rest.
    while ((eToken = Next()) != QXmlStreamReader::EndDocument)
        Fail(QStringLiteral("Unexpected content after the end of the list."));
    return vecEntries;
}

// Line and column (from 1) of a position in the text, for messages.
void Position(const QString& sText, int nPos, int* pnLine, int* pnColumn)
{
    int nLine = 1;
    int nLineStart = 0;
    for (int i = 0; i < nPos; ++i)
    {
        if (sText.at(i) == QLatin1Char('\n'))
        {
            ++nLine;
            nLineStart = i + 1;
        }
    }
    *pnLine = nLine;
    *pnColumn = nPos - nLineStart + 1;
}

[[noreturn]] void FailAt(const QString& sText, int nPos, const QString& sError)
{
    int nLine = 0;
    int nColumn = 0;
    Position(sText, nPos, &nLine, &nColumn);
    throw RGException(sError, nLine, nColumn, QString::fromLatin1(g_pszFunction));
}

// A linear look over the raw text before the XML reader sees it. The reader checks the
// attributes of a tag for duplicates pair by pair, so a tag with tens of thousands of
// attributes costs it minutes; and a document type declaration is refused before its
// entities are ever read.
void PreScan(const QString& sText)
{
    const int nSize = sText.size();
    int nPos = 0;
    while ((nPos = sText.indexOf(QLatin1Char('<'), nPos)) >= 0)
    {
        const QStringRef sRest = sText.midRef(nPos);
        const char* pszSkipTo = nullptr;
        if (sRest.startsWith(QLatin1String("<!--")))
            pszSkipTo = "-->";
        else if (sRest.startsWith(QLatin1String("<![CDATA[")))
            pszSkipTo = "]]>";
        else if (sRest.startsWith(QLatin1String("<?")))
            pszSkipTo = "?>";
        else if (sRest.startsWith(QLatin1String("<!")))
            FailAt(sText, nPos,
                   QStringLiteral("Document type declarations are not accepted in a frequency store list."));
        if (pszSkipTo)
        {
            const int nEnd = sText.indexOf(QLatin1String(pszSkipTo), nPos + 2);
            if (nEnd < 0)
                return; // unterminated: the reader reports it
            nPos = nEnd + int(qstrlen(pszSkipTo));
            continue;
        }
        // A tag: count the "=" outside quoted values up to its end.
        const int nTagStart = nPos;
        int nAttributes = 0;
        QChar cQuote;
        for (++nPos; nPos < nSize; ++nPos)
        {
            const QChar c = sText.at(nPos);
            if (!cQuote.isNull())
            {
                if (c == cQuote)
                    cQuote = QChar();
            }
            else if (c == QLatin1Char('"') || c == QLatin1Char('\''))
                cQuote = c;
            else if (c == QLatin1Char('='))
            {
                if (++nAttributes > FrequencyStoreList::MaxAttributes)
                    FailAt(sText, nTagStart,
                           QStringLiteral("An element has more than %1 attributes.")
                               .arg(FrequencyStoreList::MaxAttributes));
            }
            else if (c == QLatin1Char('>'))
                break;
        }
    }
}

QString HertzText(double dHz)
{
    // Whole numbers of hertz, by far the usual case, without an exponent.
    if (dHz == std::floor(dHz) && std::fabs(dHz) < 1e15)
        return QString::number(qint64(dHz));
    return QString::number(dHz, 'g', QLocale::FloatingPointShortest);
}

// A text element whose carriage returns survive: a reader turns a raw one into a line feed, so
// each is written as a character reference (QXmlStreamWriter writes them raw in text).
void WriteTextElement(QXmlStreamWriter& writer, const QString& sName, const QString& sText)
{
    writer.writeStartElement(sName);
    const QStringList listParts = sText.split(QLatin1Char('\r'));
    for (int i = 0; i < listParts.size(); ++i)
    {
        if (i > 0)
            writer.writeEntityReference(QStringLiteral("#13"));
        if (!listParts.at(i).isEmpty())
            writer.writeCharacters(listParts.at(i));
    }
    writer.writeEndElement();
}

} // namespace

void FrequencyStoreList::SetXmlString(const QString& sText, int nFlags)
{
    if (sText.size() > MaxDocumentLength)
        throw RGException(QStringLiteral("The frequency store list is too long (%1 characters, at most %2).")
                              .arg(sText.size())
                              .arg(MaxDocumentLength),
                          0, 0, QString::fromLatin1(g_pszFunction));
    PreScan(sText);
    Reader reader(sText, nFlags);
    std::vector<FrequencyStoreEntry> vecEntries = reader.Read();
    m_vecEntries.swap(vecEntries);
}

QString FrequencyStoreList::GetXmlString() const
{
    QString sText;
    QXmlStreamWriter writer(&sText);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    writer.writeStartElement(QLatin1String(RootElement));
    writer.writeAttribute(QStringLiteral("version"), QLatin1String(g_pszVersion));
    for (const FrequencyStoreEntry& entry : m_vecEntries)
    {
        writer.writeStartElement(QStringLiteral("FrequencyStoreEntry"));
        WriteTextElement(writer, QStringLiteral("Type"), entry.GetType());
        WriteTextElement(writer, QStringLiteral("Comment"), entry.GetComment());
        const FFMSettings& settings = entry.GetFFM_Settings();
        writer.writeStartElement(QStringLiteral("FFM_Settings"));
        writer.writeTextElement(QStringLiteral("Frequency"), HertzText(settings.GetFrequency().GetValue()));
        writer.writeTextElement(QStringLiteral("IFBandwidth"),
                                HertzText(settings.GetIFBandwidth().GetValue()));
        writer.writeTextElement(QStringLiteral("AnalogDemod"), AnalogDemodToName(settings.GetAnalogDemod()));
        writer.writeEndElement();
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return sText;
}

} // namespace Fenmarro
