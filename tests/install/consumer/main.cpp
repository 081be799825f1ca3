#include "dravinelcontrols/libraryinfo.h"
#include "oskevo/node.h"

#include <cstdio>

int main()
{
    values::Node node(QStringLiteral("Root"));
    std::printf("%s %s %s\n", qPrintable(LibraryInfo::Name()), qPrintable(LibraryInfo::Version()),
                qPrintable(node.GetPathName()));
    return LibraryInfo::Name().isEmpty() ? 1 : 0;
}
