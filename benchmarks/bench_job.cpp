// How long the work on a large job takes: saving and opening a job file of 100 000 frequency
// definitions, each beside a bare QXmlStreamWriter or QXmlStreamReader pass over the same
// document in the same run (target: within 2x), one Suppress and one UnSuppress call at
// 10 000 and 100 000 definitions (target: within 10 ms at 10 000, growing at most linearly)
// and the roll-back of a cancelled dialog run over 100 000 definitions.

#include "benchbarexml.h"
#include "benchjob.h"
#include "benchtiming.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int nCount = 100000;
    const int nRuns = 3;
    QTemporaryDir dir;
    const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
    const QString sBareName = dir.filePath(QStringLiteral("bare.xml"));

    BenchJob job(QStringLiteral("/BenchJob"));
    job.Fill(nCount, 10);
    const double dSave = BenchTiming::Best(
        nRuns, [] {}, [&] { job.Save(sFileName); }, [] {});
    BenchJob reader(QStringLiteral("/BenchRead"));
    const double dOpen = BenchTiming::Best(
        nRuns, [] {}, [&] { reader.Open(sFileName); }, [&] { reader.Close(); });
    QFile file(sFileName);
    file.open(QIODevice::ReadOnly);
    const std::vector<BenchBareXml::Element> vecElements =
        BenchBareXml::Elements(QString::fromUtf8(file.readAll()));
    const double dWriteBare = BenchTiming::Best(
        nRuns, [] {}, [&] { BenchBareXml::WriteBare(vecElements, sBareName); }, [] {});
    long nKept = 0;
    const double dReadBare = BenchTiming::Best(
        nRuns, [] {}, [&] { nKept = BenchBareXml::ReadBare(sFileName); }, [] {});

    // Above the band of the job: Suppress appends one range, UnSuppress deletes it again;
    // both walk the whole list.
    const double dFree = 88e6 + nCount * 25e3 + 1e6;
    double adSuppress[2] = {0.0, 0.0};
    double adUnSuppress[2] = {0.0, 0.0};
    const int anSizes[2] = {10000, nCount};
    for (int nSize = 0; nSize < 2; ++nSize)
    {
        BenchJob sized(QStringLiteral("/BenchSized%1").arg(nSize));
        sized.Fill(anSizes[nSize], 10);
        adSuppress[nSize] = BenchTiming::Best(
            5, [] {}, [&] { sized.Suppress(dFree, dFree + 1e6); },
            [&] { sized.UnSuppress(dFree, dFree + 1e6); });
        adUnSuppress[nSize] = BenchTiming::Best(
            5, [&] { sized.Suppress(dFree, dFree + 1e6); }, [&] { sized.UnSuppress(dFree, dFree + 1e6); },
            [] {});
    }

    job.CreateOfflineJobBackup();
    const double dRollBack = BenchTiming::Best(
        nRuns, [] {}, [&] { job.RestoreOfflineJobFromBackup(); }, [] {});

    std::printf("Job of %d frequency definitions, file of %.1f MB, %ld elements; ms, best of %d\n", nCount,
                QFileInfo(sFileName).size() / 1e6, nKept, nRuns);
    std::printf("%-14s %7s %11s %11s %8s\n", "step", "N", "ours", "base", "ratio");
    bool bOk = BenchTiming::Check("Save", nCount, dSave, dWriteBare, 2.0, "<= 2x QXmlStreamWriter");
    bOk = BenchTiming::Check("Open", nCount, dOpen, dReadBare, 2.0, "<= 2x QXmlStreamReader") && bOk;
    bOk = BenchTiming::Check("Suppress", anSizes[0], adSuppress[0], 10.0, 1.0, "<= 10 ms") && bOk;
    bOk = BenchTiming::Check("UnSuppress", anSizes[0], adUnSuppress[0], 10.0, 1.0, "<= 10 ms") && bOk;
    bOk = BenchTiming::Check("Suppress", nCount, adSuppress[1], adSuppress[0], 12.0,
                             "10x the list: <= 12x the time") &&
          bOk;
    bOk = BenchTiming::Check("UnSuppress", nCount, adUnSuppress[1], adUnSuppress[0], 12.0,
                             "10x the list: <= 12x the time") &&
          bOk;
    BenchTiming::Check("Roll-back", nCount, dRollBack, dReadBare, 0.0, "against the bare file read");
    std::printf("%s\n", bOk ? "all targets met" : "some targets MISSED");
    job.DeleteWatcher();
    return 0;
}
