#include "oskevo/valuenumeric.h"
#include "oskevo/changerecorder.h"

#include "oskevo/valuedescriptor.h"

#include <QLocale>
#include <climits>
#include <cmath>
#include <cstring>

namespace values
{

namespace
{

bool IsNumberKind(const ValueDescriptor* pDescriptor)
{
    return pDescriptor && (pDescriptor->GetKind() == ValueDescriptor::KIND_INT ||
                           pDescriptor->GetKind() == ValueDescriptor::KIND_DOUBLE);
}

template <class T> T DefaultOf(const ValueDescriptor* pDescriptor)
{
    if (!IsNumberKind(pDescriptor))
        return T(0);
    bool bOk = false;
    const double d = pDescriptor->Default().toDouble(&bOk);
    if (!bOk || !std::isfinite(d))
        return T(0);
    return T(d);
}

// The shortest text that reads back to the same bits; plain notation where that stays
// readable, so that 100 MHz reads "100000000" rather than "1e+08".
QString DoubleText(double d)
{
    if (d == 0.0)
        return std::signbit(d) ? QStringLiteral("-0") : QStringLiteral("0"); // Qt drops the sign of -0
    QString sText = QString::number(d, 'g', QLocale::FloatingPointShortest);
    const double dAbs = std::fabs(d);
    if (sText.contains(QLatin1Char('e')) && dAbs >= 1e-5 && dAbs < 1e17)
        sText = QString::number(d, 'f', QLocale::FloatingPointShortest);
    bool bOk = false;
    const double dBack = sText.toDouble(&bOk);
    if (!bOk || std::memcmp(&dBack, &d, sizeof d) != 0)
        sText = QString::number(d, 'g', 17);
    return sText;
}

QString NumberText(double d)
{
    return DoubleText(d);
}

QString TextOf(int n)
{
    return QString::number(n);
}

QString TextOf(double d)
{
    return DoubleText(d);
}

bool ParseText(const QString& sText, int& nValue, QString& sError)
{
    const QString s = sText.trimmed();
    bool bOk = false;
    nValue = s.toInt(&bOk, 10);
    if (bOk)
        return true;
    if (s.isEmpty())
        sError = QStringLiteral("A whole number is needed.");
    else if (s.toLongLong(&bOk, 10), bOk)
        sError = QStringLiteral("%1 is too large for a whole number.").arg(s);
    else if (s.toDouble(&bOk), bOk)
        sError = QStringLiteral("%1 is not a whole number.").arg(s);
    else
        sError = QStringLiteral("\"%1\" is not a number.").arg(sText);
    return false;
}

bool ParseText(const QString& sText, double& dValue, QString& sError)
{
    const QString s = sText.trimmed();
    bool bOk = false;
    dValue = s.toDouble(&bOk);
    if (bOk)
        return true;
    sError = s.isEmpty() ? QStringLiteral("A number is needed.")
                         : QStringLiteral("\"%1\" is not a number.").arg(sText);
    return false;
}

bool FromNumber(double dNumber, int& nValue, QString& sError)
{
    if (!std::isfinite(dNumber))
        sError = QStringLiteral("Infinite or undefined numbers are not allowed.");
    else if (dNumber != std::floor(dNumber))
        sError = QStringLiteral("%1 is not a whole number.").arg(DoubleText(dNumber));
    else if (dNumber < double(INT_MIN) || dNumber > double(INT_MAX))
        sError = QStringLiteral("%1 is too large for a whole number.").arg(DoubleText(dNumber));
    else
    {
        nValue = int(dNumber);
        return true;
    }
    return false;
}

bool FromNumber(double dNumber, double& dValue, QString& /*sError*/)
{
    dValue = dNumber; // checked by SetValue
    return true;
}

bool SameNumber(int a, int b)
{
    return a == b;
}

// Bit for bit, so that 0 and -0 count as different.
bool SameNumber(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

template <class T>
ValueNumeric<T>::ValueNumeric(const QString& sName, const ValueDescriptor* pDescriptor)
    : ValueBase(sName, pDescriptor), m_value(DefaultOf<T>(pDescriptor))
{
}

template <class T>
ValueNumeric<T>::ValueNumeric(const QString& sName, const ValueDescriptor* pDescriptor, T value)
    : ValueBase(sName, pDescriptor), m_value(value)
{
}

template <class T> ValueNumeric<T>::~ValueNumeric()
{
    BeginDestruction();
}

template <class T> bool ValueNumeric<T>::SetValue(T value, IObserver* pOriginator)
{
    const double d = double(value);
    if (!std::isfinite(d))
    {
        SetLastError(QStringLiteral("Infinite or undefined numbers are not allowed."));
        return false;
    }
    if (const ValueDescriptor* pDescriptor = GetValueDescriptor())
    {
        if (d < pDescriptor->Minimum())
        {
            SetLastError(QStringLiteral("%1 is below the minimum %2.")
                             .arg(NumberText(d), NumberText(pDescriptor->Minimum())));
            return false;
        }
        if (d > pDescriptor->Maximum())
        {
            SetLastError(QStringLiteral("%1 is above the maximum %2.")
                             .arg(NumberText(d), NumberText(pDescriptor->Maximum())));
            return false;
        }
    }
    SetLastError(QString());
    if (SameNumber(value, m_value))
        return true;
    if (ChangeRecorder::IsActive())
        ChangeRecorder::ValueChanging(this);
    m_value = value;
    NotifyObservers(CC_VALUE, pOriginator);
    return true;
}

template <class T> QString ValueNumeric<T>::GetAsString() const
{
    return TextOf(m_value);
}

template <class T> bool ValueNumeric<T>::SetAsString(const QString& sText, IObserver* pOriginator)
{
    T value;
    QString sError;
    if (!ParseText(sText, value, sError))
    {
        SetLastError(sError);
        return false;
    }
    return SetValue(value, pOriginator);
}

template <class T> bool ValueNumeric<T>::SetNumber(double dNumber, IObserver* pOriginator)
{
    T value;
    QString sError;
    if (!FromNumber(dNumber, value, sError))
    {
        SetLastError(sError);
        return false;
    }
    return SetValue(value, pOriginator);
}

template <class T> void ValueNumeric<T>::Reset(IObserver* pOriginator)
{
    // The default is taken even where a descriptor's range would not admit it.
    const T value = DefaultOf<T>(GetValueDescriptor());
    SetLastError(QString());
    if (SameNumber(value, m_value))
        return;
    if (ChangeRecorder::IsActive())
        ChangeRecorder::ValueChanging(this);
    m_value = value;
    NotifyObservers(CC_VALUE, pOriginator);
}

template <class T> TreeItem* ValueNumeric<T>::Clone() const
{
    return new ValueNumeric<T>(GetName(), GetValueDescriptor(), m_value);
}

template class ValueNumeric<int>;
template class ValueNumeric<double>;

} // namespace values
