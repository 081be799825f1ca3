#pragma once

class QWidget;

namespace values
{
class ValueBase;
}

// Makes the value-bound editor widget of a value by its kind. The editor writes the value
// itself and follows it when it changes elsewhere:
//   boolean                      VCComboBool
//   selection                    VCComboSel
//   date-time (see IsDateTime)   VCDateTimeEdit
//   integer                      VCSpinInt
//   floating point in hertz      VCLineEdit, frequency type ("100.5 MHz")
//   other floating point         VCNumericFloatSpin with the unit shown
//   text and any other kind      VCLineEdit on the value's text form
// The editor is named after the value and carries the descriptor's tool tip.
class VCFactory
{
public:
    // Never null for a value; null only for a null value.
    static QWidget* Create(values::ValueBase* pValue, QWidget* pParent);

    // A value holding a point in time (ISO text, or seconds since 1970 in UTC): an integer
    // or text value whose descriptor has the unit "DateTime" (any case), or a text value
    // whose descriptor's default is a date-time "yyyy-MM-ddTHH:mm:ss".
    static bool IsDateTime(const values::ValueBase* pValue);
    static const char* const s_pszUnitDateTime;
};
