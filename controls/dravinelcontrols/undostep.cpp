#include "dravinelcontrols/undostep.h"

#include "dravinelcontrols/undohistory.h"

UndoStep::UndoStep(UndoHistory* pHistory, std::vector<values::ChangeRecord> vecRecords, const QString& sText)
    : QUndoCommand(sText), m_pHistory(pHistory), m_vecRecords(std::move(vecRecords))
{
}

void UndoStep::undo()
{
    m_pHistory->Apply(m_vecRecords, true);
    m_bDone = false;
}

void UndoStep::redo()
{
    if (!m_bDone)
        m_pHistory->Apply(m_vecRecords, false);
    m_bDone = true;
}
