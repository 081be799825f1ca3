#include "wendrisk/vcspinint.h"

#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "wendrisk/vcnumbertext.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <climits>
#include <cmath>

VCSpinInt::VCSpinInt(QWidget* pParent, const char* pszName) : VCSpinBinding<QSpinBox>(pParent)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
}

VCSpinInt::~VCSpinInt() = default;

void VCSpinInt::SetValueInt(values::ValueBase* pValue)
{
    BindNumeric(pValue);
}

bool VCSpinInt::SetValueInt_ValuePath(const QString& sPath)
{
    return BindNumericPath(sPath);
}

void VCSpinInt::Configure()
{
    const values::ValueDescriptor* pDescriptor = GetBoundValue()->GetValueDescriptor();
    if (pDescriptor == m_pConfigured && pDescriptor)
        return;
    m_pConfigured = pDescriptor;
    double dMin = INT_MIN;
    double dMax = INT_MAX;
    int nStep = 1;
    QString sSuffix;
    if (pDescriptor)
    {
        dMin = std::max(dMin, std::ceil(pDescriptor->Minimum()));
        dMax = std::min(dMax, std::floor(pDescriptor->Maximum()));
        nStep = std::max(1, int(std::lround(std::min(pDescriptor->Step(), 1e9))));
        if (!pDescriptor->Unit().isEmpty())
            sSuffix = QStringLiteral(" ") + pDescriptor->Unit();
    }
    setRange(int(dMin), int(dMax));
    setSingleStep(nStep);
    setSuffix(sSuffix);
}

bool VCSpinInt::ParseNumber(const QString& sText, double* pNumber, QString* pError) const
{
    QString sNumber = sText;
    if (!suffix().isEmpty() && sNumber.endsWith(suffix()))
        sNumber.chop(suffix().size());
    const values::ValueBase* pValue = GetBoundValue();
    const values::ValueDescriptor* pDescriptor = pValue ? pValue->GetValueDescriptor() : nullptr;
    double dNumber = 0.0;
    if (!VCNumberText::Parse(sNumber, pDescriptor, 1.0, &dNumber, pError))
        return false;
    if (dNumber != std::floor(dNumber) || dNumber < INT_MIN || dNumber > INT_MAX)
    {
        if (pError)
            *pError = tr("\"%1\" is not a whole number.").arg(sNumber.trimmed());
        return false;
    }
    *pNumber = dNumber;
    return true;
}

QValidator::State VCSpinInt::validate(QString& sText, int&) const
{
    double dNumber = 0.0;
    if (!ParseNumber(sText, &dNumber, nullptr) || dNumber < minimum() || dNumber > maximum())
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

int VCSpinInt::valueFromText(const QString& sText) const
{
    double dNumber = 0.0;
    return ParseNumber(sText, &dNumber, nullptr) ? int(dNumber) : value();
}

void VCSpinInt::stepBy(int nSteps)
{
    StepNumber(nSteps, singleStep(), minimum(), maximum());
}

void VCSpinInt::ShowValue()
{
    Configure();
    const double dNumber = GetBoundValue()->GetNumber();
    setValue(int(std::max(double(INT_MIN), std::min(double(INT_MAX), dNumber))));
    ShowText();
}
