#include "kvbase/zorvanstring.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace Zorvan
{

int separateString(const QString& sLine, QString* pFields, int nSlots)
{
    if (!pFields || nSlots < 1)
        return 0;
    const QString sSeparator = pFields[0];
    for (int i = 0; i < nSlots; ++i)
        pFields[i].clear();
    if (sLine.isEmpty())
        return 0;

    int nCount = 0;
    int nPos = 0;
    while (true)
    {
        const int nEnd = sSeparator.isEmpty() ? -1 : sLine.indexOf(sSeparator, nPos);
        if (nEnd < 0 || nCount == nSlots - 1)
        {
            pFields[nCount++] = sLine.mid(nPos); // the last slot keeps whatever is left
            return nCount;
        }
        pFields[nCount++] = sLine.mid(nPos, nEnd - nPos);
        nPos = nEnd + sSeparator.size();
    }
}

namespace
{

bool IsGroupMark(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x2009) || c == QChar(0x202F) ||
           c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Removes the group mark from the integer digits; the groups must be one to three digits
// followed by groups of exactly three.
bool Ungroup(const QString& sDigits, QChar cMark, QString* psOut)
{
    if (cMark.isNull())
    {
        *psOut = sDigits;
        return true;
    }
    const QStringList vecGroups = sDigits.split(cMark);
    for (int i = 0; i < vecGroups.size(); ++i)
    {
        const int nLength = vecGroups.at(i).size();
        if (i == 0 ? (nLength < 1 || nLength > 3) : nLength != 3)
            return false;
    }
    *psOut = vecGroups.join(QString());
    return true;
}

double Fail(bool* pbOk)
{
    if (pbOk)
        *pbOk = false;
    return 0.0;
}

} // namespace

double toDoubleEx(const QString& sText, bool* pbOk)
{
    const QString s = sText.trimmed();
    if (s.isEmpty() || s.size() > 1000)
        return Fail(pbOk);

    int nPos = 0;
    QString sSign;
    if (s.at(0) == QLatin1Char('+') || s.at(0) == QLatin1Char('-'))
    {
        sSign = s.at(0);
        nPos = 1;
    }

    // The mantissa runs up to an exponent marker; collect which marks it uses.
    QString sMantissa;
    int nPoints = 0;
    int nCommas = 0;
    int nLastPoint = -1;
    int nLastComma = -1;
    QChar cGroup;
    for (; nPos < s.size(); ++nPos)
    {
        const QChar c = s.at(nPos);
        if (c == QLatin1Char('e') || c == QLatin1Char('E'))
            break;
        if (c == QLatin1Char('.'))
        {
            ++nPoints;
            nLastPoint = sMantissa.size();
        }
        else if (c == QLatin1Char(','))
        {
            ++nCommas;
            nLastComma = sMantissa.size();
        }
        else if (IsGroupMark(c))
        {
            if (!cGroup.isNull() && cGroup != c)
                return Fail(pbOk); // two different group marks
            cGroup = c;
        }
        else if (!IsAsciiDigit(c))
            return Fail(pbOk);
        sMantissa += c;
    }

    QString sExponent;
    if (nPos < s.size())
    {
        sExponent = s.mid(nPos + 1);
        static const QRegularExpression s_reExponent(QStringLiteral("^[+-]?[0-9]{1,6}$"));
        if (!s_reExponent.match(sExponent).hasMatch())
            return Fail(pbOk);
    }

    // Decide which mark is the decimal one and which one groups.
    int nDecimal = -1;
    if (nPoints > 0 && nCommas > 0)
    {
        const bool bPointDecimal = nLastPoint > nLastComma;
        if ((bPointDecimal ? nPoints : nCommas) != 1 || !cGroup.isNull())
            return Fail(pbOk);
        nDecimal = bPointDecimal ? nLastPoint : nLastComma;
        cGroup = bPointDecimal ? QLatin1Char(',') : QLatin1Char('.');
    }
    else if (nPoints + nCommas == 1)
        nDecimal = nPoints ? nLastPoint : nLastComma;
    else if (nPoints + nCommas > 1)
    {
        if (!cGroup.isNull())
            return Fail(pbOk);
        cGroup = nPoints ? QLatin1Char('.') : QLatin1Char(',');
    }

    const QString sInteger = nDecimal < 0 ? sMantissa : sMantissa.left(nDecimal);
    const QString sFraction = nDecimal < 0 ? QString() : sMantissa.mid(nDecimal + 1);
    for (QChar c : sFraction)
        if (!IsAsciiDigit(c))
            return Fail(pbOk);
    QString sDigits;
    if (sInteger.isEmpty())
    {
        if (sFraction.isEmpty())
            return Fail(pbOk);
    }
    else if (!Ungroup(sInteger, cGroup, &sDigits))
        return Fail(pbOk);

    QString sCanonical = sSign + (sDigits.isEmpty() ? QStringLiteral("0") : sDigits);
    if (!sFraction.isEmpty())
        sCanonical += QLatin1Char('.') + sFraction;
    if (!sExponent.isEmpty())
        sCanonical += QLatin1Char('e') + sExponent;

    bool bOk = false;
    const double dValue = QLocale::c().toDouble(sCanonical, &bOk);
    if (!std::isfinite(dValue))
        return Fail(pbOk);
    if (!bOk)
    {
        // Only an underflow is acceptable here: the number is too small for a double.
        if (dValue != 0.0)
            return Fail(pbOk);
    }
    if (pbOk)
        *pbOk = true;
    return dValue;
}

} // namespace Zorvan
