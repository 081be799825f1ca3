#pragma once

#include "dravinelcontrols/frequencytable.h"

#include <QString>
#include <memory>
#include <vector>

class JobDialogManager;

// One job file as the tool sees it: read with the strict reader, edited with the editor's
// rules, written atomically with the previous file kept as "<name>~" (all through the job
// dialog manager, whose dialog never runs here).
class JobDocument
{
public:
    JobDocument();
    ~JobDocument();
    JobDocument(const JobDocument&) = delete;
    JobDocument& operator=(const JobDocument&) = delete;

    bool Open(const QString& sFileName);
    // A job without frequency definitions, then the rows in their order.
    bool Create(const std::vector<FrequencyTable::Row>& vecRows);
    bool Save(const QString& sFileName);
    // Why the last Open, Create or Save failed.
    const QString& GetLastError() const { return m_sLastError; }

    // Whether the job was edited since it was read or made.
    bool IsModified() const;
    QString GetName() const;
    std::vector<FrequencyTable::Row> GetRows() const;
    void Suppress(double dStart, double dStop);
    void UnSuppress(double dStart, double dStop);

private:
    std::unique_ptr<JobDialogManager> m_pManager;
    QString m_sLastError;
};
