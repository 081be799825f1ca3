#pragma once

#include "kvbase/observable.h"
#include "oskevo/treeitemmediatorctrl.h"
#include "tolveth/itreeviewctrl.h"
#include "tolveth/treeviewbase.h"

#include <QObject>
#include <QPointer>

class ITreeListView;
class QKeyEvent;
class QMenu;
class QPoint;
class QTreeWidgetItem;
class TreeViewItem;
class TviNode;

namespace values
{
class TreeItem;
}

// The controller of a tree widget over one root node: one tree item per node that the
// items allow (InsertChildAllowed), in the order of the value tree, kept in step with it
// (new and moved nodes appear, deleted ones vanish, renamed ones change their text). The
// item commands (new, cut, copy, paste, delete) are offered in a context menu, by keyboard
// (Insert or Ctrl+N, Ctrl+X, Ctrl+C, Ctrl+V, Delete) and as menu commands of the current
// item, each only when the item allows it.
class TreeViewBaseCtrl : public QObject,
                         public values::TreeItemMediatorCtrl,
                         public IObserver,
                         public ITreeViewCtrl
{
    Q_OBJECT

public:
    // A controller for the view's tree widget; the view owns it from now on.
    explicit TreeViewBaseCtrl(ITreeListView* pView);
    // A controller for pBase, or for a new tree widget in pParent, or (both null) for the
    // tree widget of the view it is handed to later. The root item goes below pParentItem
    // when one is given. pRoot is shown on Init(nullptr).
    explicit TreeViewBaseCtrl(TreeViewBase* pBase = nullptr, QWidget* pParent = nullptr,
                              values::Node* pRoot = nullptr, QTreeWidgetItem* pParentItem = nullptr);
    ~TreeViewBaseCtrl() override;

    // ITreeView: Init(node) shows node (Init(nullptr) the root given at construction).
    void Init(values::Node* pNode) override;
    void Load(values::Node* pNode) override;
    void Unload() override;
    bool IsLoaded() override;

    // IMenuCommandExecuter: the item commands of the current item.
    std::list<MenuCommand> GetMenuCommandList() override;
    void OnCommand(unsigned int nCommand) override;

    TreeViewBase* GetTreeView() override { return m_pTreeView; }
    values::TreeItemMediatorCtrl* GetMediatorCtrl() { return this; }

    // The root node's item unloads the view when the root node goes.
    void Update(Observable* pObservable, TChangeCode code) override;
    // The default item: a TviNode.
    values::Mediator* CreateMediator(Observable* pObservable) override;

    TreeViewItem* CurrentTvi() const { return m_pCurrentTvi; }
    TreeViewItem* GetRootTvi() const { return m_pRootTvi; }
    QTreeWidgetItem* GetLviRoot() const;
    TreeViewItem* GetTvi(values::TreeItem* pItem) const;

    // Makes the item of that tree item current; false when it has none.
    bool SelectTreeItem(values::TreeItem* pItem);
    // Makes the first item of a frequency definition list current.
    void SelectSingleFds();
    // Reacts to a new current item; the base only records it.
    virtual void CurrentChangesTo(TreeViewItem* pTvi);

    // Carries out an item command of pTvi if the item allows it.
    bool ExecuteCommand(TreeViewItem* pTvi, unsigned int nCommand);
    // The context menu of an item (owned by the caller), each entry's data its command.
    QMenu* CreateContextMenu(TreeViewItem* pTvi, QWidget* pParent);
    // The item command of a key, or -1.
    static int CommandOfKey(const QKeyEvent* pEvent);

    // Brings the child items of pParent in line with its node's children.
    void UpdateChildItems(TreeViewItem* pParent, bool bRecursive);

    // Uses the tree widget from now on (null lets go of the current one).
    void AttachTreeView(TreeViewBase* pTreeView);
    // Called by a tree widget that is being destroyed.
    void DetachTreeView(TreeViewBase* pTreeView);

    // Tree items tell their controller of their end.
    void NotifyItemDestroying(TreeViewItem* pTvi);
    void NotifyItemDestroyed(TreeViewItem* pTvi);
    // A structural change of a shown node: counts as an edit while an item command runs.
    void NotifyStructureChanged();
    bool IsExecutingCommand() const { return m_nCommandDepth > 0; }

    // Marks the span of an item command; changes meanwhile make the controller modified.
    class CommandScope
    {
    public:
        explicit CommandScope(TreeViewBaseCtrl* pCtrl) : m_pCtrl(pCtrl) { ++m_pCtrl->m_nCommandDepth; }
        ~CommandScope()
        {
            if (m_pCtrl)
                --m_pCtrl->m_nCommandDepth;
        }
        CommandScope(const CommandScope&) = delete;
        CommandScope& operator=(const CommandScope&) = delete;

    private:
        QPointer<TreeViewBaseCtrl> m_pCtrl;
    };

public slots:
    void SlotSelectionChanged();
    void SlotContextMenu(const QPoint& pos);

protected slots:
    void SlotApplyCurrent();

protected:
    // Sets the tree widget up (columns, header, sorting); called once, on the first Init or
    // Load. Derived controllers call the base first.
    virtual void AddAttributes();
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

    // Makes the item of a tree item through CreateMediator; null if it gives none.
    TreeViewItem* CreateItem(values::TreeItem* pItem);
    void BeginUpdate() { ++m_nUpdateDepth; }
    void EndUpdate();

    QPointer<TreeViewBase> m_pTreeView;
    QTreeWidgetItem* m_pParentItem;
    values::Node* m_pRootNode;     // shown on Init(nullptr)
    values::Node* m_pObservedRoot; // the node shown, observed for its deletion

private:
    void SetUp();
    void ApplyCurrent();

    TreeViewItem* m_pRootTvi = nullptr;
    TreeViewItem* m_pCurrentTvi = nullptr;
    bool m_bSetUp = false;
    int m_nUpdateDepth = 0;
    int m_nCommandDepth = 0;
    bool m_bCurrentPending = false;
    bool m_bApplyQueued = false;
};
