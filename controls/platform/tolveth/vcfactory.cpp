#include "tolveth/vcfactory.h"

#include "oskevo/changecodes.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "tolveth/tooltip.h"
#include "wendrisk/vccombobool.h"
#include "wendrisk/vccombosel.h"
#include "wendrisk/vcdatetimeedit.h"
#include "wendrisk/vclineedit.h"
#include "wendrisk/vcnumericfloatspin.h"
#include "wendrisk/vcspinint.h"

#include <QDateTime>

const char* const VCFactory::s_pszUnitDateTime = "DateTime";

bool VCFactory::IsDateTime(const values::ValueBase* pValue)
{
    const values::ValueDescriptor* pDescriptor = pValue ? pValue->GetValueDescriptor() : nullptr;
    if (!pDescriptor)
        return false;
    const bool bText = dynamic_cast<const values::ValueString*>(pValue) != nullptr;
    if (!bText && !dynamic_cast<const values::ValueInt*>(pValue))
        return false;
    if (pDescriptor->Unit().compare(QLatin1String(s_pszUnitDateTime), Qt::CaseInsensitive) == 0)
        return true;
    // Text descriptors carry no unit: their default tells.
    return bText && QDateTime::fromString(pDescriptor->Default().toString(),
                                          QLatin1String(VCDateTimeEdit::s_pszFormat))
                        .isValid();
}

QWidget* VCFactory::Create(values::ValueBase* pValue, QWidget* pParent)
{
    if (!pValue)
        return nullptr;

    QWidget* pEditor = nullptr;
    if (dynamic_cast<values::ValueBool*>(pValue))
    {
        VCComboBool* pCombo = new VCComboBool(pParent);
        pCombo->SetValueBool(pValue);
        pEditor = pCombo;
    }
    else if (dynamic_cast<values::ValueSelection*>(pValue))
    {
        VCComboSel* pCombo = new VCComboSel(pParent);
        pCombo->SetValueSel(pValue);
        pEditor = pCombo;
    }
    else if (IsDateTime(pValue))
    {
        VCDateTimeEdit* pEdit = new VCDateTimeEdit(pParent);
        pEdit->SetValueDateTime(pValue);
        pEditor = pEdit;
    }
    else if (dynamic_cast<values::ValueInt*>(pValue))
    {
        VCSpinInt* pSpin = new VCSpinInt(pParent);
        pSpin->SetValueInt(pValue);
        pEditor = pSpin;
    }
    else if (dynamic_cast<values::ValueDouble*>(pValue) &&
             !(pValue->GetValueDescriptor() && pValue->GetValueDescriptor()->Unit() == values::g_sHz))
    {
        VCNumericFloatSpin* pSpin = new VCNumericFloatSpin(pParent, nullptr, true);
        pSpin->SetNumericValue(pValue);
        pEditor = pSpin;
    }
    else
    {
        // Hertz values are typed as frequencies; everything else through its text form, which
        // every value kind reads back.
        const bool bFrequency = dynamic_cast<values::ValueDouble*>(pValue) != nullptr;
        VCLineEdit* pEdit =
            new VCLineEdit(pParent, nullptr, bFrequency ? VCLineEdit::TYPE_FREQUENCY : VCLineEdit::TYPE_TEXT);
        pEdit->SetValueBase(pValue);
        pEditor = pEdit;
    }

    pEditor->setObjectName(pValue->GetName());
    pEditor->setToolTip(Tooltip::Retrieve(pValue->GetValueDescriptor()));
    return pEditor;
}
