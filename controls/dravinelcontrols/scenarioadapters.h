#pragma once

#include "oskevo/adapter.h"
#include "oskevo/valuenumeric.h"

namespace DravinelDefinition
{

// Reaches the two halves of a movement breakpoint's position, latitude and longitude, held as
// separate floating-point values in the breakpoint's attribute node, so that a location can be
// shown and edited as one coordinate.
class LocationAdapter : public values::Adapter
{
public:
    explicit LocationAdapter(values::Node* pNode) : values::Adapter(pNode) {}

    // The latitude or longitude value of the node; null when it is missing or not a
    // floating-point value (traced when traces are on).
    values::ValueNumeric<double>* LocLatitude() const;
    values::ValueNumeric<double>* LocLongitude() const;
};

} // namespace DravinelDefinition
