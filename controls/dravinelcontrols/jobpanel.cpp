#include "jobpanel.h"

#include "dravinelicons.h"
#include "dravinelviewctrl.h"
#include "newdevicedialog.h"
#include "undohistory.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "dravineldefinition/names.h"
#include "kvbase/errorhandler.h"
#include "kvbase/kvexception.h"
#include "kvbase/q4menu.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/vtxml.h"
#include "tolveth/treeviewsplit.h"

#include <QFrame>
#include <QPixmap>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace DravinelDefinition;

JobPanel::JobPanel(QWidget* pParent, const char* pszName)
    : TreePanel(pParent, pszName ? pszName : "JobPanel", Qt::Window)
{
    m_pSplitter = new QSplitter(this);
    SetCaption(tr("Job Edit"));
    SetKeepBackup(true); // one bad save can be undone by hand from "<file>~"
    TreePanel::Init(QStringLiteral("/"));
    CreateJobNodes();
}

JobPanel::~JobPanel()
{
    // The online view is a child widget and goes with the window; it must not keep the map.
    if (m_pOnlineView)
        m_pOnlineView->SetAliasMap(nullptr);
}

void JobPanel::CreateJobNodes()
{
    if (!m_sOfflinePath.isEmpty())
        return;
    m_sOfflinePath = m_sTreePath + QStringLiteral("Offline");
    m_sOnlinePath = m_sTreePath + QStringLiteral("Online");
    values::Node* pRoot = values::Tree::Instance()->GetRoot();
    pRoot->AddNode(m_sOfflinePath);
    pRoot->AddNode(m_sOnlinePath);
}

int JobPanel::InsertEditMenuItems()
{
    // The history needs the offline node, which the menus come before.
    CreateJobNodes();
    m_pHistory = new UndoHistory(values::Tree::Instance()->GetNode(m_sOfflinePath), this);
    m_pHistory->AddActions(GetEditMenu());
    connect(m_pHistory, &UndoHistory::cleanChanged, this,
            [this](bool bClean)
            {
                if (bClean)
                    SetModified(false);
            });
    return GetEditMenu()->actions().size();
}

int JobPanel::InsertViewMenuItems()
{
    m_pViewMenu->insertItem(tr("&Offline Job"), this, SLOT(SlotOfflineJob()),
                            QKeySequence(Qt::ALT + Qt::Key_1), ID_OFFLINE_JOB);
    m_pViewMenu->insertItem(tr("&Device Job"), this, SLOT(SlotOnlineJob()), QKeySequence(Qt::ALT + Qt::Key_2),
                            ID_DEVICE_JOB);
    m_pViewMenu->insertItem(tr("&Tile"), this, SLOT(SlotTile()), QKeySequence(Qt::ALT + Qt::Key_T), ID_TILE);
    return 2;
}

int JobPanel::InsertToolsMenuItems()
{
    m_pToolsMenu->insertItem(QPixmap(DravinelIcons::Connect()), tr("&Connect to..."), this,
                             SLOT(SlotConnect()), QKeySequence(Qt::CTRL + Qt::Key_C), ID_CONNECT);
    m_pToolsMenu->insertItem(QPixmap(DravinelIcons::Disconnect()), tr("&Disconnect"), this,
                             SLOT(SlotDisconnect()), QKeySequence(Qt::CTRL + Qt::Key_D), ID_DISCONNECT);
    m_pToolsMenu->insertSeparator();
    m_pToolsMenu->insertItem(QPixmap(DravinelIcons::Upload()), tr("&Upload"), this, SLOT(SlotUpload()),
                             QKeySequence(Qt::CTRL + Qt::Key_U), ID_UPLOAD);
    m_pToolsMenu->insertItem(QPixmap(DravinelIcons::Download()), tr("Down&load"), this, SLOT(SlotDownload()),
                             QKeySequence(Qt::CTRL + Qt::Key_L), ID_DOWNLOAD);
    return 5;
}

ITreeListView* JobPanel::CreateView()
{
    auto* pOfflineView = new TreeViewSplit(m_pSplitter, false);
    new DravinelViewCtrl(static_cast<ITreeListView*>(pOfflineView)); // the view owns it
    pOfflineView->Init(nullptr);
    pOfflineView->SetObserver(this);

    m_pOnlineView = new TreeViewSplit(m_pSplitter, false);
    new DravinelViewCtrl(static_cast<ITreeListView*>(m_pOnlineView));
    m_pOnlineView->Init(nullptr);
    m_pOnlineView->SetAliasMap(GetAliasMap());

    auto makeFrame = [this](QTabWidget*& pTabWidget, const char* pszName)
    {
        auto* pFrame = new QFrame(m_pSplitter);
        pFrame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        auto* pLayout = new QVBoxLayout(pFrame);
        pLayout->setContentsMargins(3, 3, 3, 3);
        pTabWidget = new QTabWidget(pFrame);
        pTabWidget->setObjectName(QLatin1String(pszName));
        pTabWidget->setTabPosition(QTabWidget::South);
        pLayout->addWidget(pTabWidget);
        return pFrame;
    };
    m_pOfflineFrame = makeFrame(m_pOfflineTabWidget, "JobPanel_OfflineTabWidget");
    m_pOnlineFrame = makeFrame(m_pOnlineTabWidget, "JobPanel_OnlineTabWidget");
    m_pOnlineFrame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_pOfflineTabWidget->addTab(pOfflineView, tr("Offline"));
    m_pOnlineTabWidget->addTab(m_pOnlineView, tr("Online"));

    m_pViewMenu->setItemChecked(ID_OFFLINE_JOB, true);
    m_pViewMenu->setItemChecked(ID_DEVICE_JOB, false);
    m_pViewMenu->setItemChecked(ID_TILE, false);
    m_pView = pOfflineView; // the layout below moves the main view
    UpdateSplitterLayout();
    return pOfflineView;
}

void JobPanel::UpdateSplitterLayout()
{
    QWidget* pOfflineView = m_pView ? m_pView->WidgetCast() : nullptr;
    m_pOfflineFrame->hide();
    m_pOnlineFrame->hide();
    auto removeFrom = [](QTabWidget* pTabWidget, QWidget* pWidget)
    {
        const int nIndex = pWidget ? pTabWidget->indexOf(pWidget) : -1;
        if (nIndex >= 0)
            pTabWidget->removeTab(nIndex);
    };
    removeFrom(m_pOfflineTabWidget, pOfflineView);
    removeFrom(m_pOfflineTabWidget, m_pOnlineView);
    removeFrom(m_pOnlineTabWidget, m_pOnlineView);

    if (m_pViewMenu->isItemChecked(ID_OFFLINE_JOB) && pOfflineView)
        m_pOfflineTabWidget->addTab(pOfflineView, tr("Offline"));
    if (m_pViewMenu->isItemChecked(ID_DEVICE_JOB))
    {
        QTabWidget* pTarget = m_pViewMenu->isItemChecked(ID_TILE) ? m_pOnlineTabWidget : m_pOfflineTabWidget;
        pTarget->addTab(m_pOnlineView, tr("Online"));
    }
    // A view taken out of its tab stays a hidden child of that tab widget.
    m_pOfflineFrame->setVisible(m_pOfflineTabWidget->count() > 0);
    m_pOnlineFrame->setVisible(m_pOnlineTabWidget->count() > 0);
}

void JobPanel::ToggleMenuItem(Q4Menu* pMenu, int nId)
{
    pMenu->setItemChecked(nId, !pMenu->isItemChecked(nId));
}

void JobPanel::SlotOfflineJob()
{
    ToggleMenuItem(m_pViewMenu, ID_OFFLINE_JOB);
    UpdateSplitterLayout();
}

void JobPanel::SlotOnlineJob()
{
    ToggleMenuItem(m_pViewMenu, ID_DEVICE_JOB);
    UpdateSplitterLayout();
}

void JobPanel::SlotTile()
{
    ToggleMenuItem(m_pViewMenu, ID_TILE);
    UpdateSplitterLayout();
}

void JobPanel::SlotConnect()
{
    // There is no device connection to make here; the host's job.
}

void JobPanel::SlotDisconnect()
{
    m_pOnlineView->Unload();
}

void JobPanel::SlotUpload()
{
    MoveDcd(m_sOfflinePath, m_sOnlinePath);
    if (!m_pOnlineView->IsLoaded())
    {
        if (values::Node* pDcd = GetNodeDcd(m_sOnlinePath))
            m_pOnlineView->Load(pDcd);
    }
}

void JobPanel::SlotDownload()
{
    MoveDcd(m_sOnlinePath, m_sOfflinePath);
}

void JobPanel::SlotNewJob(int /*iType*/)
{
    // The new job is made by NewFile once the dialog has ended.
}

values::Node* JobPanel::GetNodeDcd(const QString& sPath)
{
    values::Node* pNode = values::Tree::Instance()->GetNode(sPath);
    return pNode ? pNode->GetChildNode(&g_vdNodeDcd) : nullptr;
}

values::Node* JobPanel::CreateNodeDcd(const QString& sPath)
{
    return values::ValueDescriptor::CreateNodeAbsolute(sPath + C::g_sSLASH + C::g_sDcd, nullptr);
}

void JobPanel::MoveDcd(const QString& sFrom, const QString& sTo)
{
    values::Node* pSource = CreateNodeDcd(sFrom);
    values::Node* pTarget = CreateNodeDcd(sTo);
    if (!pSource || !pTarget || pSource == pTarget)
        return;
    pTarget->SetAsStdString(pSource->GetAsStdString(), nullptr);
    try
    {
        values::VtXml::FromXml(pTarget, values::VtXml::ToXml(pSource));
    }
    catch (const KVException& exception)
    {
        // The target keeps what it had; only a job beyond the reader's limits gets here.
        ShowMessage(tr("The job could not be copied.") + QLatin1Char('\n') + exception.GetText());
    }
}

void JobPanel::SetMainDisplay()
{
    setCentralWidget(m_pSplitter);
}

void JobPanel::AddRootNode()
{
    values::Tree::Instance()->GetRoot()->AddNode(m_sOfflinePath);
    DecorateRootNode();
}

QString JobPanel::GetFileNodePath()
{
    return m_sOfflinePath;
}

values::Node* JobPanel::GetDisplayNode()
{
    values::Node* pNodeDisplay = GetNodeDcd(m_sOfflinePath);
    KV_ASSERT(pNodeDisplay, "JobPanel::GetDisplayNode", __LINE__);
    return pNodeDisplay;
}

int JobPanel::SelectNewType()
{
    // The dialog deletes itself on close, so exec deletes it before it returns.
    auto* pDialog =
        new NewDeviceDialog(this, DeviceDefinitionCenter::Instance().GetDeviceTypes(), GetAliasMap());
    connect(pDialog, SIGNAL(SignalNewDevice(int)), this, SLOT(SlotNewJob(int)));
    const int nType = pDialog->exec();
    // Cancel ends it with 0 and closing with -1, neither a device type: the open job stays.
    return nType >= 0 && DeviceDefinitionCenter::Instance().GetDeviceDefinition(nType) ? nType : -1;
}

void JobPanel::NewFile(int nType)
{
    TreePanel::NewFile(nType);
    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(nType);
    values::IDynamicRules* pRules = pDefinition ? pDefinition->GetRulesMap().Find(&g_vdNodeJobRoot) : nullptr;
    values::Node* pOffline = GetFileNode();
    if (pRules && pOffline)
        pRules->CreateChild(pOffline, &g_vdNodeDcd, nullptr);
    // The steps of the job before are no steps of this one.
    if (m_pHistory)
        m_pHistory->Clear();
}

bool JobPanel::LoadFile(const QString& sFileName)
{
    const bool bLoaded = TreePanel::LoadFile(sFileName);
    if (bLoaded && m_pHistory)
        m_pHistory->Clear();
    return bLoaded;
}

bool JobPanel::SaveFile(const QString& sFileName)
{
    const bool bSaved = TreePanel::SaveFile(sFileName);
    if (bSaved && m_pHistory)
        m_pHistory->SetClean();
    return bSaved;
}

bool JobPanel::Close()
{
    const bool bClosed = TreePanel::Close();
    if (bClosed && m_pHistory)
        m_pHistory->Clear();
    return bClosed;
}

QString JobPanel::RefuseContent(const std::vector<const values::TreeItem*>& vecItems) const
{
    for (const values::TreeItem* pItem : vecItems)
        if (pItem->IsNode() && pItem->GetValueDescriptor() == &g_vdNodeDcd)
            return QString();
    return tr("it holds no job");
}

QString JobPanel::GetFileOpenPattern()
{
    return tr("Job File") + QStringLiteral(" (*.xml)");
}

QString JobPanel::GetTextUnloaded()
{
    return tr("no job loaded");
}
