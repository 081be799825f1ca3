#pragma once

#include "dravinelcontrols/parameterviewctrl.h"
#include "tolveth/treeeditforwarder.h"

#include <QTabWidget>

class QPoint;

// The parameter editor: a tab widget that shows a parameter set (a node of type
// DravinelDefinition::g_vdNodePar) as one tab per parameter group, each tab holding the
// group's form. The view builds the widget, forwards the editor interfaces to its controller
// (created on the first Init and owned) and turns right clicks on its tab bar into a
// context-menu request; every decision about tabs and commands is the controller's.
class ParameterView : public QTabWidget, public TreeEditForwarder<ParameterViewCtrl>
{
    Q_OBJECT

public:
    // With a parent, the view joins the parent's layout (when it has one) and watches its own
    // tab bar for right clicks; without one, the tab bar is left alone.
    ParameterView(QWidget* pParent, const QString& sName);
    ~ParameterView() override;

    values::Node* GetParentNode() const { return m_pParentNode; }
    void SetParentNode(values::Node* pNode) { m_pParentNode = pNode; }

    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

signals:
    void signalContextMenuRequested(const QPoint& globalPos);

protected:
    // Derived views make their own kind of controller.
    ParameterViewCtrl* MakeCtrl() override;

private:
    values::Node* m_pParentNode = nullptr;
};
