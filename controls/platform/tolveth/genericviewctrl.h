#pragma once

#include "oskevo/treeitemmediatorctrl.h"
#include "tolveth/itreeedit.h"

#include "kvbase/observable.h"

class GenericView;
class GenericViewItem;
class QVBoxLayout;

namespace values
{
class TreeItem;
}

// The controller of a generic form. It observes the node shown and keeps one row mediator
// (GenericViewItem) per value of the node, in the order of the node's children: a value
// added to the node gets its row, a removed one loses it (code 16), and the form unloads
// when the node is deleted (code 18). Child nodes get no row. The alias map and the modify
// observer of the controller are handed to every row.
class GenericViewCtrl : public values::TreeItemMediatorCtrl, public IObserver, public ITreeEdit
{
public:
    explicit GenericViewCtrl(GenericView* pView);
    ~GenericViewCtrl() override;

    GenericView* GetView() const { return m_pView; }
    // The form layout; rows are added to it.
    QVBoxLayout* GetLayout() const;

    // ITreeView (Init also serves the mediator controller): shows the node, or nothing.
    void Init(values::Node* pNode) override;
    void Load(values::Node* pNode) override;
    void Unload() override;
    bool IsLoaded() override;

    // IEditor: modified when the node's children or any row's value changed.
    bool IsModified() override;
    void SetbModified(bool bModified) override;
    void SetObserver(values::IModifyObserver* pObserver) override;
    // The form offers no menu commands.
    std::list<MenuCommand> GetMenuCommandList() override;
    void OnCommand(unsigned int nCommand) override;

    void SetAliasMap(IAliasMap* pAliasMap) override;

    // IObserver of the node shown.
    void Update(Observable* pObservable, TChangeCode code) override;

    // A row for each value, none for nodes.
    values::Mediator* CreateMediator(Observable* pObservable) override;

    // Told by a row when its widgets were made and before they go.
    virtual void NotifyViewItemCreated(GenericViewItem* pItem);
    virtual void NotifyViewItemDeleted(GenericViewItem* pItem);

    // Makes the missing rows and puts all rows into the order of the node's children.
    virtual void UpdateViewItemList();

    // The row of a value of the node shown; null if it has none.
    GenericViewItem* GetViewItem(values::TreeItem* pItem) const;

protected:
    // Hands observer and alias map to rows that do not have them yet.
    void BindItems();
    // Puts the row layouts into the order of the node's children.
    void ArrangeRows();

    // Position handed to the next row made by CreateMediator.
    int m_nRowPosition = 0;

private:
    GenericView* m_pView;
};
