#pragma once

#include <QString>
#include <vector>

// The frequency list of a job as text: the tab-separated table the frequency editor pastes
// (headed "FrequencyListCopyStruct"), comma-separated values after RFC 4180, and the aligned
// table people read. Writing and reading either form gives back every start, stop, name and
// suppress flag unchanged.
//
// The tab-separated form has the editor's columns Frequency, Name and Bandwidth (so that the
// editor can paste it) and Start, Stop and Suppressed, which carry the ranges. A table with
// Frequency only (the editor's own form) gives single frequencies. Tabs, line ends and
// backslashes in names are written as \t, \n, \r and \\.
class FrequencyTable
{
public:
    struct Row
    {
        double dStart = 0.0; // Hz
        double dStop = 0.0;  // Hz
        QString sName;
        bool bSuppressed = false;
    };

    static QString WriteTsv(const std::vector<Row>& vecRows);
    static QString WriteCsv(const std::vector<Row>& vecRows);
    // Columns start, stop, name and suppressed, padded so that they line up.
    static QString WriteAligned(const std::vector<Row>& vecRows);

    // Read the whole text or nothing: false with GetError ("line 4: ...") on the first bad line.
    bool ReadTsv(const QString& sText);
    bool ReadCsv(const QString& sText);
    const std::vector<Row>& GetRows() const { return m_vecRows; }
    const QString& GetError() const { return m_sError; }

    // Hertz as written by these forms: the shortest text that reads back as the same double.
    static QString Number(double d);
    // A number of hertz from text, "1e6" or "1000000"; false when it is none or out of range.
    static bool ReadFrequency(const QString& sText, double& d, QString* pError = nullptr);

private:
    // One line's fields by column name; false (with the error set) when the line is refused.
    bool AddRow(int nLine, const QString& sStart, const QString& sStop, const QString& sFrequency,
                const QString& sName, const QString& sSuppressed);
    bool Fail(int nLine, const QString& sWhy);

    std::vector<Row> m_vecRows;
    QString m_sError;
};
