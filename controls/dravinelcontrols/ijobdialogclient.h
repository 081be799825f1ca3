#pragma once

#include "oskevo/imodified.h"

#include <QString>

// What a host implements to be the client of job editing: as the modify observer handed to
// a JobDialogManager it is told of every modification of the edited job, and it answers the
// questions the job editing asks of the host. The library itself calls none of the three.
class IJobDialogClient : public values::IModifyObserver
{
public:
    IJobDialogClient() = default;
    IJobDialogClient(const IJobDialogClient&) = default;
    IJobDialogClient(IJobDialogClient&&) = default;
    IJobDialogClient& operator=(const IJobDialogClient&) = default;
    IJobDialogClient& operator=(IJobDialogClient&&) = default;
    ~IJobDialogClient() override = default;

    void NotifyModified(bool bModified) override = 0;
    // The job dialog ended with a start (1 fixed frequency, 3 search, 4 scan): the host
    // starts that job.
    virtual void StartJob(int nDialogResult) = 0;
    // The job now belongs to another file (opened, saved under a new name, closed: empty).
    virtual void JobFileChanged(const QString& sFileName) = 0;
    // A modified job is about to be dropped: true when the host saved it or the operator
    // agreed to lose the changes.
    virtual bool ConfirmDropJob() = 0;
};
