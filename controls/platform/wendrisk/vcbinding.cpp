#include "wendrisk/vcbinding.h"

#include "oskevo/changecodes.h"
#include "oskevo/tree.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"

#include <QCoreApplication>
#include <QWidget>
#include <cmath>

namespace
{
QString Tr(const char* pszText)
{
    return QCoreApplication::translate("VCBinding", pszText);
}
} // namespace

VCBinding::VCBinding(QWidget* pWidget) : m_pWidget(pWidget), m_hint(pWidget)
{
}

VCBinding::~VCBinding()
{
    if (m_pValue)
        m_pValue->DeleteObserver(this);
}

void VCBinding::Update(Observable* pObservable, TChangeCode code)
{
    if (!m_pValue || pObservable != static_cast<Observable*>(m_pValue))
        return;
    if (code == values::CC_STATE)
    {
        if (m_pValue->GetState() == values::VS_DELETE)
        {
            Release();
            ValueReleased();
        }
        return;
    }
    ShowValue();
}

void VCBinding::Bind(values::ValueBase* pValue)
{
    if (pValue != m_pValue)
    {
        Release();
        m_pValue = pValue;
        if (m_pValue)
            m_pValue->AddObserver(this);
    }
    m_hint.Clear();
    if (m_pValue)
    {
        m_pWidget->setEnabled(true);
        ShowValue();
    }
    else
    {
        ValueReleased();
    }
}

bool VCBinding::BindPath(const QString& sPath)
{
    values::ValueBase* pValue = values::Tree::Instance()->GetValue(sPath);
    Bind(pValue);
    if (!pValue)
        m_hint.Show(Tr("There is no value at %1.").arg(sPath));
    return pValue != nullptr;
}

void VCBinding::ValueReleased()
{
    m_pWidget->setEnabled(false);
}

bool VCBinding::WriteText(const QString& sText)
{
    if (!m_pValue)
    {
        m_hint.Show(Tr("No value is bound to this field."));
        return false;
    }
    if (!m_pValue->SetAsString(sText, this))
    {
        const QString sReason = m_pValue->GetLastError();
        m_hint.Show(sReason.isEmpty() ? Tr("\"%1\" was not taken.").arg(sText) : sReason);
        return false;
    }
    m_hint.Clear();
    ShowValue(); // we are not called back for our own change
    return true;
}

bool VCBinding::WriteNumber(double dNumber)
{
    if (!m_pValue)
    {
        m_hint.Show(Tr("No value is bound to this field."));
        return false;
    }
    if (!m_pValue->SetNumber(dNumber, this))
    {
        const QString sReason = m_pValue->GetLastError();
        m_hint.Show(sReason.isEmpty() ? Tr("%1 was not taken.").arg(dNumber) : sReason);
        return false;
    }
    m_hint.Clear();
    ShowValue();
    return true;
}

bool VCBinding::CheckNumber(double dNumber)
{
    const values::ValueDescriptor* pDescriptor = m_pValue ? m_pValue->GetValueDescriptor() : nullptr;
    if (!std::isfinite(dNumber))
    {
        m_hint.Show(Tr("The number is too large."));
        return false;
    }
    if (!pDescriptor)
        return true;
    if (dNumber < pDescriptor->Minimum() || dNumber > pDescriptor->Maximum())
    {
        m_hint.Show(Tr("%1 is out of range: allowed are %2 to %3.")
                        .arg(QString::number(dNumber, 'g', 12),
                             QString::number(pDescriptor->Minimum(), 'g', 12),
                             QString::number(pDescriptor->Maximum(), 'g', 12)));
        return false;
    }
    if (pDescriptor->GetKind() == values::ValueDescriptor::KIND_INT && dNumber != std::floor(dNumber))
    {
        m_hint.Show(Tr("%1 is not a whole number.").arg(QString::number(dNumber, 'g', 12)));
        return false;
    }
    return true;
}

void VCBinding::Release()
{
    if (m_pValue)
        m_pValue->DeleteObserver(this);
    m_pValue = nullptr;
}

bool VCBinding::TakeEditKey(int nKey, bool bReadOnly, const QString& sText, const QString& sShown)
{
    if (!bReadOnly && (nKey == Qt::Key_Return || nKey == Qt::Key_Enter) && !Commit())
        return true;
    if (nKey == Qt::Key_Escape && IsBound() && (HasError() || sText != sShown))
    {
        ShowValue();
        return true;
    }
    return false;
}

void VCBinding::CommitOnLeave(bool bReadOnly, const QString& sText, const QString& sShown)
{
    if (bReadOnly || !IsBound() || sText == sShown || Commit())
        return;
    const QString sHint = GetHint();
    ShowValue();
    ShowHint(sHint);
}

void VCBinding::BindNumeric(values::ValueBase* pValue)
{
    if (pValue && !pValue->IsNumeric())
    {
        Bind(nullptr);
        ShowHint(Tr("%1 is not a number value.").arg(pValue->GetName()));
        return;
    }
    Bind(pValue);
}

bool VCBinding::BindNumericPath(const QString& sPath)
{
    if (!BindPath(sPath))
        return false;
    if (!GetBoundValue()->IsNumeric())
    {
        BindNumeric(GetBoundValue());
        return false;
    }
    return true;
}
