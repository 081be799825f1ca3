#pragma once

#include <QString>

// Something that opens files for the operator, so that a host can hand it a file name (a
// recent-files list, a file dropped on the window, a command of its own).
class IFileOpener
{
public:
    virtual ~IFileOpener() = default;

    // Opens the file as the operator's Open command would: unsaved edits are asked about
    // first. False when the file was not opened (cancelled or unreadable).
    virtual bool OpenFile(const QString& sFileName) = 0;

    // The file-dialog filter of the files it opens, e.g. "Job File (*.xml)".
    virtual QString GetFileOpenPattern() = 0;
};
