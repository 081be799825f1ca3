#include "oskevo/value.h"
#include "oskevo/changerecorder.h"

#include "oskevo/valuedescriptor.h"

namespace values
{

namespace
{

template <class T> T DefaultOf(const ValueDescriptor* pDescriptor);

template <> QString DefaultOf<QString>(const ValueDescriptor* pDescriptor)
{
    if (pDescriptor && pDescriptor->GetKind() == ValueDescriptor::KIND_STRING)
        return pDescriptor->Default().toString();
    return QString();
}

template <> bool DefaultOf<bool>(const ValueDescriptor* pDescriptor)
{
    if (pDescriptor && pDescriptor->GetKind() == ValueDescriptor::KIND_BOOL)
        return pDescriptor->Default().toBool();
    return false;
}

QString ToText(const QString& value)
{
    return value;
}

QString ToText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

bool FromText(const QString& sText, QString& value, QString& /*sError*/)
{
    value = sText;
    return true;
}

bool FromText(const QString& sText, bool& value, QString& sError)
{
    const QString s = sText.trimmed().toLower();
    if (s == QLatin1String("true") || s == QLatin1String("1") || s == QLatin1String("yes") ||
        s == QLatin1String("on"))
    {
        value = true;
        return true;
    }
    if (s == QLatin1String("false") || s == QLatin1String("0") || s == QLatin1String("no") ||
        s == QLatin1String("off"))
    {
        value = false;
        return true;
    }
    sError = QStringLiteral("\"%1\" is no truth value (true or false).").arg(sText);
    return false;
}

} // namespace

template <class T>
Value<T>::Value(const QString& sName, const ValueDescriptor* pDescriptor)
    : ValueBase(sName, pDescriptor), m_value(DefaultOf<T>(pDescriptor))
{
}

template <class T>
Value<T>::Value(const QString& sName, const ValueDescriptor* pDescriptor, const T& value)
    : ValueBase(sName, pDescriptor), m_value(value)
{
}

template <class T> Value<T>::~Value()
{
    BeginDestruction();
}

template <class T> bool Value<T>::SetValue(const T& value, IObserver* pOriginator)
{
    SetLastError(QString());
    if (value == m_value)
        return true;
    if (ChangeRecorder::IsActive())
        ChangeRecorder::ValueChanging(this);
    m_value = value;
    NotifyObservers(CC_VALUE, pOriginator);
    return true;
}

template <class T> QString Value<T>::GetAsString() const
{
    return ToText(m_value);
}

template <class T> bool Value<T>::SetAsString(const QString& sText, IObserver* pOriginator)
{
    T value;
    QString sError;
    if (!FromText(sText, value, sError))
    {
        SetLastError(sError);
        return false;
    }
    return SetValue(value, pOriginator);
}

template <class T> void Value<T>::Reset(IObserver* pOriginator)
{
    SetValue(DefaultOf<T>(GetValueDescriptor()), pOriginator);
}

template <class T> TreeItem* Value<T>::Clone() const
{
    return new Value<T>(GetName(), GetValueDescriptor(), m_value);
}

template class Value<QString>;
template class Value<bool>;

} // namespace values
