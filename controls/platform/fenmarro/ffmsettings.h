#pragma once

#include "fenmarro/analogdemod.h"
#include "fenmarro/hertzvalue.h"

namespace Fenmarro
{

// Fixed-frequency-mode settings of a stored frequency: where to listen, how wide, and how to
// demodulate.
class FFMSettings
{
public:
    FFMSettings() = default;
    FFMSettings(double dFrequencyHz, double dIFBandwidthHz, AnalogDemod eDemod)
        : m_frequency(dFrequencyHz), m_ifBandwidth(dIFBandwidthHz), m_eAnalogDemod(eDemod)
    {
    }

    const HertzValue& GetFrequency() const { return m_frequency; }
    const HertzValue& GetIFBandwidth() const { return m_ifBandwidth; }
    AnalogDemod GetAnalogDemod() const { return m_eAnalogDemod; }
    void SetFrequency(double dHz) { m_frequency.SetValue(dHz); }
    void SetIFBandwidth(double dHz) { m_ifBandwidth.SetValue(dHz); }
    void SetAnalogDemod(AnalogDemod eDemod) { m_eAnalogDemod = eDemod; }

    bool operator==(const FFMSettings& other) const
    {
        return m_frequency == other.m_frequency && m_ifBandwidth == other.m_ifBandwidth &&
               m_eAnalogDemod == other.m_eAnalogDemod;
    }
    bool operator!=(const FFMSettings& other) const { return !(*this == other); }

private:
    HertzValue m_frequency;
    HertzValue m_ifBandwidth;
    AnalogDemod m_eAnalogDemod = DEMOD_AM;
};

} // namespace Fenmarro
