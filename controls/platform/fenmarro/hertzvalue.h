#pragma once

namespace Fenmarro
{

// A frequency or bandwidth in hertz.
class HertzValue
{
public:
    HertzValue() = default;
    explicit HertzValue(double dHz) : m_dHz(dHz) {}

    double GetValue() const { return m_dHz; }
    void SetValue(double dHz) { m_dHz = dHz; }

    bool operator==(const HertzValue& other) const { return m_dHz == other.m_dHz; }
    bool operator!=(const HertzValue& other) const { return !(*this == other); }

private:
    double m_dHz = 0.0;
};

} // namespace Fenmarro
