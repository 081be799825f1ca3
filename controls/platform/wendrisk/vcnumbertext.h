#pragma once

#include <QString>

namespace values
{
class ValueDescriptor;
}

// Text form of numbers in a descriptor's unit and basis (power of 1000, "k", "M", ...), and
// the reading back of what an operator types. Shared by the number editors.
class VCNumberText
{
public:
    // dNumber in the value's own unit, shown divided by 1000^basis with the prefix and unit:
    // 2500000 with basis 2 and unit "Hz" gives "2.5 MHz". Without a unit only the number.
    static QString Format(double dNumber, const values::ValueDescriptor* pDescriptor);
    // The factor 1000^basis of the descriptor (1 when null).
    static double Scale(const values::ValueDescriptor* pDescriptor);
    // The suffix " <prefix><unit>" of the descriptor, empty without unit.
    static QString Suffix(const values::ValueDescriptor* pDescriptor);

    // Reads "<number>[ ][prefix][unit]". The number takes a point or a comma as decimal mark
    // and an exponent. A prefix (u m k M G T, also "K") multiplies by its power of 1000; a
    // number without prefix is taken in dPlainFactor (1 for the value's own unit, or the shown
    // scale). The unit, when written, must be the descriptor's unit (case-insensitive). On
    // failure answers false and gives the reason in *pError.
    static bool Parse(const QString& sText, const values::ValueDescriptor* pDescriptor, double dPlainFactor,
                      double* pNumber, QString* pError = nullptr);
};
