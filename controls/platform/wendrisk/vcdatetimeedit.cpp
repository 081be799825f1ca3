#include "wendrisk/vcdatetimeedit.h"

#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"

#include <QKeyEvent>
#include <climits>

const char* const VCDateTimeEdit::s_pszFormat = "yyyy-MM-ddTHH:mm:ss";

namespace
{
bool IsIntValue(const values::ValueBase* pValue)
{
    return dynamic_cast<const values::ValueInt*>(pValue) != nullptr;
}
} // namespace

VCDateTimeEdit::VCDateTimeEdit(QWidget* pParent, const char* pszName)
    : QDateTimeEdit(pParent), VCBinding(this)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
    setTimeSpec(Qt::UTC);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    setKeyboardTracking(false);
}

VCDateTimeEdit::~VCDateTimeEdit() = default;

QDateTime VCDateTimeEdit::FromValue(const values::ValueBase* pValue)
{
    if (const auto* pInt = dynamic_cast<const values::ValueInt*>(pValue))
        return QDateTime::fromSecsSinceEpoch(pInt->GetValue(), Qt::UTC);
    if (const auto* pString = dynamic_cast<const values::ValueString*>(pValue))
    {
        QDateTime dateTime = QDateTime::fromString(pString->GetValue().trimmed(), Qt::ISODate);
        if (dateTime.isValid() && dateTime.timeSpec() == Qt::LocalTime)
            dateTime.setTimeSpec(Qt::UTC); // a text without zone is UTC
        return dateTime.toUTC();
    }
    return QDateTime();
}

void VCDateTimeEdit::SetValueDateTime(values::ValueBase* pValue)
{
    if (pValue && !IsIntValue(pValue) && !dynamic_cast<values::ValueString*>(pValue))
    {
        Bind(nullptr);
        ShowHint(tr("%1 holds no date and time.").arg(pValue->GetName()));
        return;
    }
    Bind(pValue);
}

bool VCDateTimeEdit::SetValueDateTime_ValuePath(const QString& sPath)
{
    if (!BindPath(sPath))
        return false;
    SetValueDateTime(GetBoundValue());
    return IsBound();
}

void VCDateTimeEdit::ShowValue()
{
    const values::ValueBase* pValue = GetBoundValue();
    if (IsIntValue(pValue))
    {
        // Seconds held in an int reach from 1901 to 2038.
        const values::ValueDescriptor* pDescriptor = pValue->GetValueDescriptor();
        qint64 nMin = INT_MIN;
        qint64 nMax = INT_MAX;
        if (pDescriptor)
        {
            nMin = qMax<qint64>(nMin, qint64(qMax(pDescriptor->Minimum(), double(INT_MIN))));
            nMax = qMin<qint64>(nMax, qint64(qMin(pDescriptor->Maximum(), double(INT_MAX))));
        }
        setDateTimeRange(QDateTime::fromSecsSinceEpoch(nMin, Qt::UTC),
                         QDateTime::fromSecsSinceEpoch(nMax, Qt::UTC));
    }
    const QDateTime dateTime = FromValue(pValue);
    m_bShowing = true;
    setDateTime(dateTime.isValid() ? dateTime : QDateTime::fromSecsSinceEpoch(0, Qt::UTC));
    m_bShowing = false;
    ClearHint();
    if (!dateTime.isValid() && !pValue->GetAsString().trimmed().isEmpty())
        ShowHint(tr("\"%1\" is no date and time; it stays until you change it.").arg(pValue->GetAsString()));
}

bool VCDateTimeEdit::Commit()
{
    values::ValueBase* pValue = GetBoundValue();
    if (!pValue)
    {
        ShowHint(tr("No value is bound to this field."));
        return false;
    }
    const QDateTime dateTime = this->dateTime().toUTC();
    const QDateTime stored = FromValue(pValue);
    if (stored.isValid() && stored == dateTime)
        return true;
    if (!stored.isValid() && dateTime == QDateTime::fromSecsSinceEpoch(0, Qt::UTC) && HasError())
        return true; // an unreadable text is kept until the operator really edits
    if (IsIntValue(pValue))
    {
        const qint64 nSeconds = dateTime.toSecsSinceEpoch();
        return CheckNumber(double(nSeconds)) && WriteNumber(double(nSeconds));
    }
    return WriteText(dateTime.toString(QString::fromLatin1(s_pszFormat)));
}

void VCDateTimeEdit::keyPressEvent(QKeyEvent* pEvent)
{
    const int nKey = pEvent->key();
    if (!isReadOnly() && (nKey == Qt::Key_Return || nKey == Qt::Key_Enter))
    {
        QDateTimeEdit::keyPressEvent(pEvent); // lets the edit take what was typed
        Commit();
        return;
    }
    QDateTimeEdit::keyPressEvent(pEvent);
}

void VCDateTimeEdit::focusOutEvent(QFocusEvent* pEvent)
{
    QDateTimeEdit::focusOutEvent(pEvent);
    if (!isReadOnly() && IsBound())
        Commit();
}

void VCDateTimeEdit::stepBy(int nSteps)
{
    QDateTimeEdit::stepBy(nSteps);
    if (!m_bShowing && !isReadOnly() && IsBound())
        Commit();
}
