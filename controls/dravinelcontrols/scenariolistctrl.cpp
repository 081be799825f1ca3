#include "dravinelcontrols/scenariolistctrl.h"

#include "dravinelcontrols/frequencyview.h"
#include "kvbase/errorhandler.h"
#include "oskevo/idynamicrules.h"
#include "oskevo/node.h"
#include "paltrey/resortpopupmenu.h"

#include <QAction>

ScenarioListCtrl::ScenarioListCtrl(FrequencyView* pView, const values::ValueDescriptor& entry)
    : FrequencyViewCtrl(pView), m_entry(entry)
{
}

void ScenarioListCtrl::AddScenarioColumns(const QStringList& listHeaders)
{
    AppendColumns(listHeaders);
}

void ScenarioListCtrl::AddScenarioMenu(const QString& sMenuName, const QString& sNew, const QString& sDelete)
{
    m_pMenu = new ResortPopupMenu(m_pView, sMenuName.toLatin1().constData());
    if (QAction* pNew = m_pMenu->insertItem(sNew, this, SLOT(SlotNew()), QKeySequence(Qt::CTRL + Qt::Key_F)))
    {
        // Also in the view, so the shortcut works while the table has the focus.
        pNew->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_pView->addAction(pNew);
    }
    m_actions.m_pDeleteAction = m_pMenu->insertItem(sDelete, this, SLOT(SlotDelete()));
    if (m_actions.m_pDeleteAction)
        m_actions.m_pDeleteAction->setEnabled(false);
}

values::Node* ScenarioListCtrl::EntryOf(Observable* pObservable, const QString& sSource, int nLine)
{
    auto* pTi = dynamic_cast<values::TreeItem*>(pObservable);
    if (!pTi && ErrorHandler::Instance()->IsAssertOn())
        ErrorHandler::Instance()->_Q_assert(QStringLiteral("pTi"), sSource, nLine);
    return pTi ? pTi->GetNode(QString()) : nullptr;
}

void ScenarioListCtrl::New()
{
    values::Node* pParent = m_pNode ? m_pNode->GetParentNode() : nullptr;
    values::IDynamicRules* pRules = RulesOf(pParent);
    if (pRules && pRules->CreateChild(pParent, &m_entry, nullptr))
        SetbModified(true); // the host learns of the new entry
}

void ScenarioListCtrl::Update(Observable* pObservable, TChangeCode code)
{
    FrequencyViewCtrl::Update(pObservable, code);
}

values::Node* ScenarioListCtrl::RowNode(values::TreeItem* pChild) const
{
    // Every child node is an entry (what GetNode with an empty path answers, without the path).
    return pChild && pChild->IsNode() ? pChild->AsNode() : nullptr;
}

int ScenarioListCtrl::InsertionRowAfterRebuild(int nRow) const
{
    return nRow;
}

void ScenarioListCtrl::SelectInsertionRow()
{
    m_pView->clearSelection();
    m_pView->SelectRow(m_nInsertionRow, true);
    m_pView->setCurrentCell(m_nInsertionRow, 0);
    if (!SelectsCells())
        return;
    for (int nCol = 0; nCol < m_pView->columnCount(); ++nCol)
    {
        if (QTableWidgetItem* pCell = m_pView->item(m_nInsertionRow, nCol))
            pCell->setSelected(true);
    }
}
