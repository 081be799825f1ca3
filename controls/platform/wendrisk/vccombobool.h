#pragma once

#include "wendrisk/vcbinding.h"

#include <QComboBox>

namespace values
{
class ValueBase;
}

// A combo box bound to a boolean value with the entries "NO" (index 0) and "YES" (index 1).
// Choosing an entry writes the value at once.
class VCComboBool : public QComboBox, public VCBinding
{
    Q_OBJECT

public:
    explicit VCComboBool(QWidget* pParent = nullptr, const char* pszName = nullptr);
    ~VCComboBool() override;

    // Only a boolean value binds; anything else leaves the editor unbound with a hint.
    void SetValueBool(values::ValueBase* pValue);
    bool SetValueBool_ValuePath(const QString& sPath);
    values::ValueBase* GetValueBool() const { return GetBoundValue(); }

protected:
    void ShowValue() override;

private slots:
    void SlotActivated(int nIndex);

private:
    bool m_bShowing = false;
};
