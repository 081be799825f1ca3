#pragma once

#include <QString>

// Text helpers for reading tables and numbers that people typed or other programs wrote.
namespace Zorvan
{

// Splits a line into fields. On entry every slot holds the separator (only fields[0] is
// read); on return slots 0 .. n-1 hold the fields and the remaining slots are empty. Returns
// n, the number of fields: 0 for an empty line, otherwise the number of separators plus one
// ("a\t\tb" gives "a", "", "b"; a trailing separator gives a trailing empty field). When the
// line has more fields than slots, the last slot receives the whole rest of the line,
// separators included, and nSlots is returned: nothing is dropped. An empty separator
// makes the whole line one field. Null fields or nSlots < 1 give 0.
int separateString(const QString& sLine, QString* pFields, int nSlots);

// Reads a number the way people write it: surrounding blanks, a sign, a decimal point or a
// decimal comma, an exponent ("1.5e6", "2,5E-3"), and thousands separators where they cannot
// be mistaken for the decimal mark:
//   - both "." and "," present: the last one is the decimal mark ("1,234.5", "1.234,5");
//   - the same mark more than once: a thousands separator ("1,234,567", "1.234.567");
//   - blanks, non-breaking or thin spaces and apostrophes always group ("1 234 567,5");
// grouped digits must come in threes after a first group of one to three. A single "." or
// "," is the decimal mark, so "1,234" reads as 1.234. Anything else - empty text, letters,
// several numbers, infinities, values beyond the double range - gives 0 with *pbOk false.
double toDoubleEx(const QString& sText, bool* pbOk = nullptr);

} // namespace Zorvan
