#include "dravinelcontrols/undokeyfilter.h"

#include "dravinelcontrols/undohistory.h"

#include <QKeyEvent>

namespace
{

// 1 undo, 2 redo, 0 neither.
int KindOf(const QKeyEvent* pKey)
{
    const Qt::KeyboardModifiers modifiers = pKey->modifiers() & ~Qt::KeypadModifier;
    if (pKey->key() == Qt::Key_Z && modifiers == Qt::ControlModifier)
        return 1;
    if ((pKey->key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (pKey->key() == Qt::Key_Y && modifiers == Qt::ControlModifier))
        return 2;
    return 0;
}

} // namespace

UndoKeyFilter::UndoKeyFilter(QObject* pView, std::function<values::TreeItem*()> fnNode)
    : QObject(pView), m_fnNode(std::move(fnNode))
{
    pView->installEventFilter(this);
}

bool UndoKeyFilter::eventFilter(QObject* /*pWatched*/, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::ShortcutOverride && pEvent->type() != QEvent::KeyPress)
        return false;
    auto* pKey = static_cast<QKeyEvent*>(pEvent);
    const int nKind = KindOf(pKey);
    UndoHistory* pHistory = nKind ? UndoHistory::Find(m_fnNode()) : nullptr;
    if (!pHistory)
        return false;
    if (pEvent->type() == QEvent::ShortcutOverride)
    {
        // Ours, not a window shortcut's.
        pEvent->accept();
        return true;
    }
    if (nKind == 1)
        pHistory->Undo();
    else
        pHistory->Redo();
    return true;
}
