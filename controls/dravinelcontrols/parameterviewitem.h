#pragma once

#include "oskevo/itreeitem.h"
#include "oskevo/kvmodifier.h"
#include "oskevo/treeitemmediator.h"
#include "tolveth/aliasmapclient.h"

class GenericView;
class ParameterView;
class ParameterViewCtrl;
class QVBoxLayout;
class QWidget;

namespace values
{
class Node;
}

// The mediator of one parameter group: it owns the group's tab page, which holds the generic
// form of the group's values, tells the controller when the page comes and goes, and reports
// every change of the group as a modification.
class ParameterViewItem : public values::TreeItemMediator,
                          public values::IDeleteSubject,
                          public values::KVModifier,
                          public AliasMapClient
{
public:
    ParameterViewItem(ParameterViewCtrl* pCtrl, values::Node* pNode);
    ~ParameterViewItem() override;

    // Any notification of the group marks the item modified before the base handles it.
    void Update(Observable* pObservable, TChangeCode code) override;
    // The tab goes first, then the group node is deleted.
    void DeleteTreeItem() override;
    // Builds the tab page with the group's form in it.
    virtual void Init(ParameterView* pView);

    void SetDeleteObserver(values::ITreeItem* pObserver) override { m_pDeleteObserver = pObserver; }
    values::ITreeItem* GetDeleteObserver() const override { return m_pDeleteObserver; }

    // Also handed to the form when the page exists already.
    void SetObserver(values::IModifyObserver* pObserver) override;
    // Also true after an edit in the group's form.
    bool IsModified() override;
    void SetbModified(bool bModified) override;
    // Clears the flags of the item and its form (the host saved), telling nobody but the form's
    // observer.
    void ResetModified();

    // The tab page; null before Init.
    QWidget* GetViewItem() const { return m_pViewItem; }
    ParameterViewCtrl* GetCtrl() const { return m_pCtrl; }
    values::Node* GetNode() const;

protected:
    // The form on the page, if any.
    GenericView* GetForm() const;
    // The tab page (object name "TabWidget") with its margin-less layout "tabLayout".
    QVBoxLayout* CreatePage(ParameterView* pView);

    ParameterViewCtrl* m_pCtrl;
    QWidget* m_pViewItem = nullptr;
    values::ITreeItem* m_pDeleteObserver = nullptr;
};
