#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// The commands of dravinel-job, each answering the program's exit code. Only the commands
// that write a job (import, suppress, unsuppress) ever write a file, and only once all of
// their input has been read and accepted.
class JobCommands
{
public:
    enum EExit
    {
        ExitOk = 0,
        ExitBadFile = 1, // a file that cannot be read or written, or a failed check
        ExitUsage = 2
    };

    JobCommands();

    int Show(const QString& sJob);
    // sFormat "tsv" or "csv"; an empty sOutput writes to standard output.
    int Export(const QString& sJob, const QString& sFormat, const QString& sOutput);
    // The format follows the list's suffix (.csv, else tsv) unless sFormat names one.
    int Import(const QString& sList, const QString& sFormat, const QString& sJob);
    // sStart and sStop in Hz; bSuppress false removes the range from the suppress ranges.
    int Suppress(const QString& sJob, const QString& sStart, const QString& sStop, bool bSuppress);
    int Check(const QString& sJob);

    // The message on standard error (prefixed with the program's name); answers nExit.
    int Fail(int nExit, const QString& sMessage);

private:
    bool WriteText(const QString& sFileName, const QString& sText, QString& sError);

    QTextStream m_out;
    QTextStream m_err;
};
