#include "dravinelcontrols/undohistory.h"

#include "dravinelcontrols/undokeyfilter.h"
#include "dravinelcontrols/undostep.h"

#include "oskevo/node.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/vttransaction.h"

#include <climits>

#include <QAction>
#include <QKeySequence>
#include <QTimer>
#include <QUndoStack>
#include <QWidget>

using namespace values;

namespace
{

struct NounNames
{
    const char* pKey;
    const char* pOne;
    const char* pMany;
};

// Readable names of the node types operators edit by the row.
const NounNames g_arrNouns[] = {
    {"Fd", QT_TRANSLATE_NOOP("UndoHistory", "frequency definition"),
     QT_TRANSLATE_NOOP("UndoHistory", "frequency definitions")},
    {"Fds", QT_TRANSLATE_NOOP("UndoHistory", "frequency list"),
     QT_TRANSLATE_NOOP("UndoHistory", "frequency lists")},
    {"IndEm", QT_TRANSLATE_NOOP("UndoHistory", "emission"), QT_TRANSLATE_NOOP("UndoHistory", "emissions")},
    {"IndEmi", QT_TRANSLATE_NOOP("UndoHistory", "emitter"), QT_TRANSLATE_NOOP("UndoHistory", "emitters")},
    {"IndMov", QT_TRANSLATE_NOOP("UndoHistory", "movement"), QT_TRANSLATE_NOOP("UndoHistory", "movements")},
    {"SimMovList", QT_TRANSLATE_NOOP("UndoHistory", "breakpoint"),
     QT_TRANSLATE_NOOP("UndoHistory", "breakpoints")},
    {"SimFreqList", QT_TRANSLATE_NOOP("UndoHistory", "emission frequency"),
     QT_TRANSLATE_NOOP("UndoHistory", "emission frequencies")},
    {"Par", QT_TRANSLATE_NOOP("UndoHistory", "parameter set"),
     QT_TRANSLATE_NOOP("UndoHistory", "parameter sets")},
    {"Dev", QT_TRANSLATE_NOOP("UndoHistory", "device"), QT_TRANSLATE_NOOP("UndoHistory", "devices")},
    {"Dcd", QT_TRANSLATE_NOOP("UndoHistory", "job"), QT_TRANSLATE_NOOP("UndoHistory", "jobs")},
    {"Dcs", QT_TRANSLATE_NOOP("UndoHistory", "control set"),
     QT_TRANSLATE_NOOP("UndoHistory", "control sets")},
};

QString Noun(const ValueDescriptor* pDescriptor, int nCount)
{
    const QString sKey = pDescriptor ? pDescriptor->Name() : QString();
    for (const NounNames& noun : g_arrNouns)
        if (sKey == QLatin1String(noun.pKey))
            return UndoHistory::tr(nCount == 1 ? noun.pOne : noun.pMany);
    return nCount == 1 ? UndoHistory::tr("item") : UndoHistory::tr("items");
}

TreeItem* ItemAt(Node* pRoot, const QStringList& lstPath)
{
    TreeItem* pAt = pRoot;
    for (const QString& sName : lstPath)
    {
        Node* pNode = pAt ? pAt->AsNode() : nullptr;
        pAt = pNode ? pNode->GetChildValueItem(sName) : nullptr;
    }
    return pAt;
}

} // namespace

UndoHistory::UndoHistory(Node* pNode, QObject* pParent)
    : QObject(pParent), ChangeRecorder(pNode), m_pStack(new QUndoStack(this))
{
    // A cleared history is no saved state to go back to.
    connect(m_pStack, &QUndoStack::cleanChanged, this,
            [this](bool bClean)
            {
                if (!m_bClearing)
                    emit cleanChanged(bClean);
            });
}

UndoHistory::~UndoHistory() = default;

UndoHistory* UndoHistory::Find(TreeItem* pItem)
{
    for (TreeItem* p = pItem; p; p = p->GetParentNode())
    {
        if (Node* pNode = p->AsNode())
            for (ChangeRecorder* pRecorder : pNode->GetRecorders())
                if (auto* pHistory = dynamic_cast<UndoHistory*>(pRecorder))
                    return pHistory;
    }
    return nullptr;
}

void UndoHistory::AddActions(QWidget* pMenu)
{
    QAction* pUndo = m_pStack->createUndoAction(pMenu, tr("&Undo"));
    pUndo->setShortcut(QKeySequence::Undo);
    QAction* pRedo = m_pStack->createRedoAction(pMenu, tr("&Redo"));
    pRedo->setShortcuts({QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z), QKeySequence(Qt::CTRL + Qt::Key_Y)});
    pMenu->addAction(pUndo);
    pMenu->addAction(pRedo);
}

void UndoHistory::InstallKeys(QWidget* pView, std::function<TreeItem*()> fnNode)
{
    new UndoKeyFilter(pView, std::move(fnNode));
}

void UndoHistory::Recorded(ChangeRecord record)
{
    if (m_bApplying)
        return;
    if (!m_sIgnoredChild.isEmpty())
    {
        const QString sTop = !record.lstPath.isEmpty()                ? record.lstPath.front()
                             : record.eKind == ChangeRecord::K_REMOVE ? record.spItem->GetName()
                                                                      : record.sName;
        if (sTop == m_sIgnoredChild)
            return;
    }
    m_vecOpen.push_back(std::move(record));
    if (!m_bCloseQueued)
    {
        m_bCloseQueued = true;
        QTimer::singleShot(0, this, [this] { CloseStep(); });
    }
}

void UndoHistory::NodeDeleted()
{
    Clear();
}

void UndoHistory::CloseStep()
{
    m_bCloseQueued = false;
    if (m_bBroken)
    {
        Clear();
        return;
    }
    if (m_vecOpen.empty())
        return;
    std::vector<ChangeRecord> vecRecords;
    vecRecords.swap(m_vecOpen);
    const QString sText = StepText(vecRecords);
    m_pStack->push(new UndoStep(this, std::move(vecRecords), sText));
}

void UndoHistory::Undo()
{
    CloseStep();
    m_pStack->undo();
    if (m_bBroken)
        Clear();
}

void UndoHistory::Redo()
{
    CloseStep();
    m_pStack->redo();
    if (m_bBroken)
        Clear();
}

void UndoHistory::Clear()
{
    m_vecOpen.clear();
    m_bBroken = false;
    m_bClearing = true;
    m_pStack->clear();
    m_bClearing = false;
}

void UndoHistory::SetClean()
{
    CloseStep();
    m_pStack->setClean();
}

bool UndoHistory::IsClean() const
{
    return m_vecOpen.empty() && m_pStack->isClean();
}

void UndoHistory::Apply(std::vector<ChangeRecord>& vecRecords, bool bReverse)
{
    Node* pRoot = GetNode();
    if (!pRoot || m_bBroken)
        return;
    m_bApplying = true;
    {
        VtTransaction transaction;
        const int nCount = int(vecRecords.size());
        for (int i = 0; i < nCount && !m_bBroken; ++i)
        {
            ChangeRecord& record = vecRecords[size_t(bReverse ? nCount - 1 - i : i)];
            if (!GetNode() || !Toggle(pRoot, record))
                m_bBroken = true; // the tree went another way: the history no longer applies
        }
    }
    m_bApplying = false;
    // The stack cannot be cleared from within its own undo(): after it returns.
    if (m_bBroken)
        QTimer::singleShot(0, this,
                           [this]
                           {
                               if (m_bBroken)
                                   Clear();
                           });
}

QString UndoHistory::StepText(const std::vector<ChangeRecord>& vecRecords) const
{
    int nInserts = 0, nRemoves = 0, nValues = 0, nReorders = 0, nRenames = 0, nDepth = INT_MAX;
    const ChangeRecord* pFirst = nullptr;
    for (const ChangeRecord& record : vecRecords)
    {
        switch (record.eKind)
        {
        case ChangeRecord::K_INSERT:
        case ChangeRecord::K_REMOVE:
            // Count only the outermost items (a pasted row's own children are part of it).
            if (record.lstPath.size() < nDepth)
            {
                nDepth = record.lstPath.size();
                nInserts = nRemoves = 0;
            }
            if (record.lstPath.size() == nDepth)
                ++(record.eKind == ChangeRecord::K_INSERT ? nInserts : nRemoves);
            break;
        case ChangeRecord::K_VALUE:
        case ChangeRecord::K_NODE_TEXT:
            ++nValues;
            break;
        case ChangeRecord::K_REORDER:
            ++nReorders;
            break;
        case ChangeRecord::K_RENAME:
            ++nRenames;
            break;
        case ChangeRecord::K_DESCRIPTOR:
            break;
        }
        if (!pFirst)
            pFirst = &record;
    }
    // The type of the items added or taken out, from the first one still (or once) there.
    const ValueDescriptor* pType = nullptr;
    for (const ChangeRecord& record : vecRecords)
    {
        if (record.lstPath.size() != nDepth)
            continue;
        if (record.eKind == ChangeRecord::K_REMOVE && record.spItem)
            pType = record.spItem->GetValueDescriptor();
        else if (record.eKind == ChangeRecord::K_INSERT)
            if (TreeItem* pItem = ItemAt(GetNode(), QStringList(record.lstPath) << record.sName))
                pType = pItem->GetValueDescriptor();
        if (pType)
            break;
    }
    const int nItems = nInserts + nRemoves;
    if (nItems > 0 && nInserts == 0)
        return tr("Delete %1 %2").arg(nRemoves).arg(Noun(pType, nRemoves));
    if (nItems > 0 && nRemoves == 0)
        return tr("Add %1 %2").arg(nInserts).arg(Noun(pType, nInserts));
    if (nItems > 0)
        return tr("Paste %1 %2").arg(nInserts).arg(Noun(pType, nInserts));
    if (nReorders > 0 && nValues == 0 && nRenames == 0)
    {
        const ChangeRecord& record = *pFirst;
        Node* pParent = nullptr;
        if (TreeItem* pAt = ItemAt(GetNode(), record.lstPath))
            pParent = pAt->AsNode();
        const ValueDescriptor* pChildType = pParent && pParent->GetChildCount() > 0
                                                ? pParent->GetTreeItems().front()->GetValueDescriptor()
                                                : nullptr;
        return tr("Reorder %1").arg(Noun(pChildType, 2));
    }
    if (nRenames == 1 && nValues == 0 && nReorders == 0)
        return tr("Rename %1").arg(pFirst->sText);
    if (nValues == 1 && nRenames == 0 && nReorders == 0 && !pFirst->lstPath.isEmpty())
        return tr("Change %1").arg(pFirst->lstPath.last());
    if (nValues > 0 && nRenames == 0 && nReorders == 0)
        return tr("Change %1 values").arg(nValues);
    return tr("Edit %1 items").arg(int(vecRecords.size()));
}
