#include "wendrisk/vccoordedit.h"

#include "oskevo/changecodes.h"
#include "oskevo/tree.h"
#include "oskevo/valuebase.h"

VCCoordEdit::VCCoordEdit(QWidget* pParent, const char* pszName, double dLatitude, double dLongitude)
    : basecontrols::CoordEdit(pParent, pszName, dLatitude, dLongitude)
{
    setReadOnly(true); // until both values are bound
}

VCCoordEdit::~VCCoordEdit()
{
    if (m_pLatitude)
        m_pLatitude->DeleteObserver(this);
    if (m_pLongitude && m_pLongitude != m_pLatitude)
        m_pLongitude->DeleteObserver(this);
}

bool VCCoordEdit::SetLatitude_ValuePath(const QString& sPath)
{
    values::ValueBase* pValue = values::Tree::Instance()->GetValue(sPath);
    SetLatitudeValue(pValue);
    if (!pValue)
        ShowHint(tr("There is no latitude at %1.").arg(sPath));
    return pValue != nullptr;
}

bool VCCoordEdit::SetLongitude_ValuePath(const QString& sPath)
{
    values::ValueBase* pValue = values::Tree::Instance()->GetValue(sPath);
    SetLongitudeValue(pValue);
    if (!pValue)
        ShowHint(tr("There is no longitude at %1.").arg(sPath));
    return pValue != nullptr;
}

void VCCoordEdit::SetLatitudeValue(values::ValueBase* pValue)
{
    BindHalf(m_pLatitude, pValue);
}

void VCCoordEdit::SetLongitudeValue(values::ValueBase* pValue)
{
    BindHalf(m_pLongitude, pValue);
}

void VCCoordEdit::BindHalf(values::ValueBase*& rpField, values::ValueBase* pValue)
{
    if (pValue && !pValue->IsNumeric())
    {
        ShowHint(tr("%1 is not a number value.").arg(pValue->GetName()));
        pValue = nullptr;
    }
    if (rpField != pValue)
    {
        values::ValueBase* pOld = rpField;
        rpField = pValue;
        // One value could stand for both halves; it stays observed while either holds it.
        if (pOld && pOld != m_pLatitude && pOld != m_pLongitude)
            pOld->DeleteObserver(this);
        if (pValue && !pValue->HasObserver(this))
            pValue->AddObserver(this);
    }
    ShowValues();
}

void VCCoordEdit::ShowValues()
{
    setReadOnly(!m_pLatitude || !m_pLongitude);
    const double dLatitude = m_pLatitude ? m_pLatitude->GetNumber() : GetLatitude();
    const double dLongitude = m_pLongitude ? m_pLongitude->GetNumber() : GetLongitude();
    if (!SetCoord(dLatitude, dLongitude))
    {
        ShowHint(tr("The stored position %1, %2 is out of range; it stays until you change it.")
                     .arg(dLatitude)
                     .arg(dLongitude));
    }
}

void VCCoordEdit::Update(Observable* pObservable, TChangeCode code)
{
    values::ValueBase* pValue = nullptr;
    if (pObservable == static_cast<Observable*>(m_pLatitude))
        pValue = m_pLatitude;
    else if (pObservable == static_cast<Observable*>(m_pLongitude))
        pValue = m_pLongitude;
    if (!pValue)
        return;
    if (code == values::CC_STATE)
    {
        if (pValue->GetState() == values::VS_DELETE)
        {
            pValue->DeleteObserver(this);
            if (m_pLatitude == pValue)
                m_pLatitude = nullptr;
            if (m_pLongitude == pValue)
                m_pLongitude = nullptr;
            setReadOnly(true);
        }
        return;
    }
    ShowValues();
}

bool VCCoordEdit::CoordEdited(double dLatitude, double dLongitude)
{
    if (!m_pLatitude || !m_pLongitude)
    {
        ShowHint(tr("No position values are bound to this field."));
        return false;
    }
    // Only the half that was edited is written, so the other keeps its exact number.
    values::ValueBase* pTargets[2] = {m_pLatitude, m_pLongitude};
    const double dNumbers[2] = {dLatitude, dLongitude};
    for (int i = 0; i < 2; ++i)
    {
        if (pTargets[i]->GetNumber() == dNumbers[i])
            continue;
        if (!pTargets[i]->SetNumber(dNumbers[i], this))
        {
            const QString sReason = pTargets[i]->GetLastError();
            ShowHint(sReason.isEmpty() ? tr("%1 was not taken.").arg(dNumbers[i]) : sReason);
            return false;
        }
    }
    return true;
}
