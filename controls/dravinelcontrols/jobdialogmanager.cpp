#include "dravinelcontrols/jobdialogmanager.h"

#include "dravinelcontrols/jobdialog.h"
#include "dravinelcontrols/undohistory.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/dravineltree.h"
#include "dravineldefinition/names.h"
#include "dravineldefinition/nodefactory.h"
#include "kvbase/errorhandler.h"
#include "kvbase/kvexception.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/treewatcher.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valueselection.h"
#include "oskevo/vtfile.h"
#include "oskevo/vttransaction.h"

#include <vector>

using namespace DravinelDefinition;

namespace
{

const QString s_sSource = QStringLiteral("dravinelcontrols/jobdialogmanager");

void Assert(bool bCondition, const char* pszExpression, int nLine)
{
    if (!bCondition && ErrorHandler::Instance()->IsAssertOn())
        ErrorHandler::Instance()->_Q_assert(QString::fromLatin1(pszExpression), s_sSource, nLine);
}

values::ValueString* DcdString(values::Node* pDcd, const QString& sName)
{
    values::Node* pAttr = pDcd->GetChildNode(C::g_sDcdAttr);
    return pAttr ? dynamic_cast<values::ValueString*>(pAttr->GetChildValue(sName)) : nullptr;
}

template <class T> T* CreateValue(const values::ValueDescriptor& descriptor)
{
    T* pValue = dynamic_cast<T*>(descriptor.Create(nullptr));
    if (!pValue)
        throw KVException(QStringLiteral("Wrong type assumed for %1.").arg(descriptor.PathName()),
                          QStringLiteral("CreateValue"), s_sSource);
    return pValue;
}

// The name a job takes from its file: "dir/scan.band.xml" gives "scan.band".
QString JobNameOfFile(const QString& sFileName)
{
    QString sName = sFileName.mid(sFileName.lastIndexOf(QLatin1Char('/')) + 1);
    const int nDot = sName.lastIndexOf(QLatin1Char('.'));
    return nDot >= 0 ? sName.left(nDot) : sName;
}

} // namespace

JobDialogManager::JobDialogManager(values::IModifyObserver* pObserver, const QString& sOfflinePath,
                                   const QString& sDevicePath, unsigned int uDeviceType)
    : m_rGeometry(20, 100, 1000, 500), m_uDeviceType(uDeviceType),
      m_pBackup(new values::Node(QStringLiteral("Backup"))), m_sOfflinePath(sOfflinePath),
      m_sDevicePath(sDevicePath)
{
    SetObserver(pObserver);
    m_pOffline = values::ValueDescriptor::CreateNodeAbsolute(m_sOfflinePath, nullptr);
    m_pDevice = values::ValueDescriptor::CreateNodeAbsolute(m_sDevicePath, nullptr);
    m_pDevice->SetValueDescriptor(&g_vdNodeDev, nullptr);
    values::ValueDescriptor::SetBasePath(m_pDevice->GetPathName());
    m_pOperationMode = CreateValue<values::ValueSelection>(g_vdOperationMode);
    m_pJobNew = CreateValue<values::ValueInt>(g_vdJobNew);
    m_pTransfer.reset(new JobTransfer(m_pOffline, m_pDevice, m_uDeviceType));
    m_pHistory.reset(new UndoHistory(m_pOffline));
    // Undoing back to the saved job leaves it unmodified.
    connect(m_pHistory.get(), &UndoHistory::cleanChanged, this,
            [this](bool bClean)
            {
                if (bClean && m_pOfflineWatcher)
                    SetbModified(false);
            });
}

JobDialogManager::~JobDialogManager()
{
    Assert(!m_pOfflineWatcher, "! m_pOfflineWatcher", __LINE__);
    Assert(!m_pSessionWatcher, "!m_pSessionWatcher", __LINE__);
    // Watchers left behind would report to a deleted object.
    DeleteWatcher();
    delete m_pDialog;
}

void JobDialogManager::CreateWatchers()
{
    Assert(!m_pOfflineWatcher, "! m_pOfflineWatcher", __LINE__);
    DeleteWatcher();
    m_pOfflineWatcher = new values::TreeWatcher(this, m_pOffline);
    m_pSessionWatcher = new values::TreeWatcher(nullptr, m_pOffline);
    m_pOfflineWatcher->SetbModified(false);
    m_pSessionWatcher->SetbModified(false);
    // The backup of an earlier job is no backup of this one.
    m_bBackupValid = false;
    m_pBackup->DeleteChildren();
    m_pHistory->Clear();
}

void JobDialogManager::DeleteWatcher()
{
    delete m_pOfflineWatcher;
    m_pOfflineWatcher = nullptr;
    delete m_pSessionWatcher;
    m_pSessionWatcher = nullptr;
}

void JobDialogManager::New(double dFrequency)
{
    Assert(!IsOpen(), "!IsOpen()", __LINE__);
    m_sFileName.clear();
    if (!m_pOffline->GetChildNode(&g_vdNodeDcd))
        InsertDcd();
    InsertFd(dFrequency, dFrequency, false);
    CreateWatchers();
}

bool JobDialogManager::Open(const QString& sFileName)
{
    // Read aside first: only a whole, good job file may replace the job that is open.
    values::Node read(QStringLiteral("Read"));
    try
    {
        values::VtFile(sFileName, &read, this).Read();
        if (!read.GetChildNode(&g_vdNodeDcd))
            throw KVException(QStringLiteral("Cannot read \"%1\": it holds no job").arg(sFileName),
                              QStringLiteral("JobDialogManager::Open"), sFileName);
    }
    catch (const KVException& exception)
    {
        Report(exception);
        return false;
    }
    Close();
    {
        values::VtTransaction transaction;
        m_pOffline->DeleteChildren();
        while (read.GetChildCount() > 0)
            m_pOffline->AddItem(read.TakeItem(read.GetTreeItems().front()));
    }
    m_sFileName = sFileName;
    m_sLastError.clear();
    CreateWatchers();
    return true;
}

void JobDialogManager::FixTree(values::Node* pNode)
{
    if (values::Node* pDcd = pNode->GetChildNode(&g_vdNodeDcd))
        NodeFactory::Complete(pDcd);
}

void JobDialogManager::Close()
{
    if (!m_pOfflineWatcher)
        return;
    DeleteDialog();
    DeleteWatcher();
    m_sFileName.clear();
    m_pOffline->DeleteChildren();
    m_pBackup->DeleteChildren();
    m_bBackupValid = false;
    m_pHistory->Clear();
}

bool JobDialogManager::Save(const QString& sFileName)
{
    values::Node* pDcd = m_pOffline->GetChildNode(&g_vdNodeDcd);
    if (!pDcd)
    {
        m_sLastError = tr("There is no job to save.");
        return false;
    }
    // The job names its file; a failed save puts the old names back.
    values::ValueString* pFileName = DcdString(pDcd, C::g_sDcdFileName);
    values::ValueString* pName = DcdString(pDcd, C::g_sDcdName);
    const QString sOldFileName = pFileName ? pFileName->GetValue() : QString();
    const QString sOldName = pName ? pName->GetValue() : QString();
    const bool bWasModified = IsModified();
    if (pFileName)
        pFileName->SetValue(sFileName);
    if (pName && pName->GetValue().isEmpty())
        pName->SetValue(JobNameOfFile(sFileName));
    try
    {
        values::VtFile file(sFileName, m_pOffline, this);
        file.SetKeepBackup(true);
        file.Write();
    }
    catch (const KVException& exception)
    {
        if (pFileName)
            pFileName->SetValue(sOldFileName);
        if (pName)
            pName->SetValue(sOldName);
        SetbModified(bWasModified);
        Report(exception);
        return false;
    }
    m_sFileName = sFileName;
    m_sLastError.clear();
    Assert(m_pOfflineWatcher, "m_pOfflineWatcher", __LINE__);
    SetbModified(false);
    m_pHistory->SetClean();
    return true;
}

void JobDialogManager::Report(const KVException& exception)
{
    if (ErrorHandler::Instance()->IsTraceOn())
        ErrorHandler::Instance()->_Q_Trace(QStringLiteral("KVException caught"), s_sSource, __LINE__);
    ErrorHandler::Instance()->Interface(exception);
    m_sLastError = exception.GetMessage();
}

bool JobDialogManager::IsModified()
{
    return m_pOfflineWatcher && m_pOfflineWatcher->IsModified();
}

void JobDialogManager::SetbModified(bool bModified)
{
    if (m_pOfflineWatcher)
        m_pOfflineWatcher->SetbModified(bModified);
}

void JobDialogManager::NotifyModified(bool bModified)
{
    if (m_pModifyObserver)
        m_pModifyObserver->NotifyModified(bModified);
}

QString JobDialogManager::GetCaption()
{
    QString sCaption = tr("Job Edit");
    if (m_pOffline->GetChildCount() == 0)
        return sCaption + QStringLiteral(" - [ ") + tr("no job loaded") + QStringLiteral(" ]");
    return sCaption + QStringLiteral(" - [") + (m_sFileName.isEmpty() ? tr("unnamed") : m_sFileName) +
           (IsModified() ? QStringLiteral("*]") : QStringLiteral("]"));
}

QRect& JobDialogManager::GetGeometry()
{
    if (m_pDialog)
        m_rGeometry = m_pDialog->geometry();
    return m_rGeometry;
}

bool JobDialogManager::CreateDialog(bool bFfm, bool bSearch, bool bScan)
{
    if (m_pDialog)
        return false;
    m_pDialog = new JobDialog(m_pOffline->GetChildNode(C::g_sDcd), nullptr, m_rGeometry, false, m_uDeviceType,
                              bFfm, bSearch, bScan);
    return true;
}

int JobDialogManager::ExecDialog(const QString& sCaption)
{
    if (!m_pDialog)
        return JobDialog::RESULT_REJECTED;
    m_pDialog->setWindowTitle(sCaption);
    const int nResult = m_pDialog->exec();
    m_rGeometry = m_pDialog->geometry();
    return nResult;
}

values::Node* JobDialogManager::GetDialogCurrentFd()
{
    return m_pDialog ? m_pDialog->GetCurrentFd() : nullptr;
}

void JobDialogManager::DeleteDialog()
{
    if (!m_pDialog)
        return;
    m_rGeometry = m_pDialog->geometry();
    delete m_pDialog;
    m_pDialog = nullptr;
}

int JobDialogManager::Show(bool bFfm, bool bSearch, bool bScan)
{
    Assert(IsOpen(), "IsOpen()", __LINE__);
    if (!IsOpen())
        return 0;
    const int nOldMode = m_pOperationMode->GetCurrentKey();
    m_pOperationMode->SelectKey(0, nullptr);
    const bool bWasModified = m_pOfflineWatcher->IsModified();
    if (CreateDialog(bFfm, bSearch, bScan))
    {
        // Building the dialog may touch the job; that is no edit of the operator.
        m_pOfflineWatcher->SetbModified(bWasModified);
        m_pOfflineWatcher->NotifyModified(nullptr, 0);
    }
    // The backup is refreshed only when the job changed since the last one, and taken
    // always when there is none yet: a roll-back restores the job of this run, never an
    // empty one.
    if (!m_bBackupValid || m_pSessionWatcher->IsModified())
    {
        CreateOfflineJobBackup();
        m_pSessionWatcher->SetbModified(false);
    }
    const int nResult = ExecDialog(GetCaption());
    bool bChanged = m_pSessionWatcher->IsModified();
    switch (nResult)
    {
    case 1:
        TransferFfm(GetDialogCurrentFd());
        m_pOperationMode->SelectKey(1, nullptr);
        break;
    case 3:
    case 4:
    case 5:
        break;
    default:
        if (bChanged)
        {
            DeleteDialog();
            RestoreOfflineJobFromBackup();
        }
        if (!bWasModified)
        {
            bChanged = false;
            m_pOfflineWatcher->SetbModified(false);
            m_pOfflineWatcher->NotifyModified(nullptr, 0);
        }
        m_pOperationMode->SelectKey(nOldMode, nullptr);
        break;
    }
    if (bChanged)
        m_pOfflineWatcher->SetbModified(true);
    return nResult;
}

void JobDialogManager::TransferFfm(values::Node* pFd)
{
    Assert(pFd, "pFd", __LINE__);
    if (!pFd)
        return;
    values::BaseTree* pTree = values::Tree::Instance();
    values::ValueBase* pFrequency = pTree->GetValue(m_pDevice->GetPathName() + g_vdFrequency.PathName());
    values::ValueBase* pStart = pTree->GetValue(pFd->GetPathName() + g_vdFStart.PathName());
    Assert(pFrequency && pFrequency->IsNumeric(), "pValue", __LINE__);
    Assert(pStart && pStart->IsNumeric(), "pValue", __LINE__);
    if (pFrequency && pStart)
        pFrequency->SetNumber(pStart->GetNumber(), nullptr);
    values::Node* pDeviceIf = pTree->GetNode(m_pDevice->GetPathName() + g_vdNodeIf.PathName());
    values::Node* pFdIf = DravinelTree::GetParameterSetForFd(&g_vdNodeIf, pFd);
    if (pDeviceIf && pFdIf && pFdIf != pDeviceIf)
        pDeviceIf->Merge(pFdIf);
}

void JobDialogManager::CreateOfflineJobBackup()
{
    m_pBackup->DeleteChildren();
    m_pBackup->Copy(m_pOffline);
    m_bBackupValid = true;
}

void JobDialogManager::RestoreOfflineJobFromBackup()
{
    if (!m_bBackupValid)
        return;
    values::VtTransaction transaction;
    m_pOffline->DeleteChildren();
    m_pOffline->Copy(m_pBackup.get());
    // The steps of the rolled-back session are gone with it.
    m_pHistory->Clear();
}

void JobDialogManager::CopyJob(values::Node* pSource, values::Node* pTarget)
{
    if (!pSource || pSource->GetValueDescriptor() != &g_vdNodeDcd || !pTarget ||
        pTarget->GetValueDescriptor() != &g_vdNodeDcd)
        return;
    const std::vector<values::TreeItem*> vecItems = pTarget->GetTreeItems();
    for (values::TreeItem* pItem : vecItems)
        pTarget->DeleteItem(pItem);
    pTarget->CopyChildren(pSource);
}

void JobDialogManager::LoadOnlineJob(int nJobNew)
{
    values::VtTransaction transaction(false);
    CopyJob(m_pOffline->GetChildNode(&g_vdNodeDcd), m_pDevice->GetChildNode(&g_vdNodeDcd));
    m_pJobNew->SetValue(nJobNew, nullptr);
}

void JobDialogManager::SaveJobToOffline(values::Node* pJob)
{
    values::Node* pDcd = m_pOffline->GetChildNode(&g_vdNodeDcd);
    if (!pDcd)
    {
        try
        {
            pDcd = InsertDcd();
        }
        catch (const KVException&)
        {
            // Without a control data there is nothing to copy into.
        }
    }
    CopyJob(pJob, pDcd);
    DeleteDialog();
}
