#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

namespace values
{
class IDynamicRules;
class Node;
} // namespace values

// Reads the two text forms of frequency lists that operators paste from other programs into
// the frequency view: the tab-separated table headed "FrequencyListCopyStruct" (spreadsheets)
// and the frequency store's list. Every line or entry is checked in full before the view
// creates anything, so a bad line never leaves half a definition behind; bad lines are kept as
// problems naming the line and the reason, and give no entry.
//
// The table form: line 1 begins with "FrequencyListCopyStruct"; line 2 is the header, whose
// columns "Frequency", "Name" and "Bandwidth" (blanks around them ignored) must each appear
// once, in any order among other columns; every further line is one definition. Windows and
// old Mac line ends are read like "\n"; blank lines (also lines of tabs only) are skipped
// wherever they stand. Frequencies and bandwidths are hertz, written as people write numbers
// (decimal comma or point, exponents, thousands separators); names are taken as they stand,
// quotes, semicolons and commas included.
class FrequencyListPaste
{
    // Its messages are the frequency editor's: one translation context for all of them.
    Q_DECLARE_TR_FUNCTIONS(FrequencyViewCtrl)

public:
    // One definition to create.
    struct Entry
    {
        int nLine = 0;           // line of the text, or number of the store entry, from 1
        double dFrequency = 0.0; // hertz; start and stop
        QString sName;
        bool bBandwidth = false; // whether a bandwidth was given
        double dBandwidth = 0.0; // hertz
        QString sDemodulation;   // store entries: the analogue demodulation's name
    };
    struct Problem
    {
        int nLine;
        QString sReason;
    };

    // False when the text is not of the table form (first line, or a header without the three
    // columns); true when it is, with its entries and problems.
    bool ReadCopyStruct(const QString& sText);
    // A frequency store list; throws REPORTGENERATOR::RGException when the document is refused.
    void ReadFrequencyStore(const QString& sText);

    const std::vector<Entry>& GetEntries() const { return m_vecEntries; }
    const std::vector<Problem>& GetProblems() const { return m_vecProblems; }
    bool HasProblems() const { return !m_vecProblems.empty(); }
    // Whether the entries came from a frequency store list (with demodulations).
    bool IsStoreList() const { return m_bStoreList; }
    // Creates one definition per entry under the list node through the rules and fills it:
    // start and stop, name, and where the definition has parameters of its own the resolution
    // bandwidth (and for store entries the demodulation group). Stops when the rules refuse.
    // Answers how many were made.
    size_t CreateDefinitions(values::Node* pList, values::IDynamicRules* pRules) const;
    // Adds the frequency definitions of a value framework document under the list node (a
    // definition named otherwise is renamed "Fd", so that it gets a row); names the other nodes
    // in pRefused. Answers how many were added; throws KVException on a bad document.
    static int AddVtXml(values::Node* pList, const QString& sText, QStringList* pRefused);
    // The operator's message naming the first problems (translated).
    QString DescribeProblems() const;

    // The marker of the table form and its field slots (more are used for longer lines).
    static const char* const s_pszMarker;
    static const int s_nFieldSlots = 20;
    // How many problems the message names one by one.
    static const int s_nProblemsShown = 10;

private:
    // Checks a frequency against the range of start and stop; an empty reason means good.
    static QString CheckFrequency(double dHz);
    void ReadLine(const QString& sLine, int nLine, int nFrequency, int nName, int nBandwidth);

    std::vector<Entry> m_vecEntries;
    std::vector<Problem> m_vecProblems;
    bool m_bStoreList = false;
};
