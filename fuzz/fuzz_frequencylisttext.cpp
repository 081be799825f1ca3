// Feeds arbitrary text to the reader of the tab-separated frequency list that operators paste
// from spreadsheets. Whatever it reads must hold together: no entry and no problem for a text
// of another form, every entry in the frequency range with a usable bandwidth, lines counted
// upwards, and a list written back from the entries must read to the same entries. Any crash,
// hang, leak or sanitizer report is a finding.

#include "dravinelcontrols/frequencylistpaste.h"
#include "dravineldefinition/descriptors.h"
#include "oskevo/valuedescriptor.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

void Check(bool bCondition, const char* pszWhat)
{
    if (!bCondition)
    {
        std::fprintf(stderr, "fuzz_frequencylisttext: %s\n", pszWhat);
        std::abort();
    }
}

QString Number(double d)
{
    return QString::number(d, 'g', 17);
}

void CheckEntries(const FrequencyListPaste& paste)
{
    const double dMin =
        std::max(DravinelDefinition::g_vdFStart.Minimum(), DravinelDefinition::g_vdFStop.Minimum());
    const double dMax =
        std::min(DravinelDefinition::g_vdFStart.Maximum(), DravinelDefinition::g_vdFStop.Maximum());
    int nLastLine = 2;
    for (const FrequencyListPaste::Entry& entry : paste.GetEntries())
    {
        Check(entry.nLine > nLastLine, "entry lines do not count upwards");
        nLastLine = entry.nLine;
        Check(entry.dFrequency >= dMin && entry.dFrequency <= dMax, "an entry lies outside the range");
        Check(!entry.bBandwidth || (std::isfinite(entry.dBandwidth) && entry.dBandwidth >= 0.0),
              "an entry has an unusable bandwidth");
        Check(!entry.sName.contains(QLatin1Char('\t')) && !entry.sName.contains(QLatin1Char('\n')),
              "a name holds a field or line separator");
    }
    nLastLine = 2;
    for (const FrequencyListPaste::Problem& problem : paste.GetProblems())
    {
        Check(problem.nLine > nLastLine, "problem lines do not count upwards");
        nLastLine = problem.nLine;
        Check(!problem.sReason.isEmpty(), "a problem without reason");
    }
}

// The entries written as a list of their own; it must read back to the same entries.
void CheckWrittenBack(const FrequencyListPaste& paste)
{
    QStringList listLines{QString::fromLatin1(FrequencyListPaste::s_pszMarker),
                          QStringLiteral("Frequency\tName\tBandwidth")};
    for (const FrequencyListPaste::Entry& entry : paste.GetEntries())
        listLines << Number(entry.dFrequency) + QLatin1Char('\t') + entry.sName + QLatin1Char('\t') +
                         (entry.bBandwidth ? Number(entry.dBandwidth) : QString());
    FrequencyListPaste again;
    Check(again.ReadCopyStruct(listLines.join(QLatin1Char('\n'))), "the written list is refused");
    Check(!again.HasProblems(), "the written list has problems");
    Check(again.GetEntries().size() == paste.GetEntries().size(), "the written list has other entries");
    for (size_t i = 0; i < paste.GetEntries().size(); ++i)
    {
        const FrequencyListPaste::Entry& first = paste.GetEntries()[i];
        const FrequencyListPaste::Entry& second = again.GetEntries()[i];
        Check(first.dFrequency == second.dFrequency, "a frequency changed on the way back");
        Check(first.sName == second.sName, "a name changed on the way back");
        Check(first.bBandwidth == second.bBandwidth &&
                  (!first.bBandwidth || first.dBandwidth == second.dBandwidth),
              "a bandwidth changed on the way back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const QString sText = QString::fromUtf8(reinterpret_cast<const char*>(pData), int(nSize));
    FrequencyListPaste paste;
    if (!paste.ReadCopyStruct(sText))
    {
        Check(paste.GetEntries().empty() && !paste.HasProblems(), "a refused text left entries or problems");
        return 0;
    }
    CheckEntries(paste);
    if (paste.HasProblems())
        Check(paste.DescribeProblems().contains(QLatin1String("Line ")), "the message names no line");
    else
        CheckWrittenBack(paste);
    return 0;
}
