#include "jobcommands.h"

#include "dravinelcontrols/frequencytable.h"
#include "jobdocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

JobCommands::JobCommands() : m_out(stdout), m_err(stderr)
{
    m_out.setCodec("UTF-8");
    m_err.setCodec("UTF-8");
}

int JobCommands::Fail(int nExit, const QString& sMessage)
{
    m_err << "dravinel-job: " << sMessage << '\n';
    m_err.flush();
    return nExit;
}

bool JobCommands::WriteText(const QString& sFileName, const QString& sText, QString& sError)
{
    QSaveFile file(sFileName);
    const QByteArray data = sText.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return true;
    sError = QStringLiteral("Cannot write \"%1\": %2").arg(sFileName, file.errorString());
    return false;
}

int JobCommands::Show(const QString& sJob)
{
    JobDocument job;
    if (!job.Open(sJob))
        return Fail(ExitBadFile, job.GetLastError());
    const std::vector<FrequencyTable::Row> vecRows = job.GetRows();
    m_out << "Job: " << job.GetName() << '\n'
          << vecRows.size() << (vecRows.size() == 1 ? " frequency definition" : " frequency definitions")
          << "\n\n"
          << FrequencyTable::WriteAligned(vecRows);
    return ExitOk;
}

int JobCommands::Export(const QString& sJob, const QString& sFormat, const QString& sOutput)
{
    if (sFormat != QLatin1String("tsv") && sFormat != QLatin1String("csv"))
        return Fail(ExitUsage, QStringLiteral("unknown format \"%1\" (tsv or csv)").arg(sFormat));
    if (!sOutput.isEmpty() && QFileInfo(sOutput) == QFileInfo(sJob))
        return Fail(ExitUsage, QStringLiteral("the list would overwrite its own job \"%1\"").arg(sJob));
    JobDocument job;
    if (!job.Open(sJob))
        return Fail(ExitBadFile, job.GetLastError());
    const std::vector<FrequencyTable::Row> vecRows = job.GetRows();
    const QString sText = sFormat == QLatin1String("csv") ? FrequencyTable::WriteCsv(vecRows)
                                                          : FrequencyTable::WriteTsv(vecRows);
    if (sOutput.isEmpty())
    {
        m_out << sText;
        return ExitOk;
    }
    QString sError;
    return WriteText(sOutput, sText, sError) ? ExitOk : Fail(ExitBadFile, sError);
}

int JobCommands::Import(const QString& sList, const QString& sFormat, const QString& sJob)
{
    if (sJob.isEmpty())
        return Fail(ExitUsage, QStringLiteral("import needs the job file to write (-o JOB.xml)"));
    const bool bCsv = sFormat.isEmpty() ? sList.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
                                        : sFormat == QLatin1String("csv");
    if (!sFormat.isEmpty() && sFormat != QLatin1String("tsv") && sFormat != QLatin1String("csv"))
        return Fail(ExitUsage, QStringLiteral("unknown format \"%1\" (tsv or csv)").arg(sFormat));
    QFile file(sList);
    if (!QFileInfo(sList).isFile() || !file.open(QIODevice::ReadOnly))
        return Fail(ExitBadFile,
                    QStringLiteral("Cannot read \"%1\": %2")
                        .arg(sList, QFileInfo::exists(sList) ? QStringLiteral("not a readable file")
                                                             : QStringLiteral("no such file")));
    const QByteArray data = file.readAll();
    const QString sText = QString::fromUtf8(data);
    if (sText.toUtf8() != data)
        return Fail(ExitBadFile, QStringLiteral("Cannot read \"%1\": it is not UTF-8 text").arg(sList));
    FrequencyTable table;
    if (!(bCsv ? table.ReadCsv(sText) : table.ReadTsv(sText)))
        return Fail(ExitBadFile, QStringLiteral("Cannot read \"%1\": %2").arg(sList, table.GetError()));
    JobDocument job;
    if (!job.Create(table.GetRows()) || !job.Save(sJob))
        return Fail(ExitBadFile, job.GetLastError());
    m_out << table.GetRows().size() << " frequency definitions written to " << sJob << '\n';
    return ExitOk;
}

int JobCommands::Suppress(const QString& sJob, const QString& sStart, const QString& sStop, bool bSuppress)
{
    double dStart = 0.0;
    double dStop = 0.0;
    QString sError;
    if (!FrequencyTable::ReadFrequency(sStart, dStart, &sError) ||
        !FrequencyTable::ReadFrequency(sStop, dStop, &sError))
        return Fail(ExitUsage, sError);
    JobDocument job;
    if (!job.Open(sJob))
        return Fail(ExitBadFile, job.GetLastError());
    if (bSuppress)
        job.Suppress(dStart, dStop);
    else
        job.UnSuppress(dStart, dStop);
    if (!job.IsModified())
    {
        // Not even rewritten: the file and its backup stay as they are.
        m_out << sJob << ": unchanged\n";
        return ExitOk;
    }
    if (!job.Save(sJob))
        return Fail(ExitBadFile, job.GetLastError());
    return ExitOk;
}

int JobCommands::Check(const QString& sJob)
{
    JobDocument job;
    if (!job.Open(sJob))
        return Fail(ExitBadFile, job.GetLastError());
    m_out << sJob << ": a good job file with " << job.GetRows().size() << " frequency definitions\n";
    return ExitOk;
}
