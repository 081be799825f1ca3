#pragma once

#include <QString>

namespace values
{
class ValueDescriptor;
}

// The tool tip of a node or value type, for labels, tabs and editors: the descriptor's own
// tip when it has one, otherwise a text made of its name, its unit and its range (or its
// choices, for a selection).
class Tooltip
{
public:
    // Empty for a null descriptor.
    static QString Retrieve(const values::ValueDescriptor* pDescriptor);

    // Selections with more entries than this list the first ones and say how many follow.
    static const int s_nMaxChoices = 12;

private:
    static QString FormatNumber(double dNumber, const values::ValueDescriptor* pDescriptor);
};
