#pragma once

#include <QString>

// Identity of the DravinelControls library, for hosts that show what they loaded.
class LibraryInfo
{
public:
    static QString Name();
    static QString Version();
};
