#include "studiojobmenu.h"

#include "dravinelcontrols/frequencytable.h"
#include "dravinelcontrols/jobdialogmanager.h"

#include "dravineldefinition/devicetypes.h"
#include "oskevo/valuecommentedrangemap.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QScopedValueRollback>

#include <algorithm>

namespace
{

// The job lives beside the device tree, the device is the sample's DF receiver.
const QString s_sJobPath = QLatin1Char('/') + StudioJobMenu::GetJobBaseName() + QStringLiteral("/JobRoot");
const QString s_sDevicePath = QStringLiteral("/Dev");
const double s_dMHz = 1e6;

QString JobFilePattern()
{
    return StudioJobMenu::tr("Job") + QStringLiteral(" (*.xml)");
}

// Larger lists are no suppress lists an operator keeps; refused before they are read.
const qint64 s_nMaxListBytes = 64 * 1024 * 1024;

QString ListFilePattern()
{
    return StudioJobMenu::tr("Suppress List") + QStringLiteral(" (*.tsv *.txt *.csv)");
}

bool IsCsv(const QString& sFileName)
{
    return sFileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

QDoubleSpinBox* FrequencyBox(double dMHz)
{
    auto* pBox = new QDoubleSpinBox;
    pBox->setRange(0.0, 100000.0);
    pBox->setDecimals(6);
    pBox->setSuffix(QStringLiteral(" MHz"));
    pBox->setValue(dMHz);
    return pBox;
}

} // namespace

QString StudioJobMenu::GetJobBaseName()
{
    return QStringLiteral("StudioJob");
}

StudioJobMenu::StudioJobMenu(QMainWindow* pWindow) : QObject(pWindow), m_pWindow(pWindow)
{
    m_pMenu = pWindow->menuBar()->addMenu(tr("&Job"));
    m_pMenu->addAction(tr("New Job"), this, &StudioJobMenu::SlotNew);
    m_pMenu->addAction(tr("Open Job..."), this, &StudioJobMenu::SlotOpen);
    m_pSave = m_pMenu->addAction(tr("Save Job"), this, &StudioJobMenu::SlotSave);
    m_pSaveAs = m_pMenu->addAction(tr("Save Job As..."), this, &StudioJobMenu::SlotSaveAs);
    m_pMenu->addSeparator();
    m_pEdit = m_pMenu->addAction(tr("Edit Job..."), this, &StudioJobMenu::SlotEdit);
    m_pSuppress = m_pMenu->addAction(tr("Suppress Range..."), this, &StudioJobMenu::SlotSuppress);
    m_pUnSuppress = m_pMenu->addAction(tr("Unsuppress Range..."), this, &StudioJobMenu::SlotUnSuppress);
    m_pImportList =
        m_pMenu->addAction(tr("Import Suppress List..."), this, &StudioJobMenu::SlotImportSuppressList);
    m_pExportList =
        m_pMenu->addAction(tr("Export Suppress List..."), this, &StudioJobMenu::SlotExportSuppressList);
    UpdateActions();
}

StudioJobMenu::~StudioJobMenu()
{
    // The menu may be gone already (the window deletes its children first).
    DropManager();
}

JobDialogManager* StudioJobMenu::Manager()
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    if (!m_pManager)
        m_pManager.reset(new JobDialogManager(this, s_sJobPath, s_sDevicePath,
                                              DravinelDefinition::DEVICETYPE_DF_RECEIVER));
    return m_pManager.get();
}

void StudioJobMenu::Release()
{
    DropManager();
    UpdateActions();
}

void StudioJobMenu::DropManager()
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    if (!m_pManager)
        return;
    m_pManager->Close();
    m_pManager->DeleteWatcher();
    m_pManager.reset();
}

bool StudioJobMenu::OpenJob(const QString& sFileName)
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    // A failed open leaves the open job as it was, so the manager's state needs no repair.
    const bool bOpened = Manager()->Open(sFileName);
    UpdateActions();
    return bOpened;
}

bool StudioJobMenu::QueryDropJob()
{
    if (!m_pManager || !m_pManager->IsOpen() || !m_pManager->IsModified())
        return true;
    const auto answer = QMessageBox::question(
        m_pWindow, m_pManager->GetCaption(), tr("The job has been modified. Save the changes?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer == QMessageBox::Discard || Save();
}

void StudioJobMenu::NotifyModified(bool /*bModified*/)
{
    UpdateActions();
}

void StudioJobMenu::SlotNew()
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    if (!QueryDropJob())
        return;
    bool bOk = false;
    const double dMHz = QInputDialog::getDouble(m_pWindow, tr("New Job"), tr("Frequency (MHz):"), 100.0, 0.0,
                                                100000.0, 6, &bOk);
    if (!bOk)
        return;
    Manager()->Close();
    m_pManager->New(dMHz * s_dMHz);
    UpdateActions();
}

void StudioJobMenu::SlotOpen()
{
    if (!QueryDropJob())
        return;
    const QString sFileName =
        QFileDialog::getOpenFileName(m_pWindow, tr("Open Job"), QString(), JobFilePattern());
    if (!sFileName.isEmpty() && !OpenJob(sFileName))
        ShowError(tr("The job %1 could not be opened.").arg(QDir::toNativeSeparators(sFileName)));
}

void StudioJobMenu::SlotSave()
{
    Save();
}

void StudioJobMenu::SlotSaveAs()
{
    SaveAs();
}

bool StudioJobMenu::Save()
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    if (!m_pManager || !m_pManager->IsOpen())
        return false;
    return m_pManager->GetFileName().isEmpty() ? SaveAs() : SaveTo(m_pManager->GetFileName());
}

bool StudioJobMenu::SaveTo(const QString& sFileName)
{
    const bool bSaved = m_pManager->Save(sFileName);
    if (!bSaved)
        ShowError(tr("The job could not be saved; the file on disk was left as it was."));
    UpdateActions();
    return bSaved;
}

bool StudioJobMenu::SaveAs()
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    if (!m_pManager || !m_pManager->IsOpen())
        return false;
    QFileDialog dialog(m_pWindow, tr("Save Job As"), m_pManager->GetFileName(), JobFilePattern());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return SaveTo(dialog.selectedFiles().first());
}

void StudioJobMenu::SlotEdit()
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    if (!m_pManager || !m_pManager->IsOpen())
        return;
    // Cancel rolls the job back to what it was before; the result needs no further handling.
    m_pManager->Show(false, false, false);
    UpdateActions();
}

void StudioJobMenu::SlotSuppress()
{
    ChangeSuppression(true);
}

void StudioJobMenu::SlotUnSuppress()
{
    ChangeSuppression(false);
}

void StudioJobMenu::ChangeSuppression(bool bSuppress)
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    double dStart = 0.0;
    double dStop = 0.0;
    if (m_pManager && m_pManager->IsOpen() &&
        AskRange(bSuppress ? tr("Suppress Range") : tr("Unsuppress Range"), dStart, dStop))
    {
        if (bSuppress)
            m_pManager->Suppress(dStart, dStop);
        else
            m_pManager->UnSuppress(dStart, dStop);
    }
    UpdateActions();
}

QString StudioJobMenu::ImportSuppressList(const QString& sFileName)
{
    const QScopedValueRollback<bool> busy(m_bBusy, true);
    if (!m_pManager || !m_pManager->IsOpen())
        return tr("There is no job to import into.");
    QFile file(sFileName);
    if (!file.open(QIODevice::ReadOnly))
        return tr("The list %1 could not be read: %2")
            .arg(QDir::toNativeSeparators(sFileName), file.errorString());
    if (file.size() > s_nMaxListBytes)
        return tr("The list %1 is too large for a suppress list.").arg(QDir::toNativeSeparators(sFileName));
    const QString sText = QString::fromUtf8(file.readAll());
    FrequencyTable table;
    if (!(IsCsv(sFileName) ? table.ReadCsv(sText) : table.ReadTsv(sText)))
        return tr("The list %1 is no suppress list: %2")
            .arg(QDir::toNativeSeparators(sFileName), table.GetError());
    values::ValueCommentedRangeMap list;
    for (const FrequencyTable::Row& row : table.GetRows())
        list.AddRange(row.dStart, row.dStop, row.sName);
    m_pManager->ImportSuppressRangesFromList(&list);
    UpdateActions();
    return QString();
}

QString StudioJobMenu::ExportSuppressList(const QString& sFileName)
{
    if (!m_pManager || !m_pManager->IsOpen())
        return tr("There is no job to export from.");
    values::ValueCommentedRangeMap list;
    m_pManager->ExportSuppressRangesToList(&list, nullptr);
    std::vector<FrequencyTable::Row> vecRows;
    for (int nKey : list.GetKeys())
    {
        const values::CommentedRange range = list.At(nKey);
        vecRows.push_back({range.GetRangeStart(), range.GetRangeStop(), range.GetComment(), true});
    }
    // Written aside and renamed over the old list, so that a failure leaves it whole.
    QSaveFile file(sFileName);
    const QByteArray text =
        (IsCsv(sFileName) ? FrequencyTable::WriteCsv(vecRows) : FrequencyTable::WriteTsv(vecRows)).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return tr("The list %1 could not be written: %2")
            .arg(QDir::toNativeSeparators(sFileName), file.errorString());
    return QString();
}

void StudioJobMenu::SlotImportSuppressList()
{
    const QString sFileName =
        QFileDialog::getOpenFileName(m_pWindow, tr("Import Suppress List"), QString(), ListFilePattern());
    const QString sError = sFileName.isEmpty() ? QString() : ImportSuppressList(sFileName);
    if (!sError.isEmpty())
        QMessageBox::warning(m_pWindow, tr("Job"), sError);
}

void StudioJobMenu::SlotExportSuppressList()
{
    QFileDialog dialog(m_pWindow, tr("Export Suppress List"), QString(), ListFilePattern());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tsv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString sError = ExportSuppressList(dialog.selectedFiles().first());
    if (!sError.isEmpty())
        QMessageBox::warning(m_pWindow, tr("Job"), sError);
}

bool StudioJobMenu::AskRange(const QString& sTitle, double& dStart, double& dStop)
{
    QDialog dialog(m_pWindow);
    dialog.setWindowTitle(sTitle);
    auto* pLayout = new QFormLayout(&dialog);
    QDoubleSpinBox* pStart = FrequencyBox(100.0);
    QDoubleSpinBox* pStop = FrequencyBox(110.0);
    pLayout->addRow(tr("Start:"), pStart);
    pLayout->addRow(tr("Stop:"), pStop);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pLayout->addRow(pButtons);
    connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dStart = std::min(pStart->value(), pStop->value()) * s_dMHz;
    dStop = std::max(pStart->value(), pStop->value()) * s_dMHz;
    return true;
}

void StudioJobMenu::ShowError(const QString& sWhat)
{
    const QString sWhy = m_pManager ? m_pManager->GetLastError() : QString();
    QMessageBox::warning(m_pWindow, tr("Job"), sWhy.isEmpty() ? sWhat : sWhat + QLatin1Char('\n') + sWhy);
}

void StudioJobMenu::UpdateActions()
{
    const bool bOpen = m_pManager && m_pManager->IsOpen();
    for (QAction* pAction :
         {m_pSave, m_pSaveAs, m_pEdit, m_pSuppress, m_pUnSuppress, m_pImportList, m_pExportList})
        pAction->setEnabled(bOpen);
    m_pSave->setEnabled(bOpen && m_pManager->IsModified());
}
