#pragma once

namespace DravinelDefinition
{

// Direction-finding modes; the values are the keys of the g_vdDfMode selection.
enum EDfMode
{
    DFMODE_NORMAL = 0,          // bearings averaged over the report interval
    DFMODE_CONTINUOUS = 1,      // every bearing reported
    DFMODE_GATE = 2,            // bearings only while the signal is above the threshold
    DFMODE_SUPERRESOLUTION = 3, // several emitters on one channel told apart
};

} // namespace DravinelDefinition
