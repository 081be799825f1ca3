#pragma once

#include "wendrisk/vcbinding.h"

#include <QDateTimeEdit>

namespace values
{
class ValueBase;
}

// A date-time editor bound to a value holding a point in time, in UTC:
//   a string value holds it as ISO 8601 text, "yyyy-MM-ddTHH:mm:ss" (an empty text shows the
//   epoch until edited); an integer value holds seconds since 1970-01-01T00:00:00 UTC.
// A stored text that is no date-time is shown as a hint and not overwritten until the operator
// edits. Edits are written when the operator presses Return, leaves the field or steps.
class VCDateTimeEdit : public QDateTimeEdit, public VCBinding
{
    Q_OBJECT

public:
    static const char* const s_pszFormat; // "yyyy-MM-ddTHH:mm:ss"

    explicit VCDateTimeEdit(QWidget* pParent = nullptr, const char* pszName = nullptr);
    ~VCDateTimeEdit() override;

    // A string or integer value binds; anything else leaves the editor unbound with a hint.
    void SetValueDateTime(values::ValueBase* pValue);
    bool SetValueDateTime_ValuePath(const QString& sPath);
    values::ValueBase* GetValueDateTime() const { return GetBoundValue(); }

    bool Commit() override;

    // Reads a value's text as a date-time (UTC); invalid when it is none.
    static QDateTime FromValue(const values::ValueBase* pValue);

protected:
    void ShowValue() override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    void stepBy(int nSteps) override;

private:
    bool m_bShowing = false;
};
