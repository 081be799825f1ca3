#include "tolveth/treepanel.h"

#include "kvbase/kvexception.h"
#include "kvbase/q4menu.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/treewatcher.h"
#include "oskevo/vtfile.h"
#include "tolveth/aliasmap.h"
#include "tolveth/itreelistview.h"
#include "tolveth/treeviewsplit.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>

namespace
{
const char* const g_pszRecentFilesKey = "RecentFiles";
}

TreePanel::TreePanel(QWidget* pParent, const char* pszName, Qt::WindowFlags flags)
    : QMainWindow(pParent, flags)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : "TreePanel"));
    m_pOwnAliasMap = new AliasMap;
    m_pAliasMap = m_pOwnAliasMap;
    m_pFileMenu = new Q4Menu(tr("&File"), this);
    m_pEditMenu = new Q4Menu(tr("&Edit"), this);
    m_pViewMenu = new Q4Menu(tr("&View"), this);
    m_pOptionsMenu = new Q4Menu(tr("&Options"), this);
    m_pToolsMenu = new Q4Menu(tr("&Tools"), this);
    m_pRecentMenu = new Q4Menu(tr("Recent &Files"), this);
}

TreePanel::~TreePanel()
{
    delete m_pWatcher;
    m_pWatcher = nullptr;
    // The view is a child widget and goes with the window; it must not keep the map.
    if (m_pView && m_pViewWidget)
    {
        m_pView->SetObserver(nullptr);
        if (m_pView->GetAliasMap() == m_pOwnAliasMap)
            m_pView->SetAliasMap(nullptr);
    }
    delete m_pOwnAliasMap;
}

void TreePanel::Init(const QString& sTreePath)
{
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    m_sTreePath = sTreePath;
    if (!m_sTreePath.endsWith(QLatin1Char('/')))
        m_sTreePath += QLatin1Char('/');

    const int nFile = InsertFileMenuItems();
    const int nEdit = InsertEditMenuItems();
    const int nView = InsertViewMenuItems();
    const int nOptions = InsertOptionsMenuItems();
    const int nTools = InsertToolsMenuItems();
    if (nFile > 0)
        menuBar()->addMenu(m_pFileMenu);
    if (nEdit > 0)
        menuBar()->addMenu(m_pEditMenu);
    if (nView > 0)
        menuBar()->addMenu(m_pViewMenu);
    if (nOptions > 0)
        menuBar()->addMenu(m_pOptionsMenu);
    if (nTools > 0)
        menuBar()->addMenu(m_pToolsMenu);

    if (ITreeListView* pView = CreateView())
        m_pView = pView;
    if (m_pView)
    {
        m_pViewWidget = m_pView->WidgetCast();
        if (!m_pView->GetAliasMap())
            m_pView->SetAliasMap(m_pAliasMap);
        m_pView->SetObserver(this);
    }
    SetMainDisplay();
    SetCaption();
    UpdateActions();
}

int TreePanel::InsertFileMenuItems()
{
    m_pFileMenu->insertItem(tr("&New..."), this, SLOT(SlotNew()), QKeySequence::New, ID_NEW);
    m_pFileMenu->insertItem(tr("&Open..."), this, SLOT(SlotOpen()), QKeySequence::Open, ID_OPEN);
    m_pFileMenu->insertItem(tr("&Save"), this, SLOT(SlotSave()), QKeySequence::Save, ID_SAVE);
    m_pFileMenu->insertItem(tr("Save &As..."), this, SLOT(SlotSaveAs()), QKeySequence(), ID_SAVE_AS);
    m_pFileMenu->insertItem(tr("&Close"), this, SLOT(SlotClose()), QKeySequence(Qt::CTRL + Qt::Key_W),
                            ID_CLOSE);
    m_pFileMenu->insertSeparator();
    m_pFileMenu->insertItem(m_pRecentMenu->title(), m_pRecentMenu, ID_RECENT);
    m_pFileMenu->insertSeparator();
    m_pFileMenu->insertItem(tr("E&xit"), this, SLOT(SlotExit()), QKeySequence(Qt::CTRL + Qt::Key_Q), ID_EXIT);
    RebuildRecentMenu();
    return m_pFileMenu->actions().size();
}

int TreePanel::InsertEditMenuItems()
{
    return 0;
}

int TreePanel::InsertViewMenuItems()
{
    return 0;
}

int TreePanel::InsertOptionsMenuItems()
{
    return 0;
}

int TreePanel::InsertToolsMenuItems()
{
    return 0;
}

ITreeListView* TreePanel::CreateView()
{
    TreeViewSplit* pSplit = new TreeViewSplit(this, false);
    pSplit->Init(nullptr);
    return pSplit;
}

void TreePanel::SetMainDisplay()
{
    if (m_pView && m_pView->WidgetCast())
        setCentralWidget(m_pView->WidgetCast());
}

void TreePanel::AddRootNode()
{
    values::Tree::Instance()->GetRoot()->AddNode(GetFileNodePath());
    DecorateRootNode();
}

void TreePanel::DecorateRootNode()
{
}

QString TreePanel::GetFileNodePath()
{
    return m_sTreePath + QStringLiteral("Document");
}

values::Node* TreePanel::GetDisplayNode()
{
    return GetFileNode();
}

int TreePanel::SelectNewType()
{
    return 0;
}

QString TreePanel::GetFileOpenPattern()
{
    return tr("Document") + QStringLiteral(" (*.xml)");
}

QString TreePanel::GetTextUnloaded()
{
    return tr("no document loaded");
}

QString TreePanel::GetVersion() const
{
    return QStringLiteral("0.0");
}

values::Node* TreePanel::GetFileNode()
{
    return values::Tree::Instance()->GetNode(GetFileNodePath());
}

QString TreePanel::GetDefaultSuffix()
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\\*\\.([A-Za-z0-9_]+)")).match(GetFileOpenPattern());
    return match.hasMatch() ? match.captured(1) : QString();
}

void TreePanel::SetAliasMap(IAliasMap* pAliasMap)
{
    m_pAliasMap = pAliasMap ? pAliasMap : m_pOwnAliasMap;
    if (m_pView)
        m_pView->SetAliasMap(m_pAliasMap);
}

// ---- commands -------------------------------------------------------------------------

bool TreePanel::New()
{
    if (!QuerySaveChanges())
        return false;
    const int nType = SelectNewType();
    if (nType < 0)
        return false;
    NewFile(nType);
    ShowDocument();
    return true;
}

bool TreePanel::Open()
{
    if (!QuerySaveChanges())
        return false;
    const QString sFileName = AskOpenFileName();
    if (sFileName.isEmpty())
        return false;
    return LoadFile(sFileName);
}

bool TreePanel::OpenFile(const QString& sFileName)
{
    if (sFileName.isEmpty() || !QuerySaveChanges())
        return false;
    return LoadFile(sFileName);
}

bool TreePanel::Save()
{
    if (!m_bLoaded)
        return false;
    if (m_sFileName.isEmpty())
        return SaveAs();
    return SaveFile(m_sFileName);
}

bool TreePanel::SaveAs()
{
    if (!m_bLoaded)
        return false;
    QString sFileName = AskSaveFileName();
    if (sFileName.isEmpty())
        return false;
    const QString sSuffix = GetDefaultSuffix();
    if (!sSuffix.isEmpty() && QFileInfo(sFileName).suffix().isEmpty())
        sFileName += QLatin1Char('.') + sSuffix;
    return SaveFile(sFileName);
}

bool TreePanel::Close()
{
    if (!QuerySaveChanges())
        return false;
    m_bBusy = true;
    if (m_pView)
        m_pView->Unload();
    if (values::Node* pNode = GetFileNode())
        pNode->DeleteChildren();
    m_bBusy = false;
    m_sFileName.clear();
    m_bLoaded = false;
    m_bModified = false;
    SetCaption();
    UpdateActions();
    return true;
}

bool TreePanel::QuerySaveChanges()
{
    if (!m_bLoaded || !m_bModified)
        return true;
    switch (AskSaveChanges())
    {
    case ANSWER_SAVE:
        return Save(); // a failed or cancelled save keeps the document
    case ANSWER_DISCARD:
        return true;
    case ANSWER_CANCEL:
    default:
        return false;
    }
}

// ---- file operations ------------------------------------------------------------------

bool TreePanel::LoadFile(const QString& sFileName)
{
    if (sFileName.isEmpty())
        return false;
    AddRootNode();
    values::Node* pNode = GetFileNode();
    if (!pNode)
    {
        ShowMessage(tr("The file %1 could not be opened.").arg(QDir::toNativeSeparators(sFileName)) +
                    QLatin1Char('\n') + tr("There is no node %1 to hold it.").arg(GetFileNodePath()));
        return false;
    }

    m_bBusy = true;
    if (m_pView)
        m_pView->Unload();
    try
    {
        values::VtFile(sFileName, pNode, this).Read();
    }
    catch (const KVException& exception)
    {
        // The node is as it was: show it again and keep its modified state.
        if (m_bLoaded && m_pView)
        {
            if (values::Node* pDisplay = GetDisplayNode())
                m_pView->Load(pDisplay);
        }
        m_bBusy = false;
        ShowMessage(tr("The file %1 could not be opened.").arg(QDir::toNativeSeparators(sFileName)) +
                    QLatin1Char('\n') + exception.GetText());
        return false;
    }
    m_bBusy = false;
    m_sFileName = QFileInfo(sFileName).absoluteFilePath();
    m_bLoaded = true;
    AddRecentFile(m_sFileName);
    WatchFileNode(pNode);
    ShowDocument();
    return true;
}

bool TreePanel::SaveFile(const QString& sFileName)
{
    values::Node* pNode = m_bLoaded ? GetFileNode() : nullptr;
    if (!pNode)
    {
        ShowMessage(tr("There is no document to save."));
        return false;
    }
    if (sFileName.isEmpty())
        return false;
    try
    {
        values::VtFile file(sFileName, pNode, this);
        file.SetKeepBackup(m_bKeepBackup);
        file.Write();
    }
    catch (const KVException& exception)
    {
        ShowMessage(tr("The file %1 could not be saved.").arg(QDir::toNativeSeparators(sFileName)) +
                    QLatin1Char('\n') + exception.GetText() + QLatin1Char('\n') +
                    tr("The file on disk was left as it was; the edits are still here."));
        return false;
    }
    m_sFileName = QFileInfo(sFileName).absoluteFilePath();
    AddRecentFile(m_sFileName);
    SetModified(false);
    return true;
}

void TreePanel::NewFile(int /*nType*/)
{
    AddRootNode();
    values::Node* pNode = GetFileNode();
    m_bBusy = true;
    if (m_pView)
        m_pView->Unload();
    if (pNode)
        pNode->DeleteChildren();
    m_bBusy = false;
    m_sFileName.clear();
    m_bLoaded = pNode != nullptr;
    WatchFileNode(pNode);
}

void TreePanel::ShowDocument()
{
    m_bBusy = true;
    if (m_pView)
    {
        values::Node* pDisplay = m_bLoaded ? GetDisplayNode() : nullptr;
        if (pDisplay)
            m_pView->Load(pDisplay);
        else
            m_pView->Unload();
    }
    m_bBusy = false;
    SetModified(false);
}

void TreePanel::WatchFileNode(values::Node* pNode)
{
    if (m_pWatcher && m_pWatcher->GetNode() == pNode)
        return;
    delete m_pWatcher;
    m_pWatcher = pNode ? new values::TreeWatcher(this, pNode) : nullptr;
}

void TreePanel::SetModified(bool bModified)
{
    m_bBusy = true;
    if (m_pWatcher)
        m_pWatcher->SetbModified(bModified);
    if (m_pView)
        m_pView->SetbModified(bModified);
    m_bBusy = false;
    m_bModified = bModified && m_bLoaded;
    SetCaption();
    UpdateActions();
}

void TreePanel::NotifyModified(bool bModified)
{
    // Views also report "not modified" when they are reset; only the panel clears the mark.
    if (m_bBusy || !bModified || !m_bLoaded || m_bModified)
        return;
    m_bModified = true;
    SetCaption(); // the title may still be the one of no document (while NewFile fills it)
}

// ---- caption and menus ----------------------------------------------------------------

void TreePanel::SetCaption(const QString& sCaptionText)
{
    m_sCaption = sCaptionText;
    SetCaption();
}

void TreePanel::SetCaption()
{
    QString sTitle = m_sCaption.isEmpty() ? CfgCenter::GetAppName() : m_sCaption;
    if (!sTitle.isEmpty())
        sTitle += QStringLiteral(" - ");
    if (!m_bLoaded)
    {
        sTitle += QStringLiteral("[ ") + GetTextUnloaded() + QStringLiteral(" ]");
    }
    else
    {
        QString sName = m_sFileName.isEmpty() ? tr("unnamed") : QFileInfo(m_sFileName).fileName();
        // "[*]" is Qt's modified placeholder; a literal one in a name is written twice.
        sName.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
        sTitle += QStringLiteral("[") + sName + QStringLiteral("[*]]");
    }
    // The mark goes before a title without placeholder comes, and comes after it.
    setWindowModified(false);
    setWindowTitle(sTitle);
    setWindowModified(m_bLoaded && m_bModified);
}

void TreePanel::UpdateActions()
{
    if (!m_pFileMenu->containsItem(ID_SAVE))
        return; // a derived panel built its own File menu
    m_pFileMenu->setItemEnabled(ID_SAVE, m_bLoaded);
    m_pFileMenu->setItemEnabled(ID_SAVE_AS, m_bLoaded);
    m_pFileMenu->setItemEnabled(ID_CLOSE, m_bLoaded);
}

void TreePanel::SetRecentFilesSettings(QSettings* pSettings)
{
    m_pSettings = pSettings;
    if (m_pSettings)
    {
        const QStringList lstStored =
            m_pSettings->value(objectName() + QLatin1Char('/') + QLatin1String(g_pszRecentFilesKey))
                .toStringList();
        // What was opened in this session stays in front.
        for (const QString& sFile : lstStored)
            if (!m_lstRecentFiles.contains(sFile) && m_lstRecentFiles.size() < s_nMaxRecentFiles)
                m_lstRecentFiles.append(sFile);
        StoreRecentFiles();
    }
    RebuildRecentMenu();
}

void TreePanel::ClearRecentFiles()
{
    m_lstRecentFiles.clear();
    StoreRecentFiles();
    RebuildRecentMenu();
}

void TreePanel::AddRecentFile(const QString& sFileName)
{
    m_lstRecentFiles.removeAll(sFileName);
    m_lstRecentFiles.prepend(sFileName);
    while (m_lstRecentFiles.size() > s_nMaxRecentFiles)
        m_lstRecentFiles.removeLast();
    StoreRecentFiles();
    RebuildRecentMenu();
}

void TreePanel::RemoveRecentFile(const QString& sFileName)
{
    m_lstRecentFiles.removeAll(sFileName);
    StoreRecentFiles();
    RebuildRecentMenu();
}

void TreePanel::StoreRecentFiles()
{
    if (m_pSettings)
        m_pSettings->setValue(objectName() + QLatin1Char('/') + QLatin1String(g_pszRecentFilesKey),
                              m_lstRecentFiles);
}

void TreePanel::RebuildRecentMenu()
{
    // Entries are reused, never deleted: this may run inside the slot of one of them.
    for (int i = 0; i < s_nMaxRecentFiles; ++i)
    {
        if (!m_pRecentMenu->containsItem(i))
            m_pRecentMenu->insertItem(QString(), this, SLOT(SlotRecentFile(int)), QKeySequence(), i);
        const bool bUsed = i < m_lstRecentFiles.size();
        m_pRecentMenu->setItemVisible(i, bUsed);
        if (!bUsed)
            continue;
        QString sText = QFileInfo(m_lstRecentFiles[i]).fileName();
        sText.replace(QLatin1Char('&'), QStringLiteral("&&"));
        m_pRecentMenu->changeItem(i, QStringLiteral("&%1 %2").arg(i + 1).arg(sText));
        if (QAction* pAction = m_pRecentMenu->actionForId(i))
            pAction->setToolTip(QDir::toNativeSeparators(m_lstRecentFiles[i]));
    }
    m_pRecentMenu->setEnabled(!m_lstRecentFiles.isEmpty());
    if (m_pFileMenu->containsItem(ID_RECENT))
        m_pFileMenu->setItemEnabled(ID_RECENT, !m_lstRecentFiles.isEmpty());
}

// ---- answers --------------------------------------------------------------------------

QString TreePanel::AskOpenFileName()
{
    const QString sDir = m_sFileName.isEmpty() ? QString() : QFileInfo(m_sFileName).absolutePath();
    return QFileDialog::getOpenFileName(this, tr("Open"), sDir, GetFileOpenPattern());
}

QString TreePanel::AskSaveFileName()
{
    return QFileDialog::getSaveFileName(this, tr("Save As"), m_sFileName, GetFileOpenPattern());
}

TreePanel::SaveAnswer TreePanel::AskSaveChanges()
{
    const QString sName = m_sFileName.isEmpty() ? tr("unnamed") : QFileInfo(m_sFileName).fileName();
    QMessageBox box(QMessageBox::Question, CfgCenter::GetAppName(),
                    tr("The document %1 has been modified.").arg(sName) + QLatin1Char('\n') +
                        tr("Do you want to save your changes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec())
    {
    case QMessageBox::Save:
        return ANSWER_SAVE;
    case QMessageBox::Discard:
        return ANSWER_DISCARD;
    default:
        return ANSWER_CANCEL;
    }
}

void TreePanel::ShowMessage(const QString& sText)
{
    QMessageBox::information(nullptr, CfgCenter::GetAppName(), sText, QMessageBox::Ok);
}

void TreePanel::closeEvent(QCloseEvent* pEvent)
{
    if (QuerySaveChanges())
        pEvent->accept();
    else
        pEvent->ignore();
}

// ---- slots ----------------------------------------------------------------------------

void TreePanel::SlotNew()
{
    New();
}

void TreePanel::SlotOpen()
{
    Open();
}

void TreePanel::SlotSave()
{
    Save();
}

void TreePanel::SlotSaveAs()
{
    SaveAs();
}

void TreePanel::SlotClose()
{
    Close();
}

void TreePanel::SlotExit()
{
    close();
}

void TreePanel::SlotRecentFile(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_lstRecentFiles.size())
        return;
    const QString sFileName = m_lstRecentFiles[nIndex];
    if (!QFileInfo::exists(sFileName))
    {
        ShowMessage(tr("The file %1 no longer exists.").arg(QDir::toNativeSeparators(sFileName)));
        RemoveRecentFile(sFileName);
        return;
    }
    OpenFile(sFileName);
}
