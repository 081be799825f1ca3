#pragma once

#include "oskevo/valuebase.h"

#include <QString>

namespace values
{

// A plain value of type T. Instantiated for QString (text) and bool ("true"/"false"; the
// text form also takes "1"/"0", "yes"/"no" and "on"/"off").
template <class T> class Value : public ValueBase
{
public:
    Value(const QString& sName, const ValueDescriptor* pDescriptor);
    Value(const QString& sName, const ValueDescriptor* pDescriptor, const T& value);
    ~Value() override;

    // The item lookup by path of the tree stays reachable beside the value itself.
    using ValueBase::GetValue;
    const T& GetValue() const { return m_value; }
    // Sends CC_VALUE when the value changes; answers whether it was taken.
    bool SetValue(const T& value, IObserver* pOriginator = nullptr);

    QString GetAsString() const override;
    bool SetAsString(const QString& sText, IObserver* pOriginator = nullptr) override;
    void Reset(IObserver* pOriginator = nullptr) override;
    TreeItem* Clone() const override;

private:
    T m_value;
};

extern template class Value<QString>;
extern template class Value<bool>;

typedef Value<QString> ValueString;
typedef Value<bool> ValueBool;

} // namespace values
