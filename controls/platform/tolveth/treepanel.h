#pragma once

#include "oskevo/imodified.h"
#include "oskevo/vtfileversion.h"
#include "tolveth/ifileopener.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

class IAliasMap;
class ITreeListView;
class Q4Menu;
class QSettings;

namespace values
{
class Node;
class TreeWatcher;
} // namespace values

// A main window that edits one document kept as a node of the process-wide value tree and
// stored as a file of the value framework: File menu (new, open, save, save as, close,
// recent files, exit), a caption naming the file with a modified mark, and a question
// before unsaved edits are discarded. Derived panels fill in the hooks: the main view, the
// node the file holds, the node the view shows, the new-document types and further menus.
//
// Document states: unloaded (no document), loaded unnamed (after New), loaded with a file.
// Any change below the file node, or reported by the view, marks the document modified; a
// successful save, load or new clears the mark. A failed save leaves the document modified
// and the file on disk as it was; a failed load leaves the document as it was.
//
// Questions and file dialogs go through the virtual Ask... operations, messages through
// ShowMessage, so that hosts and tests can answer them.
class TreePanel : public QMainWindow,
                  public IFileOpener,
                  public values::IModifyObserver,
                  public values::VtFileVersion
{
    Q_OBJECT

public:
    // Ids of the File menu entries. The other menus are the derived panel's: by custom Edit
    // 200.., Options 300.., View 400.., Tools 500...
    enum FileMenuId
    {
        ID_NEW = 100,
        ID_OPEN = 101,
        ID_SAVE = 102,
        ID_SAVE_AS = 103,
        ID_CLOSE = 104,
        ID_RECENT = 105,
        ID_EXIT = 106,
    };
    enum SaveAnswer
    {
        ANSWER_SAVE,
        ANSWER_DISCARD,
        ANSWER_CANCEL,
    };
    static const int s_nMaxRecentFiles = 8;

    TreePanel(QWidget* pParent = nullptr, const char* pszName = nullptr, Qt::WindowFlags flags = Qt::Window);
    ~TreePanel() override;

    // Builds the menus and the main view for documents kept below sTreePath (a "/" is added
    // when missing). Only the first call builds; later calls change nothing.
    virtual void Init(const QString& sTreePath);
    const QString& GetTreePath() const { return m_sTreePath; }

    // Operator commands; each asks about unsaved edits first and answers whether it was done.
    bool New();
    bool Open();
    bool Save();
    bool SaveAs();
    virtual bool Close();

    // File operations without questions (errors are shown with ShowMessage).
    // Replaces the document by the file's content; on failure the document stays as it was.
    virtual bool LoadFile(const QString& sFileName);
    // Writes the document; on failure the file on disk stays as it was.
    virtual bool SaveFile(const QString& sFileName);
    // Whether a save keeps the file it replaces beside it as "<file>~" (default off).
    void SetKeepBackup(bool bKeepBackup) { m_bKeepBackup = bKeepBackup; }

    // Makes an empty document of a type (from SelectNewType) below the file node; New then
    // shows it. Derived panels call the base first and then add the type's content.
    virtual void NewFile(int nType);
    // Shows the display node in the view and takes the document as unmodified.
    void ShowDocument();

    // IFileOpener
    bool OpenFile(const QString& sFileName) override;
    QString GetFileOpenPattern() override;

    // The caption: "<caption text> - [<file name>*]" with the modified mark, "unnamed" for
    // a new document and "[ <GetTextUnloaded> ]" without one. The caption text defaults to
    // the application name.
    void SetCaption();
    void SetCaption(const QString& sCaptionText);
    const QString& GetCaptionText() const { return m_sCaption; }

    const QString& GetFileName() const { return m_sFileName; }
    bool IsDocumentLoaded() const { return m_bLoaded; }
    bool IsModified() const { return m_bModified; }

    // Asks whether to save unsaved edits (if there are any) and does what was answered.
    // True when the caller may go on and discard the document.
    bool QuerySaveChanges();

    // values::IModifyObserver: a report of a change marks the document modified.
    void NotifyModified(bool bModified) override;
    // values::VtFileVersion: files carry version "0.0".
    QString GetVersion() const override;

    ITreeListView* GetView() const { return m_pView; }
    // The alias map given to the main view; the panel's own (empty) one until set.
    IAliasMap* GetAliasMap() const { return m_pAliasMap; }
    void SetAliasMap(IAliasMap* pAliasMap);

    Q4Menu* GetFileMenu() const { return m_pFileMenu; }
    Q4Menu* GetEditMenu() const { return m_pEditMenu; }
    Q4Menu* GetViewMenu() const { return m_pViewMenu; }
    Q4Menu* GetOptionsMenu() const { return m_pOptionsMenu; }
    Q4Menu* GetToolsMenu() const { return m_pToolsMenu; }
    Q4Menu* GetRecentMenu() const { return m_pRecentMenu; }

    // Most recent first. Kept in memory; also in the given settings (null: memory only,
    // the default), which are read at once and written at every change.
    const QStringList& GetRecentFiles() const { return m_lstRecentFiles; }
    void SetRecentFilesSettings(QSettings* pSettings);
    void ClearRecentFiles();

protected:
    // Menu hooks, called once by Init in this order. Each fills its menu and answers how
    // many entries it holds; a menu answering 0 is left out of the menu bar. The base fills
    // only the File menu.
    virtual int InsertFileMenuItems();
    virtual int InsertEditMenuItems();
    virtual int InsertViewMenuItems();
    virtual int InsertOptionsMenuItems();
    virtual int InsertToolsMenuItems();

    // The main view (called by Init after the menus); default a split tree view.
    virtual ITreeListView* CreateView();
    // Puts the main display into the window; default the main view as central widget.
    virtual void SetMainDisplay();
    // Makes the file node if missing, then DecorateRootNode; called before every new or
    // loaded document.
    virtual void AddRootNode();
    virtual void DecorateRootNode();
    // The node whose children the file holds; default "<tree path>Document".
    virtual QString GetFileNodePath();
    // The node the main view shows; default the file node.
    virtual values::Node* GetDisplayNode();
    // The type of a new document, -1 to cancel; default 0 without asking.
    virtual int SelectNewType();
    // The caption's text while no document is loaded.
    virtual QString GetTextUnloaded();

    // Answers, replaceable by hosts and tests. Empty file names cancel.
    virtual QString AskOpenFileName();
    virtual QString AskSaveFileName();
    virtual SaveAnswer AskSaveChanges();
    // An information box without parent, titled with the application name.
    virtual void ShowMessage(const QString& sText);

    void closeEvent(QCloseEvent* pEvent) override;

    values::Node* GetFileNode();
    // The suffix of the first "*.<suffix>" of the open pattern, empty if none.
    QString GetDefaultSuffix();

protected slots:
    void SlotNew();
    void SlotOpen();
    void SlotSave();
    void SlotSaveAs();
    void SlotClose();
    void SlotExit();
    void SlotRecentFile(int nIndex);

protected:
    // Sets the modified mark of the document (and of its watcher and view).
    void SetModified(bool bModified);
    ITreeListView* m_pView = nullptr;
    Q4Menu* m_pFileMenu;
    Q4Menu* m_pEditMenu;
    Q4Menu* m_pViewMenu;
    Q4Menu* m_pOptionsMenu;
    Q4Menu* m_pToolsMenu;
    Q4Menu* m_pRecentMenu;
    QString m_sTreePath;
    QString m_sCaption;

private:
    void AddRecentFile(const QString& sFileName);
    void RemoveRecentFile(const QString& sFileName);
    void StoreRecentFiles();
    void RebuildRecentMenu();
    void UpdateActions();
    void WatchFileNode(values::Node* pNode);

    QPointer<QWidget> m_pViewWidget; // tells whether the main view is still alive
    QString m_sFileName;
    bool m_bInitialised = false;
    bool m_bLoaded = false;
    bool m_bModified = false;
    bool m_bKeepBackup = false;
    bool m_bBusy = false; // changes made by the panel itself are no edits
    values::TreeWatcher* m_pWatcher = nullptr;
    IAliasMap* m_pAliasMap;
    IAliasMap* m_pOwnAliasMap;
    QStringList m_lstRecentFiles;
    QSettings* m_pSettings = nullptr;
};
