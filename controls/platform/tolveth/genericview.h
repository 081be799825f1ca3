#pragma once

#include "tolveth/genericviewctrl.h"
#include "tolveth/treeeditforwarder.h"

#include <QString>
#include <QWidget>

class QVBoxLayout;

// The generic form of a node: one labelled row per value of the node, each with the
// value-bound editor of its kind. Tree items show it as the display of any node that has no
// editor of its own. The view forwards the editor interface to its controller, which it
// creates on the first Init and owns.
class GenericView : public QWidget, public TreeEditForwarder<GenericViewCtrl>
{
    Q_OBJECT

public:
    GenericView(QWidget* pParent, QString sName);
    ~GenericView() override;

    // The layout that holds the rows (a controller adds its row layouts here). It lies in a
    // scroll area; widgets made on the view move into it when their rows are added.
    QVBoxLayout* GetFormLayout() const { return m_pFormLayout; }

protected:
    // Derived views make their own kind of controller.
    GenericViewCtrl* MakeCtrl() override;

private:
    QVBoxLayout* m_pFormLayout;
};
