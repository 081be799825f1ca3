#include "dravinelcontrols/genericscenarioview.h"

#include "dravinelcontrols/genericscenarioviewctrl.h"

GenericScenarioView::GenericScenarioView(QWidget* pParent, QString sName) : GenericView(pParent, sName)
{
}

GenericViewCtrl* GenericScenarioView::MakeCtrl()
{
    return new GenericScenarioViewCtrl(this);
}
