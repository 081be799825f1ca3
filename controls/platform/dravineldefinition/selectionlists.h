#pragma once

#include "oskevo/selectionitem.h"

#include <initializer_list>
#include <vector>

namespace DravinelDefinition
{

// Builders of the selection lists the descriptors offer (used while the descriptors are made).
class SelectionLists
{
public:
    // Entries named by their texts, numbered from 0: value and key are the position.
    static std::vector<values::SelectionItem> Named(std::initializer_list<const char*> listNames);
    // Bandwidths or spans in Hz: named "150 Hz", "8.33 kHz", "2 MHz"; value and key the hertz.
    static std::vector<values::SelectionItem> Hertz(std::initializer_list<double> listHz);
    // Time intervals in seconds: named "100 ms", "2 s"; value the seconds, key the milliseconds.
    static std::vector<values::SelectionItem> Seconds(std::initializer_list<double> listSeconds);
    // The device types: named after the type, value and key the type key.
    static std::vector<values::SelectionItem> DeviceTypes();

    SelectionLists() = delete;
};

} // namespace DravinelDefinition
