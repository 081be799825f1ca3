#pragma once

#include "dravinelcontrols/jobtransfer.h"
#include "oskevo/kvmodifier.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/vtfileversion.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <memory>

class JobDialog;
class UndoHistory;
class KVException;

namespace values
{
class Node;
class TreeWatcher;
class ValueCommentedRangeMap;
class ValueSelection;
} // namespace values

// The owner of one measurement job while it is prepared: keeps it below the offline node of
// the process-wide tree, reads and writes it as a job file, runs the job dialog with a
// roll-back on cancel, hands a fixed-frequency start to the device and carries single
// settings into the job. The host's observer is told of every modification.
//
// Job files are the operator's work: a failed save leaves the file as it was, a failed open
// leaves the open job as it was, and both say why (GetLastError).
class JobDialogManager : public QObject,
                         public values::KVModifier,
                         public values::IModifyObserver,
                         public values::VtFileVersion
{
    Q_OBJECT

public:
    JobDialogManager(values::IModifyObserver* pObserver, const QString& sOfflinePath,
                     const QString& sDevicePath, unsigned int uDeviceType);
    ~JobDialogManager() override;

    void Init() {}
    // A new job with one definition for that frequency.
    void New(double dFrequency);
    // Reads a job file. Only a good job file replaces the job that is open (if any);
    // otherwise nothing changes and GetLastError says why.
    bool Open(const QString& sFileName);
    // Discards the open job.
    void Close();
    // Writes the job file, keeping the previous one as "<name>~". On failure the file and
    // the job stay as they were and GetLastError says why.
    bool Save(const QString& sFileName);
    // Runs the job dialog; answers its result (1 FFM, 3 search, 4 scan, 5 Ok, else cancel).
    int Show(bool bFfm, bool bSearch, bool bScan);

    bool IsOpen() const { return m_pOfflineWatcher != nullptr; }
    values::Node* GetOffline() const { return m_pOffline; }
    values::Node* GetDevice() const { return m_pDevice; }
    // The undo history of the job; cleared when a job is made, opened, closed or rolled back.
    UndoHistory* GetHistory() const { return m_pHistory.get(); }
    const QString& GetFileName() const { return m_sFileName; }
    // The job dialog, from the Show that made it until Close or a roll-back drops it.
    JobDialog* GetDialog() const { return m_pDialog; }
    // Why the last Open or Save failed, in words; empty after a success.
    const QString& GetLastError() const { return m_sLastError; }
    // "Job Edit - [name*]", the title of the dialog and of the host's job window.
    QString GetCaption();
    QRect& GetGeometry();
    void SetGeometry(const QRect& rGeometry) { m_rGeometry = rGeometry; }
    void SetOnline(bool bOnline) { m_bOnline = bOnline; }
    void SetLoadGlobalParameters(bool bLoad) { m_bLoadGlobalParameters = bLoad; }

    bool IsModified() override;
    void SetbModified(bool bModified) override;
    void NotifyModified(bool bModified) override;
    QString GetVersion() const override { return QStringLiteral("0.0"); }
    // Gives a freshly read job the fixed children its control data must have.
    void FixTree(values::Node* pNode) override;

    // The device's own job becomes a copy of the edited one.
    void LoadOnlineJob(int nJobNew);
    // The given job becomes the edited one.
    void SaveJobToOffline(values::Node* pJob);
    // The job as it is now, for RestoreOfflineJobFromBackup.
    void CreateOfflineJobBackup();
    // Puts back the job of the last backup; without one, leaves the job alone.
    void RestoreOfflineJobFromBackup();
    bool HasBackup() const { return m_bBackupValid; }
    // Ends the modification tracking; the job stays in the tree.
    void DeleteWatcher();
    // The target control data becomes a copy of the source's contents.
    static void CopyJob(values::Node* pSource, values::Node* pTarget);
    // The device's live settings take the frequency and IF parameters of a definition.
    void TransferFfm(values::Node* pFd);

    void ToJob(double dStart, double dStop) { m_pTransfer->ToJob(dStart, dStop); }
    void Suppress(double dStart, double dStop) { m_pTransfer->Suppress(dStart, dStop); }
    void UnSuppress(double dStart, double dStop) { m_pTransfer->UnSuppress(dStart, dStop); }
    void ImportSuppressRangesFromList(values::ValueCommentedRangeMap* pList)
    {
        m_pTransfer->ImportSuppressRangesFromList(pList);
    }
    void ExportSuppressRangesToList(values::ValueCommentedRangeMap* pList, IObserver* /*pObserver*/)
    {
        m_pTransfer->ExportSuppressRangesToList(pList);
    }
    bool IsExportingSuppressRanges() const { return m_pTransfer->IsExportingSuppressRanges(); }
    void SetThresholdToJob(double dValue, double dFrequency, IObserver* pObserver)
    {
        m_pTransfer->SetThresholdToJob(dValue, dFrequency, pObserver);
    }
    void SetBandwidthToJob(double dValue, double dFrequency, IObserver* pObserver)
    {
        m_pTransfer->SetBandwidthToJob(dValue, dFrequency, pObserver);
    }
    void SetHopBandwidthToJob(double dValue, double dFrequency, IObserver* pObserver)
    {
        m_pTransfer->SetHopBandwidthToJob(dValue, dFrequency, pObserver);
    }
    void SetAveragingToJob(double dValue, double dFrequency, IObserver* pObserver)
    {
        m_pTransfer->SetAveragingToJob(dValue, dFrequency, pObserver);
    }
    void SetDfModeToJob(DravinelDefinition::EDfMode eMode, double dFrequency, IObserver* /*pObserver*/)
    {
        m_pTransfer->SetDfModeToJob(eMode, dFrequency);
    }

protected:
    // The job dialog's part of Show. CreateDialog makes the dialog unless it exists (the
    // flags choose its start buttons) and answers whether it made one; ExecDialog shows it
    // modally with the caption and keeps its geometry; GetDialogCurrentFd is its current
    // definition; DeleteDialog drops it so that the next Show builds a fresh one. Hosts and
    // tests may play the dialog's part themselves; without a dialog the run ends at once as
    // cancelled.
    virtual bool CreateDialog(bool bFfm, bool bSearch, bool bScan);
    virtual int ExecDialog(const QString& sCaption);
    virtual values::Node* GetDialogCurrentFd();
    virtual void DeleteDialog();
    values::Node* InsertDcd() { return m_pTransfer->InsertDcd(); }
    values::Node* InsertFd(double dStart, double dStop, bool bSuppress)
    {
        return m_pTransfer->InsertFd(dStart, dStop, bSuppress);
    }

private:
    void CreateWatchers();
    // Traces and reports a caught exception and keeps its text for GetLastError.
    void Report(const KVException& exception);

    QRect m_rGeometry;
    unsigned int m_uDeviceType;
    values::Node* m_pOffline = nullptr;
    std::unique_ptr<values::Node> m_pBackup;
    values::Node* m_pDevice = nullptr;
    values::TreeWatcher* m_pOfflineWatcher = nullptr;
    values::TreeWatcher* m_pSessionWatcher = nullptr;
    bool m_bOnline = false;
    QString m_sFileName;
    QString m_sOfflinePath;
    QString m_sDevicePath;
    values::ValueSelection* m_pOperationMode = nullptr;
    values::ValueInt* m_pJobNew = nullptr;
    JobDialog* m_pDialog = nullptr;
    bool m_bLoadGlobalParameters = false;
    // Whether m_pBackup holds the job as it was at the last backup of the job open now.
    bool m_bBackupValid = false;
    QString m_sLastError;
    std::unique_ptr<JobTransfer> m_pTransfer;
    std::unique_ptr<UndoHistory> m_pHistory;
};
