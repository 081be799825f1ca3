#pragma once

#include <QString>
#include <QStringList>

namespace Fenmarro
{

// Analogue demodulations of the fixed-frequency mode. The names are those shown to operators
// and stored in documents; the device definition's demodulation selection uses the same
// texts, so that a frequency store entry selects its demodulation by name.
enum AnalogDemod
{
    DEMOD_AM = 0,
    DEMOD_FM,
    DEMOD_USB,
    DEMOD_LSB,
    DEMOD_CW,
    DEMOD_ISB,
    DEMOD_PULSE,
    DEMOD_IQ,
    DEMOD_COUNT
};

// The names, indexed by AnalogDemod.
inline constexpr const char* g_apszAnalogDemodNames[DEMOD_COUNT] = {"AM", "FM",  "USB",   "LSB",
                                                                    "CW", "ISB", "PULSE", "IQ"};

// "AM", "FM", ...; an empty text for a value out of range.
QString AnalogDemodToName(AnalogDemod eDemod);
// Exact, case-sensitive match of one of the names. Returns false, leaving *peDemod alone,
// for any other text.
bool AnalogDemodFromName(const QString& sName, AnalogDemod* peDemod);
// All names in enumeration order.
QStringList AnalogDemodNames();

} // namespace Fenmarro
