#pragma once

#include "tolveth/itreelistview.h"
#include "tolveth/treeviewbase.h"
#include "tolveth/treeviewbasectrl.h"

#include <QPointer>
#include <QSplitter>

// A split tree view: the tree widget (the list view) beside a display area in which the
// current item shows its editor. Its editor interface is forwarded to its controller,
// which it makes on first need through CreateTreeViewCtrl and owns.
class TreeViewSplit : public QSplitter, public ITreeListView
{
    Q_OBJECT

public:
    // bVertical puts the display area below the tree instead of beside it.
    explicit TreeViewSplit(QWidget* pParent = nullptr, bool bVertical = false);
    ~TreeViewSplit() override;

    TreeViewBase* GetListView() override { return m_pListView; }
    QWidget* WidgetCast() override { return this; }
    QWidget* GetDisplayArea() const { return m_pDisplayArea; }

    // The controller, made on first call.
    TreeViewBaseCtrl* GetTreeViewCtrl();
    // Takes over pCtrl (the previous controller is deleted) and hands it the list view,
    // the display area, the alias map and the modify observer.
    void SetTreeViewCtrl(TreeViewBaseCtrl* pCtrl);

    // ITreeView
    void Init(values::Node* pNode) override;
    void Load(values::Node* pNode) override;
    void Unload() override;
    bool IsLoaded() override;
    // Editor
    bool IsModified() override;
    void SetbModified(bool bModified) override;
    void SetObserver(values::IModifyObserver* pObserver) override;
    std::list<MenuCommand> GetMenuCommandList() override;
    void OnCommand(unsigned int nCommand) override;
    void SetAliasMap(IAliasMap* pAliasMap) override;

    // The controller factory, asked on first need; the default makes a TreeViewSplitCtrl.
    virtual TreeViewBaseCtrl* CreateTreeViewCtrl();

private:
    void HandOver();

    TreeViewBase* m_pListView;
    QWidget* m_pDisplayArea;
    QPointer<TreeViewBaseCtrl> m_pCtrl;
    bool m_bHandedOver = false;
    bool m_bCreatingCtrl = false;
};
