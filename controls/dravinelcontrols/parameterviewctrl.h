#pragma once

#include "dravinelcontrols/editmenuactions.h"
#include "kvbase/observable.h"
#include "oskevo/kvmodifier.h"
#include "oskevo/mediatorctrl.h"
#include "tolveth/aliasmapclient.h"
#include "tolveth/menucommand.h"

#include <QObject>
#include <QPointer>
#include <list>
#include <map>

class NewChildDialog;
class ParameterView;
class ParameterViewItem;
class QAction;
class QClipboard;
class QPoint;
class ResortPopupMenu;

namespace values
{
class IDynamicRules;
class Mediator;
class Node;
class ValueDescriptor;
} // namespace values

// The controller of a ParameterView. Handed a device-definition node, it shows the node's
// parameter set (its child of type g_vdNodePar, stepping down to it at once or as soon as it
// appears) as one tab per parameter group, in the order of the parameter set's rules, and
// keeps the tabs in step with the tree. Its context menu creates groups (copied from an
// ancestor's parameter set when one has that group), deletes, cuts, copies and pastes them
// as value-tree documents on the clipboard.
class ParameterViewCtrl : public QObject,
                          public values::MediatorCtrl,
                          public IObserver,
                          public values::KVModifier,
                          public AliasMapClient
{
    Q_OBJECT

public:
    explicit ParameterViewCtrl(ParameterView* pView);
    ~ParameterViewCtrl() override;

    // Sets up menu and connections (once), loads pNode when given, shows the view.
    virtual void Init(values::Node* pNode);
    virtual void Load(values::Node* pNode);
    virtual void Unload();
    virtual bool IsLoaded();
    virtual void NotifyViewItemCreated(values::Mediator* pMediator);
    virtual void NotifyViewItemDeleted(values::Mediator* pMediator);
    virtual std::list<MenuCommand> GetMenuCommandList();
    virtual void OnCommand(unsigned int nCommand);

    // values::MediatorCtrl
    void NotifyCreated(values::Mediator* pMediator) override;
    void NotifyDeleted(values::Mediator* pMediator) override;
    values::Mediator* CreateMediator(Observable* pObservable) override;

    // IObserver of the node shown.
    void Update(Observable* pObservable, TChangeCode code) override;

    // values::IModifier. The observer also reaches the tabs that exist already.
    void SetObserver(values::IModifyObserver* pObserver) override;
    bool IsModified() override;
    void SetbModified(bool bModified) override;

    ParameterView* GetView() const { return m_pView; }
    // The node shown: the parameter set once it exists, before that the node loaded.
    values::Node* GetNode() const { return m_pNode; }
    // The rules of the node's type in the current device definition; may be null.
    values::IDynamicRules* GetDr(values::Node* pNode) const;
    ResortPopupMenu* GetMenu() const { return m_pMenu; }

public slots:
    void SlotEnable();
    void SlotContextMenuRequested(const QPoint& pos);
    void SlotNew();
    void SlotNewChild(const values::ValueDescriptor* pDescriptor);
    void SlotDelete();
    void SlotCut();
    void SlotCopy();
    void SlotPaste();

protected:
    // The tab mediator of a group; derived editors make their own kind.
    virtual ParameterViewItem* MakeItem(values::Node* pGroup);
    // The source named in this controller's assertions.
    virtual const char* SourceName() const;
    // Steps down from the node to its parameter set when it has one.
    void ReassignNode();
    // Creates the parameter set when it is missing and steps down to it.
    void AssignParNode();
    // The tab rebuild: one tab per group, in the order of the parameter set's rules.
    virtual void UpdateViewItemList();
    void AddAttributes();
    void AddMenu();
    void AddConnects();

    // Puts the page of a group's mediator into the tab widget at nPosition with the group's
    // display name and tool tip (taking it out first when it has a tab already).
    void PlaceTab(QWidget* pPage, values::Node* pGroup, int nPosition);

    // Asks the operator whether the existing node of the pasted one's type is to be replaced;
    // true for "&Replace".
    virtual bool ShouldDelete(values::Node* pNode);
    // An information box without parent, titled with the application name.
    virtual void ShowInformation(const QString& sText);

    ParameterView* m_pView;
    ResortPopupMenu* m_pMenu = nullptr;
    // Tab page -> its mediator, one entry per tab.
    std::map<QWidget*, values::Mediator*> m_mapViewItems;
    std::list<MenuCommand> m_listMenuCommands;
    values::Node* m_pNode = nullptr;
    bool m_bSelectNewTab = false;
    EditMenuActions m_actions; // delete, cut, copy and paste
    QAction* m_pNewAction = nullptr;
    QClipboard* m_pClipboard;

private:
    // Paste of one node taken from the clipboard document (owned here).
    void PasteNode(values::Node* pPasted);
    // Takes the groups out of a pasted parameter set that the rules do not allow below
    // pOwner's parameter set, telling the operator of each.
    void DropRefusedGroups(values::Node* pPastedSet, values::Node* pOwner);
    void ShowRefused(const QString& sName);
    void Observe(values::Node* pNode);
    void StopObserving();

    QPointer<NewChildDialog> m_pNewChildDialog;
};
