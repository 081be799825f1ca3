#pragma once

#include "oskevo/valuebase.h"
#include "wendrisk/vcbinding.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

// What the spin boxes bound to a number share, on top of the binding: the text last shown
// from the value (to tell an operator's edit from it), Return, Escape and leaving the field,
// taking the typed text, and steps that stop at the ends of the range and write at once.
// Spin is QSpinBox or QDoubleSpinBox.
template <class Spin> class VCSpinBinding : public Spin, public VCBinding
{
public:
    explicit VCSpinBinding(QWidget* pParent) : Spin(pParent), VCBinding(this)
    {
        // The value is written on Return, on leaving the field and on steps, not per keystroke.
        this->setKeyboardTracking(false);
        this->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    }

    // Takes the current text now, as Return does. Answers whether the value took it.
    bool Commit() override
    {
        if (!IsBound())
        {
            ShowHint(QCoreApplication::translate("VCSpinBinding", "No value is bound to this field."));
            return false;
        }
        const QString sText = this->lineEdit()->text();
        if (sText == m_sShown)
        {
            ClearHint();
            return true;
        }
        double dNumber = 0.0;
        QString sError;
        if (!ParseNumber(sText, &dNumber, &sError))
        {
            ShowHint(sError);
            return false;
        }
        return CheckNumber(dNumber) && WriteNumber(dNumber);
    }

protected:
    // The number the text stands for, in the value's own unit; false (with the reason when
    // pError is given) when it is none.
    virtual bool ParseNumber(const QString& sText, double* pNumber, QString* pError) const = 0;

    // Shows the spin box's value as text and remembers it as the value's.
    void ShowText()
    {
        this->lineEdit()->setText(this->prefix() + this->textFromValue(this->value()) + this->suffix());
        m_sShown = this->lineEdit()->text();
        ClearHint();
    }

    // nSteps steps of dStep (in the value's unit) from the value, kept within [dMin, dMax].
    void StepNumber(int nSteps, double dStep, double dMin, double dMax)
    {
        values::ValueBase* pValue = GetBoundValue();
        if (!pValue || this->isReadOnly())
            return;
        const double dNumber = std::min(dMax, std::max(dMin, pValue->GetNumber() + nSteps * dStep));
        if (dNumber != pValue->GetNumber() && CheckNumber(dNumber))
            WriteNumber(dNumber);
    }

    void keyPressEvent(QKeyEvent* pEvent) override
    {
        if (TakeEditKey(pEvent->key(), this->isReadOnly(), this->lineEdit()->text(), m_sShown))
        {
            pEvent->accept();
            return;
        }
        Spin::keyPressEvent(pEvent);
    }

    void focusOutEvent(QFocusEvent* pEvent) override
    {
        CommitOnLeave(this->isReadOnly(), this->lineEdit()->text(), m_sShown);
        Spin::focusOutEvent(pEvent);
    }

private:
    QString m_sShown; // the text last put in from the value
};
