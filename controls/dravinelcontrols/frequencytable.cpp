#include "dravinelcontrols/frequencytable.h"

#include "dravineldefinition/descriptors.h"
#include "oskevo/valuedescriptor.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace
{

const QString s_sMarker = QStringLiteral("FrequencyListCopyStruct");
const QStringList s_listCsvHeader = {QStringLiteral("Start"), QStringLiteral("Stop"), QStringLiteral("Name"),
                                     QStringLiteral("Suppressed")};

QString EscapeTab(const QString& sText)
{
    QString sOut;
    sOut.reserve(sText.size());
    for (const QChar c : sText)
    {
        switch (c.unicode())
        {
        case '\\':
            sOut += QLatin1String("\\\\");
            break;
        case '\t':
            sOut += QLatin1String("\\t");
            break;
        case '\n':
            sOut += QLatin1String("\\n");
            break;
        case '\r':
            sOut += QLatin1String("\\r");
            break;
        default:
            sOut += c;
        }
    }
    return sOut;
}

// A backslash before anything else stays as it stands, so that names pasted from elsewhere
// (paths, say) read as they were written.
QString UnescapeTab(const QString& sText)
{
    QString sOut;
    sOut.reserve(sText.size());
    for (int i = 0; i < sText.size(); ++i)
    {
        const QChar c = sText.at(i);
        const QChar next = i + 1 < sText.size() ? sText.at(i + 1) : QChar();
        const int nIndex = QStringLiteral("\\tnr").indexOf(next);
        if (c != QLatin1Char('\\') || next.isNull() || nIndex < 0)
        {
            sOut += c;
            continue;
        }
        sOut += QStringLiteral("\\\t\n\r").at(nIndex);
        ++i;
    }
    return sOut;
}

QString QuoteCsv(const QString& sText)
{
    if (!sText.contains(QRegularExpression(QStringLiteral("[\",\r\n]"))) && sText.trimmed() == sText)
        return sText;
    return QLatin1Char('"') + QString(sText).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QString Flag(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

QString Normalised(QString sText)
{
    if (sText.startsWith(QChar(0xFEFF)))
        sText.remove(0, 1); // byte order mark of some spreadsheets
    return sText.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

int Column(const QStringList& listHeader, const QString& sName)
{
    for (int i = 0; i < listHeader.size(); ++i)
        if (listHeader.at(i).trimmed().compare(sName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString Field(const QStringList& listFields, int nIndex)
{
    return nIndex >= 0 && nIndex < listFields.size() ? listFields.at(nIndex) : QString();
}

} // namespace

QString FrequencyTable::Number(double d)
{
    return QString::number(d, 'f', QLocale::FloatingPointShortest);
}

bool FrequencyTable::ReadFrequency(const QString& sText, double& d, QString* pError)
{
    bool bOk = false;
    d = QLocale::c().toDouble(sText.trimmed(), &bOk);
    const double dMin =
        std::max(DravinelDefinition::g_vdFStart.Minimum(), DravinelDefinition::g_vdFStop.Minimum());
    const double dMax =
        std::min(DravinelDefinition::g_vdFStart.Maximum(), DravinelDefinition::g_vdFStop.Maximum());
    QString sError;
    if (!bOk)
        sError = QStringLiteral("\"%1\" is not a frequency in Hz").arg(sText);
    else if (d < dMin || d > dMax)
        sError = QStringLiteral("%1 Hz lies outside %2 to %3 Hz").arg(Number(d), Number(dMin), Number(dMax));
    if (pError)
        *pError = sError;
    return sError.isEmpty();
}

QString FrequencyTable::WriteTsv(const std::vector<Row>& vecRows)
{
    QString sText = s_sMarker + QLatin1Char('\n') +
                    QStringLiteral("Frequency\tName\tBandwidth\tStart\tStop\tSuppressed\n");
    for (const Row& row : vecRows)
        sText += QStringList{Number(row.dStart), EscapeTab(row.sName), QString(),
                             Number(row.dStart), Number(row.dStop),    Flag(row.bSuppressed)}
                     .join(QLatin1Char('\t')) +
                 QLatin1Char('\n');
    return sText;
}

QString FrequencyTable::WriteCsv(const std::vector<Row>& vecRows)
{
    QString sText = s_listCsvHeader.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const Row& row : vecRows)
        sText +=
            QStringList{Number(row.dStart), Number(row.dStop), QuoteCsv(row.sName), Flag(row.bSuppressed)}
                .join(QLatin1Char(',')) +
            QLatin1String("\r\n");
    return sText;
}

QString FrequencyTable::WriteAligned(const std::vector<Row>& vecRows)
{
    QList<QStringList> listLines = {{QStringLiteral("Start/Hz"), QStringLiteral("Stop/Hz"),
                                     QStringLiteral("Name"), QStringLiteral("Suppressed")}};
    for (const Row& row : vecRows)
        listLines << QStringList{Number(row.dStart), Number(row.dStop), EscapeTab(row.sName),
                                 row.bSuppressed ? QStringLiteral("yes") : QStringLiteral("no")};
    int anWidth[3] = {0, 0, 0};
    for (const QStringList& listLine : listLines)
        for (int i = 0; i < 3; ++i)
            anWidth[i] = std::max(anWidth[i], listLine.at(i).size());
    QString sText;
    for (const QStringList& listLine : listLines)
        sText += listLine.at(0).rightJustified(anWidth[0]) + QLatin1String("  ") +
                 listLine.at(1).rightJustified(anWidth[1]) + QLatin1String("  ") +
                 listLine.at(2).leftJustified(anWidth[2]) + QLatin1String("  ") + listLine.at(3) +
                 QLatin1Char('\n');
    return sText;
}

bool FrequencyTable::Fail(int nLine, const QString& sWhy)
{
    m_vecRows.clear();
    m_sError = QStringLiteral("line %1: %2").arg(nLine).arg(sWhy);
    return false;
}

bool FrequencyTable::AddRow(int nLine, const QString& sStart, const QString& sStop, const QString& sFrequency,
                            const QString& sName, const QString& sSuppressed)
{
    Row row;
    row.sName = sName;
    QString sWhy;
    const QString sFirst = sStart.trimmed().isEmpty() ? sFrequency : sStart;
    if (sFirst.trimmed().isEmpty())
        return Fail(nLine, QStringLiteral("no start frequency is given"));
    if (!ReadFrequency(sFirst, row.dStart, &sWhy))
        return Fail(nLine, QStringLiteral("start: ") + sWhy);
    row.dStop = row.dStart;
    if (!sStop.trimmed().isEmpty() && !ReadFrequency(sStop, row.dStop, &sWhy))
        return Fail(nLine, QStringLiteral("stop: ") + sWhy);
    if (row.dStop < row.dStart)
        return Fail(nLine, QStringLiteral("the stop %1 Hz lies below the start %2 Hz")
                               .arg(Number(row.dStop), Number(row.dStart)));
    const QString sFlag = sSuppressed.trimmed().toLower();
    if (sFlag == QLatin1String("true") || sFlag == QLatin1String("yes") || sFlag == QLatin1String("1"))
        row.bSuppressed = true;
    else if (!sFlag.isEmpty() && sFlag != QLatin1String("false") && sFlag != QLatin1String("no") &&
             sFlag != QLatin1String("0"))
        return Fail(nLine, QStringLiteral("suppressed is \"%1\", not true or false").arg(sSuppressed));
    m_vecRows.push_back(row);
    return true;
}

bool FrequencyTable::ReadTsv(const QString& sText)
{
    m_vecRows.clear();
    m_sError.clear();
    const QStringList listLines = Normalised(sText).split(QLatin1Char('\n'));
    if (!listLines.first().startsWith(s_sMarker))
        return Fail(1, QStringLiteral("the table does not begin with \"%1\"").arg(s_sMarker));
    if (listLines.size() < 2)
        return true;
    const QStringList listHeader = listLines.at(1).split(QLatin1Char('\t'));
    const int nStart = Column(listHeader, QStringLiteral("Start"));
    const int nFrequency = Column(listHeader, QStringLiteral("Frequency"));
    const int nName = Column(listHeader, QStringLiteral("Name"));
    if ((nStart < 0 && nFrequency < 0) || nName < 0)
        return Fail(2, QStringLiteral("the header names no Start (or Frequency) or no Name column"));
    const int nStop = Column(listHeader, QStringLiteral("Stop"));
    const int nSuppressed = Column(listHeader, QStringLiteral("Suppressed"));
    for (int i = 2; i < listLines.size(); ++i)
    {
        const QString& sLine = listLines.at(i);
        if (sLine.trimmed().isEmpty())
            continue;
        const QStringList listFields = sLine.split(QLatin1Char('\t'));
        if (!AddRow(i + 1, Field(listFields, nStart), Field(listFields, nStop), Field(listFields, nFrequency),
                    UnescapeTab(Field(listFields, nName)), Field(listFields, nSuppressed)))
            return false;
    }
    return true;
}

bool FrequencyTable::ReadCsv(const QString& sText)
{
    m_vecRows.clear();
    m_sError.clear();
    const QString sData = Normalised(sText);
    // Records after RFC 4180, each with the line it begins on.
    QList<QStringList> listRecords;
    QList<int> listRecordLines;
    QStringList listFields;
    QString sField;
    bool bQuoted = false;
    bool bAny = false; // whether the record has anything, be it an empty quoted field
    int nLine = 1;
    int nRecordLine = 1;
    const auto endRecord = [&]()
    {
        if (bAny)
        {
            listRecords << (listFields << sField);
            listRecordLines << nRecordLine;
        }
        listFields.clear();
        sField.clear();
        bAny = false;
    };
    for (int i = 0; i < sData.size(); ++i)
    {
        const QChar c = sData.at(i);
        if (c == QLatin1Char('\n'))
            ++nLine;
        if (bQuoted)
        {
            if (c != QLatin1Char('"'))
                sField += c;
            else if (i + 1 < sData.size() && sData.at(i + 1) == QLatin1Char('"'))
                sField += sData.at(++i);
            else
                bQuoted = false;
            continue;
        }
        if (c == QLatin1Char('\n'))
        {
            endRecord();
            nRecordLine = nLine;
            continue;
        }
        bAny = true;
        if (c == QLatin1Char('"') && sField.isEmpty())
            bQuoted = true;
        else if (c == QLatin1Char('"'))
            return Fail(nLine, QStringLiteral("a quote inside a field that does not begin with one"));
        else if (c == QLatin1Char(','))
        {
            listFields << sField;
            sField.clear();
        }
        else
            sField += c;
    }
    if (bQuoted)
        return Fail(nRecordLine, QStringLiteral("a quoted field is not closed"));
    endRecord();
    if (listRecords.isEmpty())
        return Fail(1, QStringLiteral("there is no header line"));
    const QStringList& listHeader = listRecords.first();
    const int nStart = Column(listHeader, QStringLiteral("Start"));
    const int nName = Column(listHeader, QStringLiteral("Name"));
    if (nStart < 0 || nName < 0)
        return Fail(listRecordLines.first(), QStringLiteral("the header names no Start or no Name column"));
    const int nStop = Column(listHeader, QStringLiteral("Stop"));
    const int nSuppressed = Column(listHeader, QStringLiteral("Suppressed"));
    for (int i = 1; i < listRecords.size(); ++i)
    {
        const QStringList& listRecord = listRecords.at(i);
        if (!AddRow(listRecordLines.at(i), Field(listRecord, nStart), Field(listRecord, nStop), QString(),
                    Field(listRecord, nName), Field(listRecord, nSuppressed)))
            return false;
    }
    return true;
}
