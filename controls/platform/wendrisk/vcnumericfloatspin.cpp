#include "wendrisk/vcnumericfloatspin.h"

#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "wendrisk/vcnumbertext.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

namespace
{
const int s_nMaxDecimals = 15;
}

VCNumericFloatSpin::VCNumericFloatSpin(QWidget* pParent, const char* pszName, bool bShowUnit)
    : VCSpinBinding<QDoubleSpinBox>(pParent), m_bShowUnit(bShowUnit)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
}

VCNumericFloatSpin::~VCNumericFloatSpin() = default;

void VCNumericFloatSpin::SetNumericValue(values::ValueBase* pValue)
{
    BindNumeric(pValue);
}

bool VCNumericFloatSpin::SetNumeric_ValuePath(const QString& sPath)
{
    return BindNumericPath(sPath);
}

void VCNumericFloatSpin::setAdditionalPrecision(int nDigits)
{
    m_nAdditionalPrecision = std::max(0, nDigits);
    m_pConfigured = nullptr;
    if (IsBound())
        ShowValue();
}

void VCNumericFloatSpin::Configure()
{
    const values::ValueDescriptor* pDescriptor = GetBoundValue()->GetValueDescriptor();
    if (pDescriptor == m_pConfigured && pDescriptor)
        return;
    m_pConfigured = pDescriptor;
    const double dScale = VCNumberText::Scale(pDescriptor);
    const double dStep = pDescriptor && pDescriptor->Step() > 0.0 ? pDescriptor->Step() / dScale : 1.0;
    // As many decimals as the step needs, so every step is visible.
    int nDecimals = 0;
    if (dStep < 1.0)
        nDecimals = int(std::ceil(-std::log10(dStep) - 1e-9));
    setDecimals(std::min(s_nMaxDecimals, nDecimals + m_nAdditionalPrecision));
    if (pDescriptor)
        setRange(pDescriptor->Minimum() / dScale, pDescriptor->Maximum() / dScale);
    else
        setRange(-1e300, 1e300);
    setSingleStep(dStep);
    setSuffix(m_bShowUnit ? VCNumberText::Suffix(pDescriptor) : QString());
}

bool VCNumericFloatSpin::ParseNumber(const QString& sText, double* pNumber, QString* pError) const
{
    QString sNumber = sText;
    if (!suffix().isEmpty() && sNumber.endsWith(suffix()))
        sNumber.chop(suffix().size());
    const values::ValueBase* pValue = GetBoundValue();
    const values::ValueDescriptor* pDescriptor = pValue ? pValue->GetValueDescriptor() : nullptr;
    // A plain number is read in the unit as shown.
    return VCNumberText::Parse(sNumber, pDescriptor, VCNumberText::Scale(pDescriptor), pNumber, pError);
}

QValidator::State VCNumericFloatSpin::validate(QString& sText, int&) const
{
    // Anything may be typed (refusals are shown when the text is taken); only what would be
    // taken counts as acceptable.
    double dNumber = 0.0;
    if (!ParseNumber(sText, &dNumber, nullptr))
        return QValidator::Intermediate;
    const values::ValueBase* pValue = GetBoundValue();
    const values::ValueDescriptor* pDescriptor = pValue ? pValue->GetValueDescriptor() : nullptr;
    if (pDescriptor && (dNumber < pDescriptor->Minimum() || dNumber > pDescriptor->Maximum()))
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

double VCNumericFloatSpin::valueFromText(const QString& sText) const
{
    double dNumber = 0.0;
    if (!ParseNumber(sText, &dNumber, nullptr))
        return value();
    const values::ValueBase* pValue = GetBoundValue();
    return dNumber / VCNumberText::Scale(pValue ? pValue->GetValueDescriptor() : nullptr);
}

QString VCNumericFloatSpin::textFromValue(double dValue) const
{
    // Independent of the locale, so what is shown reads back the same everywhere.
    return QString::number(dValue, 'f', decimals());
}

void VCNumericFloatSpin::stepBy(int nSteps)
{
    const values::ValueBase* pValue = GetBoundValue();
    const values::ValueDescriptor* pDescriptor = pValue ? pValue->GetValueDescriptor() : nullptr;
    // Arrows stop at the ends of the range, as every spin box does.
    StepNumber(nSteps, singleStep() * VCNumberText::Scale(pDescriptor),
               pDescriptor ? pDescriptor->Minimum() : -1e300, pDescriptor ? pDescriptor->Maximum() : 1e300);
}

QAbstractSpinBox::StepEnabled VCNumericFloatSpin::stepEnabled() const
{
    const values::ValueBase* pValue = GetBoundValue();
    if (!pValue || isReadOnly())
        return StepNone;
    const values::ValueDescriptor* pDescriptor = pValue->GetValueDescriptor();
    if (!pDescriptor)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (pValue->GetNumber() < pDescriptor->Maximum())
        enabled |= StepUpEnabled;
    if (pValue->GetNumber() > pDescriptor->Minimum())
        enabled |= StepDownEnabled;
    return enabled;
}

void VCNumericFloatSpin::ShowValue()
{
    Configure();
    const values::ValueBase* pValue = GetBoundValue();
    setValue(pValue->GetNumber() / VCNumberText::Scale(pValue->GetValueDescriptor()));
    ShowText();
}
