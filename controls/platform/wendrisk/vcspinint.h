#pragma once

#include "wendrisk/vcspinbinding.h"

#include <QSpinBox>

namespace values
{
class ValueBase;
class ValueDescriptor;
} // namespace values

// A spin box bound to an integer value, with the descriptor's range and unit as suffix. Typed
// text is taken on Return or when the field is left; no number or out of range is refused
// with a hint and the value stays. Arrows and the wheel step and write at once.
class VCSpinInt : public VCSpinBinding<QSpinBox>
{
    Q_OBJECT

public:
    explicit VCSpinInt(QWidget* pParent = nullptr, const char* pszName = nullptr);
    ~VCSpinInt() override;

    void SetValueInt(values::ValueBase* pValue);
    bool SetValueInt_ValuePath(const QString& sPath);
    values::ValueBase* GetValueInt() const { return GetBoundValue(); }

    QValidator::State validate(QString& sText, int& nPos) const override;
    int valueFromText(const QString& sText) const override;
    void stepBy(int nSteps) override;

protected:
    void ShowValue() override;

private:
    void Configure();
    bool ParseNumber(const QString& sText, double* pNumber, QString* pError) const override;

    const values::ValueDescriptor* m_pConfigured = nullptr;
};
