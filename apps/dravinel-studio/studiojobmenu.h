#pragma once

#include "oskevo/imodified.h"

#include <QObject>
#include <QString>
#include <memory>

class JobDialogManager;
class QAction;
class QMainWindow;
class QMenu;

// The studio's "Job" menu: one measurement job for the sample device, kept in job files,
// edited in the job dialog, with ranges suppressed and unsuppressed. Asks before a modified
// job is dropped and shows failures in words. The job's manager is made on first use and
// dropped (Release) whenever the device tree it works on is replaced.
class StudioJobMenu : public QObject, public values::IModifyObserver
{
    Q_OBJECT

public:
    explicit StudioJobMenu(QMainWindow* pWindow);
    ~StudioJobMenu() override;

    // The child of the tree's root that holds the job.
    static QString GetJobBaseName();
    QMenu* GetMenu() const { return m_pMenu; }
    // Opens a job file without questions; false when it cannot be read (GetLastError says
    // why, the open job stays as it was).
    bool OpenJob(const QString& sFileName);
    // The job's suppress ranges to a list file and back, tab-separated (the frequency editor's
    // table) or, for a name ending in ".csv", comma-separated. Importing replaces the job's
    // suppress ranges by those of the list, merged by the usual rules. Both answer an empty
    // text when done, else why not; a failed import leaves the job, a failed export the file
    // as they were.
    QString ImportSuppressList(const QString& sFileName);
    QString ExportSuppressList(const QString& sFileName);
    // Asks whether to save a modified job; true when the caller may go on and drop it.
    bool QueryDropJob();
    // Drops the job and its manager without questions (the device tree goes away).
    void Release();
    JobDialogManager* GetManager() const { return m_pManager.get(); }
    // While the menu changes the job: changes of the tree seen now are the job's, not the
    // device tree's.
    bool IsBusy() const { return m_bBusy; }

    void NotifyModified(bool bModified) override;

private slots:
    void SlotNew();
    void SlotOpen();
    void SlotSave();
    void SlotSaveAs();
    void SlotEdit();
    void SlotSuppress();
    void SlotUnSuppress();
    void SlotImportSuppressList();
    void SlotExportSuppressList();

private:
    JobDialogManager* Manager();
    void DropManager();
    bool SaveAs();
    bool Save();
    bool SaveTo(const QString& sFileName);
    void ChangeSuppression(bool bSuppress);
    // Asks for a range in MHz; false when cancelled.
    bool AskRange(const QString& sTitle, double& dStart, double& dStop);
    void ShowError(const QString& sWhat);
    void UpdateActions();

    QMainWindow* m_pWindow;
    QMenu* m_pMenu;
    QAction* m_pSave;
    QAction* m_pSaveAs;
    QAction* m_pEdit;
    QAction* m_pSuppress;
    QAction* m_pUnSuppress;
    QAction* m_pImportList;
    QAction* m_pExportList;
    std::unique_ptr<JobDialogManager> m_pManager;
    bool m_bBusy = false;
};
