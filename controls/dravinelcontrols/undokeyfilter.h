#pragma once

#include <QObject>
#include <functional>

namespace values
{
class TreeItem;
}

// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y for one view and the widgets in it: undo and redo in the
// history covering the view's node. Handled as keys rather than shortcuts, so that the
// innermost view takes them (a view inside another one does not make them ambiguous) and a
// cell editor keeps its own text undo.
class UndoKeyFilter : public QObject
{
    Q_OBJECT
public:
    UndoKeyFilter(QObject* pView, std::function<values::TreeItem*()> fnNode);

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    std::function<values::TreeItem*()> m_fnNode;
};
