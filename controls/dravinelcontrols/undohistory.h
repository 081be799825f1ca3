#pragma once

#include "oskevo/changerecorder.h"

#include <QObject>
#include <functional>
#include <vector>

class QUndoStack;
class QWidget;

namespace values
{
class TreeItem;
}

// The undo history of one edited document (a job, the tree a panel shows), fed by the value
// tree itself: every change at or below the node, through whatever view, is recorded, and
// the changes made until control returns to the event loop form one step. Undo and redo run
// in one VtTransaction, so that views rebuild once. The history is cleared when its node is
// deleted, when a step can no longer apply, or by Clear() (document replaced).
class UndoHistory : public QObject, public values::ChangeRecorder
{
    Q_OBJECT
public:
    explicit UndoHistory(values::Node* pNode, QObject* pParent = nullptr);
    ~UndoHistory() override;

    QUndoStack* GetStack() const { return m_pStack; }
    // The history covering pItem: the one attached nearest above it, or null.
    static UndoHistory* Find(values::TreeItem* pItem);
    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y on pView (and its children) undo and redo in the history
    // covering the node fnNode gives at the time of the key.
    static void InstallKeys(QWidget* pView, std::function<values::TreeItem*()> fnNode);

    // Adds "&Undo <step>" (Ctrl+Z) and "&Redo <step>" (Ctrl+Shift+Z, Ctrl+Y) to an Edit menu.
    void AddActions(QWidget* pMenu);

    // Ends the open step now (otherwise it ends when control returns to the event loop).
    void CloseStep();
    void Undo();
    void Redo();
    void Clear();
    // Marks the present state as saved.
    void SetClean();
    bool IsClean() const;
    // Changes of the child of that name (and below it) are not this history's: another
    // document kept in this tree, such as the studio's job.
    void SetIgnoredChild(const QString& sName) { m_sIgnoredChild = sName; }

    // Used by the steps: toggles the records (from the last when bReverse) with recording off.
    void Apply(std::vector<values::ChangeRecord>& vecRecords, bool bReverse);
    // The text of a step made of these records, as the Edit menu shows it after "Undo".
    QString StepText(const std::vector<values::ChangeRecord>& vecRecords) const;

signals:
    void cleanChanged(bool bClean);

protected:
    void Recorded(values::ChangeRecord record) override;
    void NodeDeleted() override;

private:
    QUndoStack* m_pStack;
    std::vector<values::ChangeRecord> m_vecOpen;
    bool m_bCloseQueued = false;
    QString m_sIgnoredChild;
    bool m_bApplying = false;
    bool m_bClearing = false;
    bool m_bBroken = false; // a step no longer applied: cleared when control returns
};
