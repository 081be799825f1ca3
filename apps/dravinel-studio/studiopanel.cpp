#include "studiopanel.h"

#include "studiojobmenu.h"

#include "dravinelcontrols/dravinelview.h"
#include "dravinelcontrols/undohistory.h"

#include "dravineldefinition/sampledata.h"
#include "kvbase/q4menu.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"

#include <QCloseEvent>
#include <QInputDialog>
#include <QScopedValueRollback>

StudioPanel::StudioPanel(QWidget* pParent) : TreePanel(pParent, "DravinelStudio")
{
}

StudioPanel::~StudioPanel()
{
    // The job's manager needs the tree and the menus it works on.
    delete m_pJobMenu;
}

void StudioPanel::Init(const QString& sTreePath)
{
    const bool bFirst = !m_pJobMenu;
    TreePanel::Init(sTreePath);
    if (bFirst)
        m_pJobMenu = new StudioJobMenu(this);
}

void StudioPanel::NewFile(int nType)
{
    // The job works on a device of the tree that is about to be replaced.
    if (m_pJobMenu)
        m_pJobMenu->Release();
    TreePanel::NewFile(nType);
    if (nType == TYPE_SAMPLE)
        DravinelDefinition::SampleData::Fill(values::Tree::Instance()->GetRoot());
    // The steps of the tree before are no steps of this one.
    if (m_pHistory)
        m_pHistory->Clear();
}

bool StudioPanel::LoadFile(const QString& sFileName)
{
    // The job works on a device of the tree that is about to be replaced.
    if (m_pJobMenu && !sFileName.isEmpty())
    {
        if (!m_pJobMenu->QueryDropJob())
            return false;
        m_pJobMenu->Release();
    }
    const bool bLoaded = TreePanel::LoadFile(sFileName);
    if (bLoaded && m_pHistory)
        m_pHistory->Clear();
    return bLoaded;
}

bool StudioPanel::SaveFile(const QString& sFileName)
{
    values::Node* pRoot = values::Tree::Instance()->GetRoot();
    values::Node* pJob = pRoot->GetChildNode(StudioJobMenu::GetJobBaseName());
    if (!pJob)
    {
        const bool bSaved = TreePanel::SaveFile(sFileName);
        if (bSaved && m_pHistory)
            m_pHistory->SetClean();
        return bSaved;
    }
    {
        const QScopedValueRollback<bool> moving(m_bMovingJob, true);
        pRoot->TakeItem(pJob);
    }
    const bool bSaved = TreePanel::SaveFile(sFileName);
    if (bSaved && m_pHistory)
        m_pHistory->SetClean();
    const QScopedValueRollback<bool> moving(m_bMovingJob, true);
    pRoot->AddItem(pJob);
    return bSaved;
}

void StudioPanel::NotifyModified(bool bModified)
{
    if (m_bMovingJob || (m_pJobMenu && m_pJobMenu->IsBusy()))
        return;
    TreePanel::NotifyModified(bModified);
}

int StudioPanel::InsertEditMenuItems()
{
    m_pHistory = new UndoHistory(values::Tree::Instance()->GetRoot(), this);
    m_pHistory->SetIgnoredChild(StudioJobMenu::GetJobBaseName());
    m_pHistory->AddActions(GetEditMenu());
    // Undoing back to the saved tree leaves it unmodified.
    connect(m_pHistory, &UndoHistory::cleanChanged, this,
            [this](bool bClean)
            {
                if (bClean)
                    SetModified(false);
            });
    return GetEditMenu()->actions().size();
}

QString StudioPanel::GetFileOpenPattern()
{
    return tr("Device Tree") + QStringLiteral(" (*.xml)");
}

ITreeListView* StudioPanel::CreateView()
{
    return new DravinelView(this);
}

QString StudioPanel::GetFileNodePath()
{
    // The document is the whole process-wide tree: the device tree lives at its root.
    return QStringLiteral("/");
}

int StudioPanel::SelectNewType()
{
    // A new device tree drops the job, so a modified one is asked about first.
    if (m_pJobMenu && !m_pJobMenu->QueryDropJob())
        return -1;
    const QStringList lstTypes{tr("Sample device tree"), tr("Empty device tree")};
    bool bOk = false;
    const QString sChoice =
        QInputDialog::getItem(this, windowTitle(), tr("New document:"), lstTypes, 0, false, &bOk);
    return bOk ? lstTypes.indexOf(sChoice) : -1;
}

QString StudioPanel::GetTextUnloaded()
{
    return tr("no device tree loaded");
}

void StudioPanel::closeEvent(QCloseEvent* pEvent)
{
    if (m_pJobMenu && !m_pJobMenu->QueryDropJob())
    {
        pEvent->ignore();
        return;
    }
    TreePanel::closeEvent(pEvent);
}
