#pragma once

#include "wendrisk/vcbinding.h"

#include <QComboBox>

namespace values
{
class ValueBase;
}

// A combo box bound to a selection value: one entry per selection entry (its name), the
// current one selected. Choosing an entry selects it in the value at once.
class VCComboSel : public QComboBox, public VCBinding
{
    Q_OBJECT

public:
    explicit VCComboSel(QWidget* pParent = nullptr, const char* pszName = nullptr);
    ~VCComboSel() override;

    // Only a selection value binds; anything else leaves the editor unbound with a hint.
    void SetValueSel(values::ValueBase* pValue);
    bool SetValueSel_ValuePath(const QString& sPath);
    values::ValueBase* GetValueSel() const { return GetBoundValue(); }

protected:
    void ShowValue() override;

private slots:
    void SlotActivated(int nIndex);

private:
    bool m_bShowing = false;
};
