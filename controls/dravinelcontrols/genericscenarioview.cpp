#include "dravinelcontrols/genericscenarioview.h"

#include "dravinelcontrols/genericscenarioviewctrl.h"
#include "dravinelcontrols/undohistory.h"

#include "oskevo/node.h"

GenericScenarioView::GenericScenarioView(QWidget* pParent, QString sName) : GenericView(pParent, sName)
{
    // Keys the form's editors leave unused (a line edit keeps its own Ctrl+Z) undo in the group's document.
    UndoHistory::InstallKeys(
        this, [this]() -> values::TreeItem* { return GetCtrl() ? GetCtrl()->GetNode() : nullptr; });
}

GenericViewCtrl* GenericScenarioView::MakeCtrl()
{
    return new GenericScenarioViewCtrl(this);
}
