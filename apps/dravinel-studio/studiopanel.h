#pragma once

#include "tolveth/treepanel.h"

class StudioJobMenu;
class UndoHistory;

// The studio's main window: the whole device tree of the process-wide value tree as one
// document, shown in a split tree view, kept in device-tree files.
class StudioPanel : public TreePanel
{
    Q_OBJECT

public:
    enum DocumentType
    {
        TYPE_SAMPLE = 0, // the built-in sample device tree
        TYPE_EMPTY = 1,  // an empty device tree
    };

    explicit StudioPanel(QWidget* pParent = nullptr);
    ~StudioPanel() override;

    void Init(const QString& sTreePath) override;
    void NewFile(int nType) override;
    bool LoadFile(const QString& sFileName) override;
    // The job is no part of the device tree: it is left out of its files and its changes
    // leave the device tree unmodified.
    bool SaveFile(const QString& sFileName) override;
    void NotifyModified(bool bModified) override;
    QString GetFileOpenPattern() override;
    StudioJobMenu* GetJobMenu() const { return m_pJobMenu; }
    // The undo history of the device tree (the job keeps its own).
    UndoHistory* GetHistory() const { return m_pHistory; }

protected:
    ITreeListView* CreateView() override;
    QString GetFileNodePath() override;
    int SelectNewType() override;
    // Undo and Redo, with the text of the step they would take.
    int InsertEditMenuItems() override;
    QString GetTextUnloaded() override;
    // A modified job is asked about before the window closes.
    void closeEvent(QCloseEvent* pEvent) override;

private:
    StudioJobMenu* m_pJobMenu = nullptr;
    UndoHistory* m_pHistory = nullptr;
    bool m_bMovingJob = false;
};
