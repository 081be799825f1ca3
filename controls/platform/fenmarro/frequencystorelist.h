#pragma once

#include "fenmarro/frequencystoreentry.h"
#include "quorlin/irgobject.h"

#include <QString>
#include <vector>

namespace Fenmarro
{

// The frequency store's list of stored frequencies as an XML document:
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <FrequencyStoreList version="1">
//     <FrequencyStoreEntry>
//       <Type>F</Type>
//       <Comment>Tower</Comment>              (optional, empty when missing)
//       <FFM_Settings>
//         <Frequency>118100000</Frequency>     (hertz; unit="kHz", "MHz" or "GHz" allowed)
//         <IFBandwidth>8330</IFBandwidth>
//         <AnalogDemod>AM</AnalogDemod>        (one of AnalogDemodNames())
//       </FFM_Settings>
//     </FrequencyStoreEntry>
//     ...
//   </FrequencyStoreList>
//
// Reading is strict: the root element must be FrequencyStoreList; every required element
// present once; numbers plain decimal (point, optional exponent), finite and not negative;
// demodulation names exactly as listed; no document type declaration or entity; elements
// not listed are refused unless RG_IGNORE_UNKNOWN is given. Documents over
// MaxDocumentLength characters, nested deeper than MaxDepth, with more than MaxAttributes
// attributes on an element or more than MaxEntries entries are refused, so hostile input
// costs bounded time and memory.
class FrequencyStoreList : public REPORTGENERATOR::IRGObject
{
public:
    static constexpr int MaxDocumentLength = 16 * 1024 * 1024;
    static constexpr int MaxEntries = 100000;
    static constexpr int MaxDepth = 64;
    static constexpr int MaxAttributes = 16; // per element
    // The root element's name; its presence marks a text as a frequency store list.
    static const char* const RootElement;

    FrequencyStoreList() = default;

    void SetXmlString(const QString& sText, int nFlags) override;
    QString GetXmlString() const override;

    const std::vector<FrequencyStoreEntry>& GetEntries() const { return m_vecEntries; }
    int GetEntryCount() const { return int(m_vecEntries.size()); }
    const FrequencyStoreEntry& GetEntry(int nIndex) const { return m_vecEntries.at(size_t(nIndex)); }
    void AddEntry(const FrequencyStoreEntry& entry) { m_vecEntries.push_back(entry); }
    void Clear() { m_vecEntries.clear(); }

private:
    std::vector<FrequencyStoreEntry> m_vecEntries;
};

} // namespace Fenmarro
