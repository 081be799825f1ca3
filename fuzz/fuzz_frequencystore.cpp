// Feeds arbitrary text to the frequency store list reader, strict or ignoring unknown elements
// as the first byte chooses. A list it accepts must write and read back to the same entries
// and text; a list it refuses must leave the list it was read into as it was. Any crash, hang,
// leak or sanitizer report is a finding.

#include "fenmarro/frequencystorelist.h"
#include "quorlin/rgexception.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

void Check(bool bCondition, const char* pszWhat)
{
    if (!bCondition)
    {
        std::fprintf(stderr, "fuzz_frequencystore: %s\n", pszWhat);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize == 0)
        return 0;
    const int nFlags = (pData[0] & 1) ? REPORTGENERATOR::IRGObject::RG_IGNORE_UNKNOWN : 0;
    const QString sText = QString::fromUtf8(reinterpret_cast<const char*>(pData + 1), int(nSize - 1));

    const Fenmarro::FrequencyStoreEntry kept(QStringLiteral("F"), QStringLiteral("Kept"),
                                             Fenmarro::FFMSettings(118.1e6, 8330.0, Fenmarro::DEMOD_AM));
    Fenmarro::FrequencyStoreList list;
    list.AddEntry(kept);
    try
    {
        list.SetXmlString(sText, nFlags);
    }
    catch (const REPORTGENERATOR::RGException&)
    {
        Check(list.GetEntryCount() == 1 && list.GetEntry(0) == kept, "a refused list changed the entries");
        return 0;
    }

    const QString sWritten = list.GetXmlString();
    Fenmarro::FrequencyStoreList again;
    try
    {
        again.SetXmlString(sWritten, 0);
    }
    catch (const REPORTGENERATOR::RGException& exception)
    {
        std::fprintf(stderr, "%s\n", qPrintable(exception.GetErrorText()));
        Check(false, "the written list is refused");
    }
    Check(again.GetEntries() == list.GetEntries(), "entries changed on the way back");
    Check(again.GetXmlString() == sWritten, "the list's text changed on the way back");
    return 0;
}
