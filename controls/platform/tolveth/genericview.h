#pragma once

#include "tolveth/itreeedit.h"

#include <QString>
#include <QWidget>

class GenericViewCtrl;
class QVBoxLayout;

// The generic form of a node: one labelled row per value of the node, each with the
// value-bound editor of its kind. Tree items show it as the display of any node that has no
// editor of its own. The view forwards the editor interface to its controller, which it
// creates on the first Init and owns.
class GenericView : public QWidget, public ITreeEdit
{
    Q_OBJECT

public:
    GenericView(QWidget* pParent, QString sName);
    ~GenericView() override;

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

    // AliasMapClient
    void SetAliasMap(IAliasMap* pAliasMap) override;

    GenericViewCtrl* GetCtrl() const { return m_pCtrl; }
    // The layout that holds the rows (a controller adds its row layouts here). It lies in a
    // scroll area; widgets made on the view move into it when their rows are added.
    QVBoxLayout* GetFormLayout() const { return m_pFormLayout; }

protected:
    // Created by Init when missing; derived views may create their own controller first.
    GenericViewCtrl* m_pCtrl = nullptr;

private:
    QVBoxLayout* m_pFormLayout;
};
