#pragma once

#include "oskevo/changerecorder.h"

#include <QUndoCommand>
#include <vector>

class UndoHistory;

// One user action as a QUndoCommand: the primitive changes it made, turned back in reverse
// order on undo and forth again in order on redo.
class UndoStep : public QUndoCommand
{
public:
    UndoStep(UndoHistory* pHistory, std::vector<values::ChangeRecord> vecRecords, const QString& sText);

    void undo() override;
    void redo() override;

private:
    UndoHistory* m_pHistory;
    std::vector<values::ChangeRecord> m_vecRecords;
    bool m_bDone = true; // pushed after the change was made: the first redo has nothing to do
};
