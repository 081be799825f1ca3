#include "kvbase/coord.h"

#include <QRegularExpression>
#include <QtMath>

#include <cmath>

namespace
{

const QChar g_cDegree(0x00B0);
// Longer texts are not coordinates; refusing them keeps the matching cheap.
const int g_nMaxTextLength = 200;

// One part of a position: a hemisphere letter before it, or a sign before and a letter after
// it, around degrees with optional minutes and seconds. Each number may use a decimal point
// or a comma. Captures: letter, degrees, minutes, seconds (prefix form); sign, degrees,
// minutes, seconds, letter (suffix form).
QString PartPattern()
{
    // Possessive digit runs: "48,11" must split into 48 and 11, never into 48.1 and 1.
    const QString sNumber = QStringLiteral(R"((\d++(?:[.,]\d++)?))");
    const QString sBody = sNumber + QStringLiteral(R"(\s*(?:[\x{00B0}\x{00BA}]\s*)?)") +
                          QStringLiteral("(?:") + sNumber + QStringLiteral(R"(\s*['\x{2032}\x{2019}]\s*)?)") +
                          QStringLiteral("(?:") + sNumber +
                          QStringLiteral(R"(\s*(?:"|''|\x{2033}|\x{201D})\s*)?)");
    return QStringLiteral(R"((?:([NSEWnsew])\s*)") + sBody + QStringLiteral(R"(|([+-]?)\s*)") + sBody +
           QStringLiteral(R"((?:\s*([NSEWnsew]))?))");
}

const int g_nPartCaptures = 9;

struct Part
{
    double dValue = 0.0; // with its sign
    QChar cAxis;         // 'N' for a latitude letter, 'E' for a longitude letter, null without one
};

double ToNumber(const QString& sText)
{
    QString s = sText;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s.toDouble();
}

bool IsWhole(const QString& sText)
{
    return !sText.contains(QLatin1Char('.')) && !sText.contains(QLatin1Char(','));
}

// Evaluates the captures of one part starting at capture nFirst.
bool EvaluatePart(const QRegularExpressionMatch& match, int nFirst, Part* pPart, QString* psError)
{
    const bool bPrefix = match.capturedLength(nFirst) > 0;
    const int nBody = bPrefix ? nFirst + 1 : nFirst + 5;
    const QString sDegrees = match.captured(nBody);
    const QString sMinutes = match.captured(nBody + 1);
    const QString sSeconds = match.captured(nBody + 2);
    QString sLetter = bPrefix ? match.captured(nFirst) : match.captured(nFirst + 8);
    const bool bMinus = !bPrefix && match.captured(nFirst + 4) == QLatin1String("-");

    if (!sSeconds.isEmpty() && sMinutes.isEmpty())
    {
        *psError = QStringLiteral("Seconds need minutes before them.");
        return false;
    }
    if (!sMinutes.isEmpty() && !IsWhole(sDegrees))
    {
        *psError = QStringLiteral("Degrees with decimals cannot be followed by minutes.");
        return false;
    }
    if (!sSeconds.isEmpty() && !IsWhole(sMinutes))
    {
        *psError = QStringLiteral("Minutes with decimals cannot be followed by seconds.");
        return false;
    }
    const double dMinutes = sMinutes.isEmpty() ? 0.0 : ToNumber(sMinutes);
    const double dSeconds = sSeconds.isEmpty() ? 0.0 : ToNumber(sSeconds);
    if (dMinutes >= 60.0 || dSeconds >= 60.0)
    {
        *psError = QStringLiteral("Minutes and seconds must be below 60.");
        return false;
    }
    if (bMinus && !sLetter.isEmpty())
    {
        *psError = QStringLiteral("Give either a sign or a hemisphere letter, not both.");
        return false;
    }
    double dValue = ToNumber(sDegrees) + dMinutes / 60.0 + dSeconds / 3600.0;
    const QChar cLetter = sLetter.isEmpty() ? QChar() : sLetter.at(0).toUpper();
    if (bMinus || cLetter == QLatin1Char('S') || cLetter == QLatin1Char('W'))
        dValue = -dValue;
    pPart->dValue = dValue;
    if (cLetter == QLatin1Char('N') || cLetter == QLatin1Char('S'))
        pPart->cAxis = QLatin1Char('N');
    else if (!cLetter.isNull())
        pPart->cAxis = QLatin1Char('E');
    return true;
}

bool CheckRange(double dLatitude, double dLongitude, QString* psError)
{
    if (!Coord::IsValidLatitude(dLatitude))
    {
        *psError =
            QStringLiteral("Latitude %1 is out of range (-90 to 90 degrees).").arg(dLatitude, 0, 'f', 6);
        return false;
    }
    if (!Coord::IsValidLongitude(dLongitude))
    {
        *psError =
            QStringLiteral("Longitude %1 is out of range (-180 to 180 degrees).").arg(dLongitude, 0, 'f', 6);
        return false;
    }
    return true;
}

void Report(bool bOk, const QString& sError, bool* pbOk, QString* psError)
{
    if (pbOk)
        *pbOk = bOk;
    if (psError)
        *psError = bOk ? QString() : sError;
}

// Text of one part; nDegreeDigits is 2 for latitudes, 3 for longitudes.
QString PartText(double dValue, int nFormat, int nDegreeDigits, char cPositive, char cNegative)
{
    if (nFormat == Coord::FORMAT_DMS)
    {
        // Round once on tenths of a second so that 59.96" becomes the next minute.
        const qint64 nTenths = qRound64(std::fabs(dValue) * 36000.0);
        const char cHemisphere = (dValue < 0 && nTenths > 0) ? cNegative : cPositive;
        return QStringLiteral("%1%2%3'%4.%5\"%6")
            .arg(nTenths / 36000, nDegreeDigits, 10, QLatin1Char('0'))
            .arg(g_cDegree)
            .arg((nTenths % 36000) / 600, 2, 10, QLatin1Char('0'))
            .arg((nTenths % 600) / 10, 2, 10, QLatin1Char('0'))
            .arg(nTenths % 10)
            .arg(QLatin1Char(cHemisphere));
    }
    if (nFormat == Coord::FORMAT_DM)
    {
        const qint64 nThousandths = qRound64(std::fabs(dValue) * 60000.0);
        const char cHemisphere = (dValue < 0 && nThousandths > 0) ? cNegative : cPositive;
        return QStringLiteral("%1%2%3.%4'%5")
            .arg(nThousandths / 60000, nDegreeDigits, 10, QLatin1Char('0'))
            .arg(g_cDegree)
            .arg((nThousandths % 60000) / 1000, 2, 10, QLatin1Char('0'))
            .arg(nThousandths % 1000, 3, 10, QLatin1Char('0'))
            .arg(QLatin1Char(cHemisphere));
    }
    return QString::number(dValue, 'f', 6);
}

double PartFromText(const QString& sText, QChar cAxis, bool* pbOk, QString* psError)
{
    static const QRegularExpression s_re(QStringLiteral(R"(^\s*)") + PartPattern() +
                                         QStringLiteral(R"(\s*$)"));
    const QRegularExpressionMatch match =
        sText.size() <= g_nMaxTextLength ? s_re.match(sText) : QRegularExpressionMatch();
    QString sError;
    Part part;
    const bool bLatitude = cAxis == QLatin1Char('N');
    if (sText.trimmed().isEmpty())
        sError = QStringLiteral("No value given.");
    else if (sText.size() > g_nMaxTextLength)
        sError = QStringLiteral("The text is too long for a coordinate.");
    else if (!match.hasMatch())
        sError = bLatitude ? QStringLiteral("Not a latitude, e.g. ") + Coord::LatitudeText(48.137) + '.'
                           : QStringLiteral("Not a longitude, e.g. ") + Coord::LongitudeText(11.575278) + '.';
    else if (EvaluatePart(match, 1, &part, &sError))
    {
        if (!part.cAxis.isNull() && part.cAxis != cAxis)
            sError = bLatitude ? QStringLiteral("A latitude lies north (N) or south (S).")
                               : QStringLiteral("A longitude lies east (E) or west (W).");
        else if (bLatitude ? CheckRange(part.dValue, 0.0, &sError) : CheckRange(0.0, part.dValue, &sError))
        {
            Report(true, QString(), pbOk, psError);
            return part.dValue;
        }
    }
    Report(false, sError, pbOk, psError);
    return 0.0;
}

} // namespace

bool Coord::IsValidLatitude(double dLatitude)
{
    return std::isfinite(dLatitude) && dLatitude >= -90.0 && dLatitude <= 90.0;
}

bool Coord::IsValidLongitude(double dLongitude)
{
    return std::isfinite(dLongitude) && dLongitude >= -180.0 && dLongitude <= 180.0;
}

bool Coord::IsValid() const
{
    return IsValidLatitude(m_dLatitude) && IsValidLongitude(m_dLongitude);
}

QString Coord::LatitudeText(double dLatitude, int nFormat)
{
    if (!IsValidLatitude(dLatitude))
        nFormat = FORMAT_DECIMAL;
    return PartText(dLatitude, nFormat, 2, 'N', 'S');
}

QString Coord::LongitudeText(double dLongitude, int nFormat)
{
    if (!IsValidLongitude(dLongitude))
        nFormat = FORMAT_DECIMAL;
    return PartText(dLongitude, nFormat, 3, 'E', 'W');
}

QString Coord::GetText(int nFormat) const
{
    if (!IsValid())
        nFormat = FORMAT_DECIMAL;
    return LatitudeText(m_dLatitude, nFormat) + QLatin1Char(' ') + LongitudeText(m_dLongitude, nFormat);
}

Coord Coord::FromText(const QString& sText, bool* pbOk, QString* psError)
{
    static const QRegularExpression s_re(QStringLiteral(R"(^\s*)") + PartPattern() +
                                         QStringLiteral(R"(\s*[,;/]?\s*)") + PartPattern() +
                                         QStringLiteral(R"(\s*$)"));
    QString sError;
    Part first;
    Part second;
    const QRegularExpressionMatch match =
        sText.size() <= g_nMaxTextLength ? s_re.match(sText) : QRegularExpressionMatch();
    if (sText.trimmed().isEmpty())
        sError = QStringLiteral("No position given.");
    else if (sText.size() > g_nMaxTextLength)
        sError = QStringLiteral("The text is too long for a position.");
    else if (!match.hasMatch())
        sError = QStringLiteral("Not a position: expected latitude and longitude, e.g. ") +
                 Coord(11.575278, 48.137).GetText(FORMAT_DMS) + '.';
    else if (EvaluatePart(match, 1, &first, &sError) &&
             EvaluatePart(match, 1 + g_nPartCaptures, &second, &sError))
    {
        // Letters decide which part is which; without them the latitude comes first.
        bool bSwap = false;
        if (!first.cAxis.isNull() && first.cAxis == second.cAxis)
            sError = first.cAxis == QLatin1Char('N') ? QStringLiteral("Two latitudes given.")
                                                     : QStringLiteral("Two longitudes given.");
        else
            bSwap = first.cAxis == QLatin1Char('E') || second.cAxis == QLatin1Char('N');
        const double dLatitude = bSwap ? second.dValue : first.dValue;
        const double dLongitude = bSwap ? first.dValue : second.dValue;
        if (sError.isEmpty() && CheckRange(dLatitude, dLongitude, &sError))
        {
            Report(true, QString(), pbOk, psError);
            return Coord(dLongitude, dLatitude);
        }
    }
    Report(false, sError, pbOk, psError);
    return Coord();
}

double Coord::LatitudeFromText(const QString& sText, bool* pbOk, QString* psError)
{
    return PartFromText(sText, QLatin1Char('N'), pbOk, psError);
}

double Coord::LongitudeFromText(const QString& sText, bool* pbOk, QString* psError)
{
    return PartFromText(sText, QLatin1Char('E'), pbOk, psError);
}
