#include "wendrisk/vclineedit.h"

#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "wendrisk/vcnumbertext.h"

#include <QKeyEvent>

VCLineEdit::VCLineEdit(QWidget* pParent, const char* pszName, int nType)
    : QLineEdit(pParent), VCBinding(this), m_nType(nType == TYPE_FREQUENCY ? TYPE_FREQUENCY : TYPE_TEXT)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
}

VCLineEdit::~VCLineEdit() = default;

void VCLineEdit::SetValueBase(values::ValueBase* pValue)
{
    Bind(pValue);
}

bool VCLineEdit::SetValue_ValuePath(const QString& sPath)
{
    return BindPath(sPath);
}

bool VCLineEdit::Commit()
{
    values::ValueBase* pValue = GetBoundValue();
    if (!pValue)
    {
        ShowHint(tr("No value is bound to this field."));
        return false;
    }
    const QString sText = text();
    if (sText == m_sShown)
    {
        ClearHint();
        return true;
    }
    if (!pValue->IsNumeric())
        return WriteText(sText);

    const values::ValueDescriptor* pDescriptor = pValue->GetValueDescriptor();
    // A plain frequency is hertz; elsewhere a plain number is in the unit as shown.
    const double dPlainFactor = m_nType == TYPE_FREQUENCY ? 1.0 : VCNumberText::Scale(pDescriptor);
    double dNumber = 0.0;
    QString sError;
    if (!VCNumberText::Parse(sText, pDescriptor, dPlainFactor, &dNumber, &sError))
    {
        ShowHint(sError);
        return false;
    }
    if (!CheckNumber(dNumber))
        return false;
    return WriteNumber(dNumber);
}

void VCLineEdit::ShowValue()
{
    m_sShown = TextOfValue();
    setText(m_sShown);
    ClearHint();
}

void VCLineEdit::keyPressEvent(QKeyEvent* pEvent)
{
    if (!isReadOnly() && (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter))
    {
        // A refused text keeps the key, so a dialog does not close over it.
        if (!Commit())
        {
            pEvent->accept();
            return;
        }
    }
    else if (pEvent->key() == Qt::Key_Escape && IsBound() && (HasError() || text() != m_sShown))
    {
        ShowValue();
        pEvent->accept();
        return;
    }
    QLineEdit::keyPressEvent(pEvent);
}

void VCLineEdit::focusOutEvent(QFocusEvent* pEvent)
{
    if (!isReadOnly() && IsBound() && text() != m_sShown)
        Commit();
    QLineEdit::focusOutEvent(pEvent);
}

QString VCLineEdit::TextOfValue() const
{
    values::ValueBase* pValue = GetBoundValue();
    if (!pValue)
        return QString();
    if (pValue->IsNumeric())
        return VCNumberText::Format(pValue->GetNumber(), pValue->GetValueDescriptor());
    return pValue->GetAsString();
}
