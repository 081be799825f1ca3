#include "dravinelcontrols/libraryinfo.h"

QString LibraryInfo::Name()
{
    return QStringLiteral("DravinelControls");
}

QString LibraryInfo::Version()
{
    return QStringLiteral("0.1.0");
}
