#include "wendrisk/vcspinint.h"

#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "wendrisk/vcnumbertext.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <climits>
#include <cmath>

VCSpinInt::VCSpinInt(QWidget* pParent, const char* pszName) : QSpinBox(pParent), VCBinding(this)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
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

bool VCSpinInt::ParseShown(const QString& sText, int* pNumber, QString* pError) const
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
    *pNumber = int(dNumber);
    return true;
}

bool VCSpinInt::Commit()
{
    if (!IsBound())
    {
        ShowHint(tr("No value is bound to this field."));
        return false;
    }
    const QString sText = lineEdit()->text();
    if (sText == m_sShown)
    {
        ClearHint();
        return true;
    }
    int nNumber = 0;
    QString sError;
    if (!ParseShown(sText, &nNumber, &sError))
    {
        ShowHint(sError);
        return false;
    }
    return CheckNumber(nNumber) && WriteNumber(nNumber);
}

QValidator::State VCSpinInt::validate(QString& sText, int&) const
{
    int nNumber = 0;
    if (!ParseShown(sText, &nNumber, nullptr) || nNumber < minimum() || nNumber > maximum())
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

int VCSpinInt::valueFromText(const QString& sText) const
{
    int nNumber = 0;
    return ParseShown(sText, &nNumber, nullptr) ? nNumber : value();
}

void VCSpinInt::stepBy(int nSteps)
{
    values::ValueBase* pValue = GetBoundValue();
    if (!pValue || isReadOnly())
        return;
    double dNumber = pValue->GetNumber() + double(nSteps) * singleStep();
    dNumber = std::min(double(maximum()), std::max(double(minimum()), dNumber));
    if (dNumber != pValue->GetNumber() && CheckNumber(dNumber))
        WriteNumber(dNumber);
}

void VCSpinInt::ShowValue()
{
    Configure();
    const double dNumber = GetBoundValue()->GetNumber();
    setValue(int(std::max(double(INT_MIN), std::min(double(INT_MAX), dNumber))));
    lineEdit()->setText(prefix() + textFromValue(value()) + suffix());
    m_sShown = lineEdit()->text();
    ClearHint();
}

void VCSpinInt::keyPressEvent(QKeyEvent* pEvent)
{
    if (TakeEditKey(pEvent->key(), isReadOnly(), lineEdit()->text(), m_sShown))
    {
        pEvent->accept();
        return;
    }
    QSpinBox::keyPressEvent(pEvent);
}

void VCSpinInt::focusOutEvent(QFocusEvent* pEvent)
{
    CommitOnLeave(isReadOnly(), lineEdit()->text(), m_sShown);
    QSpinBox::focusOutEvent(pEvent);
}
