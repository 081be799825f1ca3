#pragma once

#include "oskevo/valuebase.h"

namespace values
{

// A number of type T (int or double) within the descriptor's range. The text form of a
// double round-trips exactly; infinities and NaN are refused.
template <class T> class ValueNumeric : public ValueBase
{
public:
    ValueNumeric(const QString& sName, const ValueDescriptor* pDescriptor);
    ValueNumeric(const QString& sName, const ValueDescriptor* pDescriptor, T value);
    ~ValueNumeric() override;

    // The item lookup by path of the tree stays reachable beside the value itself.
    using ValueBase::GetValue;
    T GetValue() const { return m_value; }
    bool SetValue(T value, IObserver* pOriginator = nullptr);

    QString GetAsString() const override;
    bool SetAsString(const QString& sText, IObserver* pOriginator = nullptr) override;
    bool IsNumeric() const override { return true; }
    double GetNumber() const override { return double(m_value); }
    bool SetNumber(double dNumber, IObserver* pOriginator = nullptr) override;
    void Reset(IObserver* pOriginator = nullptr) override;
    TreeItem* Clone() const override;

private:
    T m_value;
};

extern template class ValueNumeric<int>;
extern template class ValueNumeric<double>;

typedef ValueNumeric<int> ValueInt;
typedef ValueNumeric<double> ValueDouble;

} // namespace values
