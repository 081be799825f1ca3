#include "wendrisk/vcnumbertext.h"

#include "oskevo/changecodes.h"
#include "oskevo/valuedescriptor.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace
{
QString Tr(const char* pszText)
{
    return QCoreApplication::translate("VCNumberText", pszText);
}

// The power of 1000 of a prefix, or false when the text is no prefix.
bool PrefixPower(const QString& sPrefix, bool bHertz, int* pPower)
{
    static const struct
    {
        const char* pszPrefix;
        int nPower;
    } s_prefixes[] = {{"u", -2}, {"\xC2\xB5", -2}, {"m", -1}, {"k", 1}, {"K", 1},
                      {"M", 2},  {"G", 3},         {"g", 3},  {"T", 4}};
    for (const auto& prefix : s_prefixes)
    {
        if (sPrefix == QString::fromUtf8(prefix.pszPrefix))
        {
            *pPower = prefix.nPower;
            // Nobody tunes a receiver in millihertz: "100 mhz" means megahertz, and micro has
            // no reading at all.
            if (bHertz && *pPower == -1)
                *pPower = 2;
            return *pPower >= 0 || !bHertz;
        }
    }
    return false;
}
} // namespace

double VCNumberText::Scale(const values::ValueDescriptor* pDescriptor)
{
    return pDescriptor ? std::pow(1000.0, pDescriptor->Basis()) : 1.0;
}

QString VCNumberText::Suffix(const values::ValueDescriptor* pDescriptor)
{
    if (!pDescriptor || pDescriptor->Unit().isEmpty())
        return QString();
    return QStringLiteral(" ") + values::ValueDescriptor::Basis(pDescriptor->Basis()) + pDescriptor->Unit();
}

QString VCNumberText::Format(double dNumber, const values::ValueDescriptor* pDescriptor)
{
    const double dShown = dNumber / Scale(pDescriptor);
    // Fixed notation reads best ("1000000", not "1e+06"); only extreme numbers get an exponent.
    const double dAbs = std::fabs(dShown);
    const char cFormat = (dAbs == 0.0 || (dAbs >= 1e-6 && dAbs < 1e15)) ? 'f' : 'g';
    return QString::number(dShown, cFormat, QLocale::FloatingPointShortest) + Suffix(pDescriptor);
}

bool VCNumberText::Parse(const QString& sText, const values::ValueDescriptor* pDescriptor,
                         double dPlainFactor, double* pNumber, QString* pError)
{
    auto fail = [pError](const QString& sReason)
    {
        if (pError)
            *pError = sReason;
        return false;
    };
    const QString sTrimmed = sText.trimmed();
    if (sTrimmed.isEmpty())
        return fail(Tr("Enter a number."));

    static const QRegularExpression s_reNumber(
        QStringLiteral("^([+-]?(?:\\d+(?:[.,]\\d*)?|[.,]\\d+)(?:[eE][+-]?\\d+)?)\\s*(.*)$"));
    const QRegularExpressionMatch match = s_reNumber.match(sTrimmed);
    if (!match.hasMatch())
        return fail(Tr("\"%1\" is not a number.").arg(sTrimmed));

    QString sNumber = match.captured(1);
    sNumber.replace(QLatin1Char(','), QLatin1Char('.'));
    bool bOk = false;
    const double dNumber = sNumber.toDouble(&bOk);
    if (!bOk || !std::isfinite(dNumber))
        return fail(Tr("\"%1\" is too large a number.").arg(sTrimmed));

    const QString sUnit = pDescriptor ? pDescriptor->Unit() : QString();
    const bool bHertz = sUnit == values::g_sHz;
    const QString sSuffix = match.captured(2).trimmed();
    double dFactor = dPlainFactor;
    if (!sSuffix.isEmpty())
    {
        int nPower = 0;
        if (!sUnit.isEmpty() && sSuffix.compare(sUnit, Qt::CaseInsensitive) == 0)
        {
            dFactor = 1.0;
        }
        else if (!sUnit.isEmpty() && sSuffix.endsWith(sUnit, Qt::CaseInsensitive) &&
                 PrefixPower(sSuffix.left(sSuffix.size() - sUnit.size()).trimmed(), bHertz, &nPower))
        {
            dFactor = std::pow(1000.0, nPower);
        }
        else if (PrefixPower(sSuffix, bHertz, &nPower))
        {
            dFactor = std::pow(1000.0, nPower);
        }
        else
        {
            return fail(sUnit.isEmpty() ? Tr("\"%1\" is not a number.").arg(sTrimmed)
                                        : Tr("\"%1\" is not a number of %2.").arg(sTrimmed, sUnit));
        }
    }
    const double dResult = dNumber * dFactor;
    if (!std::isfinite(dResult))
        return fail(Tr("\"%1\" is too large a number.").arg(sTrimmed));
    *pNumber = dResult;
    return true;
}
