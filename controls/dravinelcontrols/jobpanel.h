#pragma once

#include "tolveth/treepanel.h"

#include <QString>

class QFrame;
class QSplitter;
class QTabWidget;
class TreeViewSplit;
class UndoHistory;

// A main window for job files. It shows two jobs, each as a device tree with its editors:
// the offline job (the job file being edited, the panel's document) and the device job
// (the job on the device), as tabs of one frame or tiled side by side, and copies a job
// from one to the other (Upload, Download). The two jobs are the nodes "Offline" and
// "Online" below the panel's tree path; the job's control data is their child "Dcd".
class JobPanel : public TreePanel
{
    Q_OBJECT

public:
    enum MenuId
    {
        ID_OFFLINE_JOB = 400,
        ID_DEVICE_JOB = 401,
        ID_TILE = 402,
        ID_CONNECT = 500,
        ID_DISCONNECT = 501,
        ID_UPLOAD = 502,
        ID_DOWNLOAD = 503,
    };

    explicit JobPanel(QWidget* pParent = nullptr, const char* pszName = nullptr);
    ~JobPanel() override;

    void NewFile(int nType) override;
    bool LoadFile(const QString& sFileName) override;
    bool SaveFile(const QString& sFileName) override;
    bool Close() override;
    QString GetFileOpenPattern() override;
    // A file without a job's control data at its top is no job file.
    QString RefuseContent(const std::vector<const values::TreeItem*>& vecItems) const override;
    TreeViewSplit* GetOnlineView() const { return m_pOnlineView; }
    // The undo history of the offline job.
    UndoHistory* GetHistory() const { return m_pHistory; }

protected:
    int InsertEditMenuItems() override;
    int InsertViewMenuItems() override;
    int InsertToolsMenuItems() override;
    ITreeListView* CreateView() override;
    void SetMainDisplay() override;
    void AddRootNode() override;
    QString GetFileNodePath() override;
    values::Node* GetDisplayNode() override;
    int SelectNewType() override;
    QString GetTextUnloaded() override;

    // The control data below the job node at sPath; null if either is missing.
    values::Node* GetNodeDcd(const QString& sPath);
    // The same, made if missing.
    values::Node* CreateNodeDcd(const QString& sPath);
    // Copies the control data of one job node into the other's; the source stays.
    void MoveDcd(const QString& sFrom, const QString& sTo);

protected slots:
    virtual void SlotOfflineJob();
    virtual void SlotOnlineJob();
    virtual void SlotTile();
    virtual void SlotConnect();
    virtual void SlotDisconnect();
    virtual void SlotUpload();
    virtual void SlotDownload();
    virtual void SlotNewJob(int iType);

private:
    // The two job nodes below the tree path (once the path is known).
    void CreateJobNodes();
    void ToggleMenuItem(Q4Menu* pMenu, int nId);
    void UpdateSplitterLayout();

    QSplitter* m_pSplitter;
    TreeViewSplit* m_pOnlineView = nullptr;
    QFrame* m_pOfflineFrame = nullptr;
    QFrame* m_pOnlineFrame = nullptr;
    QTabWidget* m_pOfflineTabWidget = nullptr;
    QTabWidget* m_pOnlineTabWidget = nullptr;
    QString m_sOfflinePath;
    QString m_sOnlinePath;
    UndoHistory* m_pHistory = nullptr;
};
