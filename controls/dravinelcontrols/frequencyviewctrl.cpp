#include "dravinelcontrols/frequencyviewctrl.h"

#include "dravinelcontrols/frequencylistorder.h"
#include "dravinelcontrols/frequencylistpaste.h"
#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewitem.h"
#include "dravinelcontrols/tableitem.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/idevicedefinition.h"
#include "dravineldefinition/names.h"
#include "kvbase/errorhandler.h"
#include "kvbase/kvexception.h"
#include "oskevo/dynamicrulesmap.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valueselection.h"
#include "oskevo/vttransaction.h"
#include "oskevo/vtxml.h"
#include "paltrey/resortpopupmenu.h"
#include "quorlin/rgexception.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <unordered_map>
#include <unordered_set>

using namespace DravinelDefinition;

FrequencyViewCtrl::MessageSink FrequencyViewCtrl::s_messageSink;

namespace
{

const QString s_sSource = QStringLiteral("controls/dravinelcontrols/frequencyviewctrl");

void Assert(const char* pszExpression, int nLine)
{
    if (ErrorHandler::Instance()->IsAssertOn())
        ErrorHandler::Instance()->_Q_assert(QString::fromLatin1(pszExpression), s_sSource, nLine);
}

void Trace(const QString& sText, int nLine)
{
    if (ErrorHandler::Instance()->IsTraceOn())
        ErrorHandler::Instance()->_Q_Trace(sText, s_sSource, nLine);
}

values::ValueBase* ValueOf(values::Node* pNode, const values::ValueDescriptor& descriptor)
{
    return pNode ? pNode->GetValue(descriptor.PathName().mid(1)) : nullptr;
}

// Up to this many rows count as a few: new ones are put into a sorted table one by one, and
// their definitions are deleted in any order; more are sorted at once.
const size_t s_nFewRows = 16;

} // namespace

FrequencyViewCtrl::FrequencyViewCtrl(FrequencyView* pView)
    : QItemDelegate(nullptr), m_pView(pView), m_pNode(nullptr), m_nInsertionRow(0), m_nPendingInsertions(0),
      m_pClipboard(QGuiApplication::clipboard()), m_pViewAlive(pView)
{
}

void FrequencyViewCtrl::SetFrequencyView(FrequencyView* pView)
{
    m_pView = pView;
    m_pViewAlive = pView;
}

FrequencyViewCtrl::~FrequencyViewCtrl()
{
    // The rows' mediators go while this controller is whole; they leave their rows alone.
    DestructMediators();
    m_mapRows.clear();
    if (m_pNode)
        m_pNode->DeleteObserver(this);
    // A view that lives on (its maker deletes the controller first) must not keep actions that
    // call nobody, nor paint with a deleted delegate.
    delete m_pMenu.data();
    if (m_pViewAlive && m_pView->itemDelegate() == this)
        m_pView->setItemDelegate(m_pPreviousDelegate);
}

FrequencyViewCtrl::MessageSink FrequencyViewCtrl::SetMessageSink(MessageSink sink)
{
    MessageSink previous = std::move(s_messageSink);
    s_messageSink = std::move(sink);
    return previous;
}

bool FrequencyViewCtrl::ShowMessage(const QString& sText)
{
    // The box runs an event loop, in which the host may delete the view and so this controller.
    const QPointer<FrequencyViewCtrl> pAlive(this);
    const QString sTitle = CfgCenter::GetAppName();
    if (s_messageSink)
        s_messageSink(sTitle, sText);
    else
        QMessageBox::information(nullptr, sTitle, sText);
    return !pAlive.isNull();
}

void FrequencyViewCtrl::Init(values::Node* pNode)
{
    if (!m_bInitialised && m_pView)
    {
        // Views that call Init again (split view) must not get the columns and menu twice.
        m_bInitialised = true;
        AddColumns();
        AddAttributes();
        AddMenu();
        AddConnects();
    }
    if (pNode)
        Load(pNode);
    if (m_pView)
        m_pView->show();
}

void FrequencyViewCtrl::Load(values::Node* pNode)
{
    if (!pNode)
    {
        Assert("pNode", 534);
        return;
    }
    if (m_pNode && m_pNode != pNode)
        Unload();
    const bool bNew = m_pNode != pNode;
    m_pNode = pNode;
    UpdateViewItemList();
    if (bNew)
        m_pNode->AddObserver(this);
}

void FrequencyViewCtrl::Unload()
{
    if (m_pNode)
    {
        m_pNode->DeleteObserver(this);
        m_pNode = nullptr;
    }
    // Every row tells this controller that it goes, as it would when destroyed (a split view
    // lets go of its current row and parameters); the table is then emptied in one step rather
    // than row by row, and the mediators find no row of their own to remove.
    std::vector<FrequencyViewItem*> vecRows;
    vecRows.reserve(m_mapRows.size());
    for (auto& entry : m_mapRows)
        vecRows.push_back(entry.second);
    for (FrequencyViewItem* pItem : vecRows)
    {
        NotifyViewItemDeleted(pItem);
        pItem->ForgetRow();
    }
    m_mapRows.clear();
    if (m_pView)
        m_pView->setRowCount(0);
    Clear();
}

bool FrequencyViewCtrl::IsLoaded()
{
    return GetMediatorCount() > 0;
}

void FrequencyViewCtrl::NotifyViewItemCreated(values::Mediator* pMediator)
{
    auto* pItem = dynamic_cast<FrequencyViewItem*>(pMediator);
    if (pItem && pItem->GetViewItem())
        m_mapRows[pItem->GetViewItem()] = pItem;
}

void FrequencyViewCtrl::NotifyViewItemDeleted(values::Mediator* pMediator)
{
    if (IsDestructing())
        return;
    auto* pItem = dynamic_cast<FrequencyViewItem*>(pMediator);
    if (pItem && pItem->GetViewItem())
    {
        auto it = m_mapRows.find(pItem->GetViewItem());
        if (it != m_mapRows.end() && it->second == pItem)
        {
            m_mapRows.erase(it);
            return;
        }
    }
    for (auto it = m_mapRows.begin(); it != m_mapRows.end(); ++it)
    {
        if (it->second == pItem)
        {
            m_mapRows.erase(it);
            return;
        }
    }
}

std::list<MenuCommand> FrequencyViewCtrl::GetMenuCommandList()
{
    return m_listMenuCommands;
}

void FrequencyViewCtrl::OnCommand(unsigned int /*nCommand*/)
{
    // The commands are offered in the context menu.
}

void FrequencyViewCtrl::AddColumns()
{
    AppendColumns({tr("Start"), tr("Stop"), tr("Name"), tr("Suppress")});
    m_pView->setColumnWidth(3, 30);
}

void FrequencyViewCtrl::AppendColumns(const QStringList& listHeaders)
{
    if (m_pView->itemDelegate() != this)
    {
        m_pPreviousDelegate = m_pView->itemDelegate();
        m_pView->setItemDelegate(this);
    }
    const int nFirst = m_pView->columnCount();
    for (int i = 0; i < listHeaders.size(); ++i)
    {
        m_pView->insertColumn(nFirst + i);
        m_pView->setHorizontalHeaderItem(nFirst + i, new QTableWidgetItem(listHeaders[i]));
    }
}

void FrequencyViewCtrl::AddAttributes()
{
    m_pView->setSelectionMode(QAbstractItemView::MultiSelection);
    m_pView->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pView->setSortingEnabled(true);
    QPalette palette = m_pView->palette();
    palette.setColor(QPalette::Active, QPalette::Base, palette.color(QPalette::Active, QPalette::Window));
    m_pView->setPalette(palette);
}

void FrequencyViewCtrl::AddConnects()
{
    connect(m_pView, SIGNAL(customContextMenuRequested(const QPoint&)), this,
            SLOT(SlotContextMenuRequested(const QPoint&)));
    connect(m_pView, SIGNAL(currentCellChanged(int, int, int, int)), this,
            SLOT(SlotCurrentCellChanged(int, int, int, int)));
    if (m_pClipboard)
        connect(m_pClipboard, SIGNAL(dataChanged()), this, SLOT(SlotEnable()));
    connect(m_pView, SIGNAL(cellPressed(int, int)), this, SLOT(SlotCellPressed(int, int)));
}

void FrequencyViewCtrl::AddMenu()
{
    m_pMenu = new ResortPopupMenu(m_pView, tr("ViewMenu").toLatin1().constData());
    // New and Insert also sit in the view, so their shortcuts work while it has the focus.
    QAction* pNew =
        m_pMenu->insertItem(tr("New Frequency"), this, SLOT(SlotNew()), QKeySequence(Qt::CTRL + Qt::Key_F));
    QAction* pInsert = m_pMenu->insertItem(tr("Insert Frequency"), this, SLOT(SlotInsert()),
                                           QKeySequence(Qt::CTRL + Qt::Key_I));
    for (QAction* pAction : {pNew, pInsert})
    {
        if (!pAction)
            continue;
        pAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_pView->addAction(pAction);
    }
    m_actions.m_pDeleteAction = m_pMenu->insertItem(tr("&Delete Frequency"), this, SLOT(SlotDelete()));
    if (m_actions.m_pDeleteAction)
        m_actions.m_pDeleteAction->setEnabled(false);
    m_pMenu->insertItem(tr("Keep Order"), this, SLOT(SlotReOrderTreeItems()));
    m_pMenu->insertSeparator();
    m_actions.m_pCutAction = m_pMenu->insertItem(tr("Cut"), this, SLOT(SlotCut()));
    m_actions.m_pCopyAction = m_pMenu->insertItem(tr("Copy"), this, SLOT(SlotCopy()));
    m_actions.m_pPasteAction = m_pMenu->insertItem(tr("Paste"), this, SLOT(SlotPaste()));
    if (m_actions.m_pPasteAction)
        m_actions.m_pPasteAction->setEnabled(false);
}

void FrequencyViewCtrl::UpdateViewItemList()
{
    if (!m_pNode || !m_pView)
        return;
    // One pass over the children; a definition that has its row already costs a hash look-up.
    std::vector<std::pair<values::Node*, int>> vecMissing;
    int nIndex = 0;
    for (values::TreeItem* pChild : m_pNode->GetTreeItems())
    {
        values::Node* pFd = RowNode(pChild);
        if (!pFd)
            continue;
        if (!GetMediator(pFd))
            vecMissing.emplace_back(pFd, nIndex);
        ++nIndex;
    }

    if (!vecMissing.empty())
    {
        // In a table the operator sorted, a few new rows go straight to their places (each row
        // puts its cell of the sort column in last, so the row moves whole); many new rows are
        // added with the sort paused and sorted once.
        const int nSortColumn = FrequencyView::SortColumn(m_pView);
        const bool bPlaceEach = nSortColumn >= 0 && vecMissing.size() <= s_nFewRows;
        std::unique_ptr<FrequencyView::SortingPause> pPause(
            bPlaceEach ? nullptr : new FrequencyView::SortingPause(m_pView));
        const int nRows = m_pView->rowCount();
        // New definitions at the end of the list (load, new, paste) get their rows in one step.
        bool bTail = !bPlaceEach && m_nPendingInsertions <= 0;
        for (size_t i = 0; bTail && i < vecMissing.size(); ++i)
            bTail = vecMissing[i].second == nRows + int(i);
        if (bTail)
            m_pView->setRowCount(nRows + int(vecMissing.size()));
        // Pending insertions go to the insertion row, one below the other in list order.
        const int nInsertAt = std::min(std::max(m_nInsertionRow, 0), nRows);
        int nInserted = 0;
        m_sListPath = m_pNode->GetPathName_NoSlashForRoot();
        m_bListPathKnown = true;
        {
            // Cells put into rows made ready above change no row structure; the view hears of
            // them once, for the whole block, instead of cell by cell.
            const QSignalBlocker blocker(bTail ? m_pView->model() : nullptr);
            for (const auto& missing : vecMissing)
            {
                int nRow = missing.second;
                if (m_nPendingInsertions > 0)
                {
                    nRow = nInsertAt + nInserted++;
                    --m_nPendingInsertions;
                }
                if (auto* pItem = dynamic_cast<FrequencyViewItem*>(CreateMediator(missing.first)))
                    pItem->Init(nRow);
            }
        }
        m_bListPathKnown = false;
        if (bTail)
        {
            QAbstractItemModel* pModel = m_pView->model();
            emit pModel->dataChanged(pModel->index(nRows, 0),
                                     pModel->index(m_pView->rowCount() - 1, m_pView->columnCount() - 1));
            // Rows made ready for definitions that could not be shown.
            for (int nRow = m_pView->rowCount() - 1; nRow >= nRows; --nRow)
            {
                if (FrequencyView::IsRowFree(m_pView, nRow))
                    m_pView->removeRow(nRow);
            }
        }
    }

    m_nInsertionRow = InsertionRowAfterRebuild(m_nInsertionRow);
    SelectInsertionRow();
    if (m_pView->rowCount() == 0 && m_actions.m_pDeleteAction)
        m_actions.m_pDeleteAction->setEnabled(false);
}

values::Node* FrequencyViewCtrl::RowNode(values::TreeItem* pChild) const
{
    return FrequencyViewItem::AsDefinition(pChild);
}

int FrequencyViewCtrl::InsertionRowAfterRebuild(int nRow) const
{
    return std::max(nRow - 1, 0);
}

void FrequencyViewCtrl::SelectInsertionRow()
{
    m_pView->clearSelection();
    m_pView->SelectRow(m_nInsertionRow, true);
}

values::IDynamicRules* FrequencyViewCtrl::RulesOf(const values::Node* pNode)
{
    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(-1);
    return pNode && pDefinition ? pDefinition->GetRulesMap().Find(pNode->GetValueDescriptor()) : nullptr;
}

values::Node* FrequencyViewCtrl::CreateFrequencyDef()
{
    values::IDynamicRules* pRules = RulesOf(m_pNode);
    values::Node* pFd = pRules ? pRules->CreateChild(m_pNode, &g_vdNodeFd, nullptr) : nullptr;
    if (pFd)
        SetbModified(true); // the host learns of the new definition
    return pFd;
}

void FrequencyViewCtrl::New()
{
    CreateFrequencyDef();
}

QWidget* FrequencyViewCtrl::createEditor(QWidget* pParent, const QStyleOptionViewItem& /*option*/,
                                         const QModelIndex& index) const
{
    if (!m_pView || !index.isValid())
        return nullptr;
    auto* pCell = dynamic_cast<TableItem*>(m_pView->item(index.row(), index.column()));
    if (!pCell || !pCell->GetValue())
        return nullptr; // a cell whose value is gone has nothing to edit
    QWidget* pEditor = pCell->createEditor();
    if (pEditor && pEditor->parentWidget() != pParent)
        pEditor->setParent(pParent);
    return pEditor;
}

void FrequencyViewCtrl::setEditorData(QWidget* /*pEditor*/, const QModelIndex& /*index*/) const
{
    // The editor shows its value itself.
}

void FrequencyViewCtrl::setModelData(QWidget* /*pEditor*/, QAbstractItemModel* /*pModel*/,
                                     const QModelIndex& /*index*/) const
{
    // The editor has written its value itself.
}

values::Mediator* FrequencyViewCtrl::CreateMediator(Observable* pObservable)
{
    auto* pTi = dynamic_cast<values::TreeItem*>(pObservable);
    if (!pTi)
    {
        Assert("pTi", 622);
        return nullptr;
    }
    values::Node* pNode = pTi->GetNode(QString());
    if (!pNode)
    {
        Assert("pTi->GetNode()", 623);
        return nullptr;
    }
    if (ErrorHandler::Instance()->IsAssertOn() && !pTi->GetName().startsWith(g_vdNodeFd.Name()))
        Assert("pTi->GetName().mid(0, g_vdNodeFd.Name().length()) == g_vdNodeFd.Name()", 624);
    auto* pItem = new FrequencyViewItem(this, pNode);
    pItem->SetObserver(m_pModifyObserver);
    pItem->SetAliasMap(m_pAliasMap);
    return pItem;
}

void FrequencyViewCtrl::NotifyCreated(values::Mediator* pMediator)
{
    values::MediatorCtrl::NotifyCreated(pMediator);
}

void FrequencyViewCtrl::NotifyDeleted(values::Mediator* pMediator)
{
    values::MediatorCtrl::NotifyDeleted(pMediator);
    SetbModified(true);
}

void FrequencyViewCtrl::Update(Observable* pObservable, TChangeCode code)
{
    if (!m_pNode || pObservable != static_cast<Observable*>(m_pNode))
        return;
    if (code == values::CC_CHILDREN)
        UpdateViewItemList();
    else if (code == values::CC_DELETING)
        Unload();
}

void FrequencyViewCtrl::SetObserver(values::IModifyObserver* pObserver)
{
    m_pModifyObserver = pObserver;
    for (auto& entry : m_mapRows)
        entry.second->SetObserver(pObserver);
}

bool FrequencyViewCtrl::IsModified()
{
    return m_bModified;
}

void FrequencyViewCtrl::SetbModified(bool bModified)
{
    m_bModified = bModified;
    if (m_pModifyObserver)
        m_pModifyObserver->NotifyModified(bModified);
}

QString FrequencyViewCtrl::PathOfDefinition(values::Node* pFd) const
{
    if (m_bListPathKnown && pFd->GetParentNode() == m_pNode)
        return m_sListPath + QLatin1Char('/') + pFd->GetName();
    return pFd->GetPathName_NoSlashForRoot();
}

FrequencyViewItem* FrequencyViewCtrl::GetRowMediator(int nRow) const
{
    if (!m_pView || nRow < 0)
        return nullptr;
    QTableWidgetItem* pNameItem = m_pView->item(nRow, 2);
    if (!pNameItem)
        return nullptr;
    auto it = m_mapRows.find(pNameItem);
    return it == m_mapRows.end() ? nullptr : it->second;
}

std::list<int> FrequencyViewCtrl::SelectedRows() const
{
    return m_pView ? m_pView->SelectedModelRows() : std::list<int>();
}

values::Node* FrequencyViewCtrl::GetCurrentFrequencyDef()
{
    for (int nRow : SelectedRows())
    {
        FrequencyViewItem* pItem = GetRowMediator(nRow);
        if (!pItem)
            continue;
        values::Node* pFd = pItem->GetNode();
        if (!pFd)
            Assert("pFd", 726);
        return pFd;
    }
    return nullptr;
}

values::Node* FrequencyViewCtrl::GetCurrentFd()
{
    values::Node* pFd = GetCurrentFrequencyDef();
    values::ValueBase* pStart = ValueOf(pFd, g_vdFStart);
    values::ValueBase* pStop = ValueOf(pFd, g_vdFStop);
    return pStart && pStop && pStart->GetNumber() == pStop->GetNumber() ? pFd : nullptr;
}

void FrequencyViewCtrl::ShowParameter(values::Node* /*pFrequencyDefinition*/)
{
}

void FrequencyViewCtrl::DeleteParameter()
{
}

void FrequencyViewCtrl::SlotEnable()
{
    m_actions.EnablePaste(m_pClipboard);
}

void FrequencyViewCtrl::SlotCurrentCellChanged(int nRow, int /*nCol*/, int /*nPreviousRow*/,
                                               int /*nPreviousCol*/)
{
    if (!m_pView)
        return;
    // Deselecting every row that has a selected cell is clearing the selection; doing it in one
    // step keeps a large selection cheap.
    m_pView->clearSelection();
    m_pView->SelectRow(nRow, true);
}

void FrequencyViewCtrl::SlotCellPressed(int nRow, int /*nCol*/)
{
    if (m_pView)
        m_pView->SelectRow(nRow, true);
}

void FrequencyViewCtrl::SlotContextMenuRequested(const QPoint& pos)
{
    if (!m_pView)
        return;
    // Below the last row the insertion row stays where the operator left it.
    const int nRow = m_pView->rowAt(pos.y());
    if (nRow >= 0)
        m_nInsertionRow = nRow;
    m_actions.EnableForContent(m_pView->rowCount() > 0);
    SlotEnable();
    if (m_pMenu)
        m_pMenu->exec(m_pView->viewport()->mapToGlobal(pos));
}

void FrequencyViewCtrl::SlotNew()
{
    if (m_pView)
        m_nInsertionRow = m_pView->rowCount();
    New();
}

void FrequencyViewCtrl::SlotInsert()
{
    const int nPending = m_nPendingInsertions;
    ++m_nPendingInsertions;
    if (m_pView)
        m_nInsertionRow = m_pView->rowCount();
    New();
    // A definition that was not made must not move the next row.
    m_nPendingInsertions = std::min(m_nPendingInsertions, nPending);
}

void FrequencyViewCtrl::SlotDelete()
{
    if (!m_pView)
        return;
    // The selected rows that show a definition, highest first.
    std::vector<std::pair<int, FrequencyViewItem*>> vecRows;
    const std::list<int> listRows = SelectedRows();
    for (auto it = listRows.rbegin(); it != listRows.rend(); ++it)
    {
        if (FrequencyViewItem* pItem = GetRowMediator(*it))
            vecRows.emplace_back(*it, pItem);
    }
    // Each deletion rebuilds the row list, which moves the insertion row one up (not below 0),
    // and then moves it up once more. The rebuild runs once for the whole batch, when the
    // transaction closes, so the insertion row is worked out here and set after it.
    int nInsertionRow = m_nInsertionRow;
    for (size_t i = 0; i < vecRows.size(); ++i)
        nInsertionRow = InsertionRowAfterRebuild(nInsertionRow) - 1;

    if (!vecRows.empty())
    {
        const QPointer<FrequencyViewCtrl> pAlive(this); // an observer of the list may delete the view
        FrequencyView::EditTriggerPause pause(m_pView);
        std::unique_ptr<values::VtTransaction> pTransaction(new values::VtTransaction);
        // The mediators leave the rows map and let go of their rows, which go in one step per
        // run of adjacent rows once the definitions are gone (their cells have let go of the
        // values by then, so each row is taken down once).
        std::vector<int> vecRowNumbers;
        vecRowNumbers.reserve(vecRows.size());
        for (const auto& row : vecRows)
        {
            NotifyViewItemDeleted(row.second);
            row.second->ForgetRow();
            vecRowNumbers.push_back(row.first);
        }
        // Many definitions go from the last child on, so the list closes up behind them without
        // moving the others. A mediator without row only deletes its definition (and so ends).
        std::vector<FrequencyViewItem*> vecDoomed;
        vecDoomed.reserve(vecRows.size());
        for (const auto& row : vecRows)
            vecDoomed.push_back(row.second);
        if (m_pNode && vecDoomed.size() > s_nFewRows)
            FrequencyListOrder::SortLastFirst(m_pNode, vecDoomed);
        for (FrequencyViewItem* pItem : vecDoomed)
            pItem->DeleteTreeItem();
        m_pView->RemoveRows(vecRowNumbers);
        pTransaction.reset();
        if (!pAlive)
            return;
        m_nInsertionRow = nInsertionRow;
    }
    m_pView->clearSelection();
    m_pView->SelectRow(m_nInsertionRow, true);
    if (QTableWidgetItem* pCell = m_nInsertionRow >= 0 ? m_pView->item(m_nInsertionRow, 0) : nullptr)
        m_pView->scrollToItem(pCell);
}

void FrequencyViewCtrl::SlotCut()
{
    SlotCopy();
    SlotDelete();
}

void FrequencyViewCtrl::SlotCopy()
{
    values::VtXml xml;
    for (int nRow : SelectedRows())
    {
        FrequencyViewItem* pItem = GetRowMediator(nRow);
        if (values::Node* pFd = pItem ? pItem->GetNode() : nullptr)
            xml.AddNode(pFd);
    }
    if (m_pClipboard)
        m_pClipboard->setText(xml.GetString());
}

void FrequencyViewCtrl::SlotPaste()
{
    if (!m_pNode || !m_pClipboard)
        return;
    QString sText = m_pClipboard->text();
    try
    {
        if (sText.contains(QLatin1String("<!DOCTYPE Vt>")))
        {
            PasteVtXml(sText);
            return;
        }
        const bool bAccepted = sText.contains(QLatin1String("FrequencyStoreList"))
                                   ? PasteFrequencyStoreRG(sText)
                                   : PasteFrequencyListCopyStruct(sText);
        if (!bAccepted)
            ShowMessage(tr("Paste Text Format Error:") + QLatin1Char('\n') + tr("Unknown Format."));
    }
    catch (const KVException&)
    {
        ShowMessage(tr("Paste Text Format Error.") + QLatin1Char('\n') +
                    tr("The data in the clipboard could not be added!"));
    }
}

void FrequencyViewCtrl::PasteVtXml(const QString& sText)
{
    QStringList listRefused;
    {
        // The rows of all pasted definitions are built once, at the insertion row.
        values::VtTransaction transaction;
        const int nAdded = FrequencyListPaste::AddVtXml(m_pNode, sText, &listRefused);
        m_nPendingInsertions += nAdded;
        if (nAdded > 0)
            SetbModified(true);
    }
    for (const QString& sName : listRefused)
    {
        if (!ShowMessage(tr("Paste Text Format Error.") + QLatin1Char('\n') +
                         tr("The node %1 in the clipboard could not be added!").arg(Alias(sName))))
            return;
    }
}

bool FrequencyViewCtrl::PasteFrequencyListCopyStruct(QString& sText)
{
    FrequencyListPaste paste;
    if (!paste.ReadCopyStruct(sText))
        return false;
    if (paste.HasProblems())
        ShowMessage(paste.DescribeProblems());
    else
        CreateDefinitions(paste);
    return true;
}

bool FrequencyViewCtrl::PasteFrequencyStoreRG(QString& sText)
{
    IDeviceDefinition* pDefinition = DeviceDefinitionCenter::Instance().GetDeviceDefinition(-1);
    bool bAccepted = false;
    try
    {
        FrequencyListPaste paste;
        paste.ReadFrequencyStore(sText);
        if (pDefinition)
            pDefinition->Prepare(false);
        if (paste.HasProblems())
            ShowMessage(paste.DescribeProblems());
        else
            CreateDefinitions(paste);
        bAccepted = true;
    }
    catch (const REPORTGENERATOR::RGException& exception)
    {
        Trace(QStringLiteral("EXCEPTION WHILE PASTING FREQUENCIES:"), 862);
        Trace(exception.GetErrorText(), 863);
    }
    catch (...)
    {
        Trace(QStringLiteral("UNKNOWN EXCEPTION WHILE PASTING FREQUENCIES"), 867);
    }
    if (pDefinition)
        pDefinition->Prepare(false);
    return bAccepted;
}

void FrequencyViewCtrl::CreateDefinitions(const FrequencyListPaste& paste)
{
    const std::vector<FrequencyListPaste::Entry>& vecEntries = paste.GetEntries();
    if (vecEntries.empty() || !m_pNode)
        return;
    values::IDynamicRules* pRules = RulesOf(m_pNode);
    const QString sNotAdded = tr("Paste Text Format Error.") + QLatin1Char('\n') +
                              tr("The data in the clipboard could not be added!");
    if (!pRules || !pRules->IsAddAllowed(m_pNode, &g_vdNodeFd))
    {
        ShowMessage(sNotAdded);
        return;
    }
    const int nRowsBefore = m_pView ? m_pView->rowCount() : 0;
    size_t nCreated = 0;
    {
        // The rows are built once, when the list is complete; every line fills the definition
        // made for it.
        values::VtTransaction transaction;
        nCreated = paste.CreateDefinitions(m_pNode, pRules);
        if (nCreated > 0)
            SetbModified(true); // the definitions were filled before they had rows to report it
        // Selects the last pasted row once the rows are built.
        m_nInsertionRow = nRowsBefore + int(nCreated);
    }
    if (nCreated < vecEntries.size())
        ShowMessage(sNotAdded);
}

void FrequencyViewCtrl::SlotReOrderTreeItems()
{
    if (!m_pNode || !m_pView)
        return;
    const std::vector<values::Node*> vecShown = FrequencyListOrder::ShownOrder(*this);
    // All renames and the reordering change the list once.
    values::VtTransaction transaction;
    FrequencyListOrder::Apply(m_pNode, vecShown);
    if (!vecShown.empty())
        SetbModified(true);
}
