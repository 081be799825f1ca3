#pragma once

#include "tolveth/itreeedit.h"

#include <QTabWidget>

class ParameterViewCtrl;
class QPoint;

// The parameter editor: a tab widget that shows a parameter set (a node of type
// DravinelDefinition::g_vdNodePar) as one tab per parameter group, each tab holding the
// group's form. The view builds the widget, forwards the editor interfaces to its controller
// (created on the first Init and owned) and turns right clicks on its tab bar into a
// context-menu request; every decision about tabs and commands is the controller's.
class ParameterView : public QTabWidget, public ITreeEdit
{
    Q_OBJECT

public:
    // With a parent, the view joins the parent's layout (when it has one) and watches its own
    // tab bar for right clicks; without one, the tab bar is left alone.
    ParameterView(QWidget* pParent, const QString& sName);
    ~ParameterView() override;

    // ITreeView
    void Init(values::Node* pNode) override;
    void Load(values::Node* pNode) override;
    void Unload() override;
    bool IsLoaded() override;

    // IEditor
    bool IsModified() override;
    void SetbModified(bool bModified) override;
    void SetObserver(values::IModifyObserver* pObserver) override;
    std::list<MenuCommand> GetMenuCommandList() override;
    void OnCommand(unsigned int nCommand) override;

    // AliasMapClient: also handed to an existing controller.
    void SetAliasMap(IAliasMap* pAliasMap) override;

    values::Node* GetParentNode() const { return m_pParentNode; }
    void SetParentNode(values::Node* pNode) { m_pParentNode = pNode; }

    ParameterViewCtrl* GetCtrl() const { return m_pCtrl; }

    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

signals:
    void signalContextMenuRequested(const QPoint& globalPos);

protected:
    // Takes a freshly made controller (derived views make their own kind in Init): hands it
    // the alias map and whatever observer and modified flag the view was given before.
    void AdoptCtrl(ParameterViewCtrl* pCtrl);

    ParameterViewCtrl* m_pCtrl = nullptr;

private:
    values::Node* m_pParentNode = nullptr;
};
