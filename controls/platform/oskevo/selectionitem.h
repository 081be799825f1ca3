#pragma once

#include <QString>

namespace values
{

// One entry of a selection: the text shown, the number it stands for and a key that
// identifies it (device commands use the key).
class SelectionItem
{
public:
    SelectionItem() = default;
    SelectionItem(const QString& sName, double dValue, int nKey) : m_sName(sName), m_dValue(dValue), m_nKey(nKey) {}

    const QString& GetName() const { return m_sName; }
    double GetValue() const { return m_dValue; }
    int GetKey() const { return m_nKey; }

    bool operator==(const SelectionItem& o) const
    {
        return m_sName == o.m_sName && m_dValue == o.m_dValue && m_nKey == o.m_nKey;
    }

private:
    QString m_sName;
    double m_dValue = 0.0;
    int m_nKey = 0;
};

} // namespace values
