#pragma once

#include "wendrisk/vcspinbinding.h"

#include <QDoubleSpinBox>

namespace values
{
class ValueBase;
class ValueDescriptor;
} // namespace values

// A spin box bound to a floating-point (or integer) value. It shows the number in the
// descriptor's basis (1000^basis), with the descriptor's range, a step of the descriptor's
// step and as many decimals as the step needs plus the additional precision. With bShowUnit
// the prefix and unit follow the number. Typed text is taken on Return or when the field is
// left; text that is no number or lies outside the range is refused with a hint, the value
// stays. Arrow keys and the wheel step within the range and write at once.
class VCNumericFloatSpin : public VCSpinBinding<QDoubleSpinBox>
{
    Q_OBJECT

public:
    VCNumericFloatSpin(QWidget* pParent, const char* pszName, bool bShowUnit = true);
    ~VCNumericFloatSpin() override;

    void SetNumericValue(values::ValueBase* pValue);
    // Binds the value at an absolute path of the process-wide tree (values::Tree::Instance()).
    bool SetNumeric_ValuePath(const QString& sPath);
    values::ValueBase* GetNumericValue() const { return GetBoundValue(); }

    // Extra decimals beyond what the step needs (negative counts as 0).
    void setAdditionalPrecision(int nDigits);
    int additionalPrecision() const { return m_nAdditionalPrecision; }

    QValidator::State validate(QString& sText, int& nPos) const override;
    double valueFromText(const QString& sText) const override;
    QString textFromValue(double dValue) const override;
    void stepBy(int nSteps) override;

protected:
    // From the stored number, not the rounded one shown: 59.95 shown as "60.0" can still step up.
    StepEnabled stepEnabled() const override;
    void ShowValue() override;

private:
    void Configure();
    bool ParseNumber(const QString& sText, double* pNumber, QString* pError) const override;

    bool m_bShowUnit;
    int m_nAdditionalPrecision = 0;
    const values::ValueDescriptor* m_pConfigured = nullptr; // descriptor the range was set from
};
