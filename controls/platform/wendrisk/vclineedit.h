#pragma once

#include "wendrisk/vcbinding.h"

#include <QLineEdit>

namespace values
{
class ValueBase;
}

// A line edit bound to one value. The text is taken when the operator presses Return or leaves
// the field; a text the value does not take is refused with a hint and the value stays.
// Types:
//   TYPE_TEXT (0)       the value's own text form (numbers in the descriptor's unit and basis);
//   TYPE_FREQUENCY (1)  a frequency in hertz shown with its basis prefix ("100.5 MHz") and read
//                       as "100 MHz", "100.5M", "2.5 k", "100e6" or a plain number of hertz.
class VCLineEdit : public QLineEdit, public VCBinding
{
    Q_OBJECT

public:
    enum Type
    {
        TYPE_TEXT = 0,
        TYPE_FREQUENCY = 1,
    };

    VCLineEdit(QWidget* pParent, const char* pszName, int nType = TYPE_TEXT);
    ~VCLineEdit() override;

    void SetValueBase(values::ValueBase* pValue);
    bool SetValue_ValuePath(const QString& sPath);
    values::ValueBase* GetValueBase() const { return GetBoundValue(); }
    int GetType() const { return m_nType; }

    // Takes the current text now, as Return does. Answers whether the value took it.
    bool Commit() override;

protected:
    void ShowValue() override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;

private:
    QString TextOfValue() const;

    int m_nType;
    QString m_sShown; // the text last put in from the value, to tell operator edits
};
