#include "dravinelcontrols/libraryinfo.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("%s %s\n", qPrintable(LibraryInfo::Name()), qPrintable(LibraryInfo::Version()));
    return 0;
}
