#pragma once

#include "kvbase/errorhandler.h"
#include "oskevo/changecodes.h"
#include "tolveth/tvinodesplit.h"

namespace values
{
class IDynamicRules;
class Node;
class ValueDescriptor;
} // namespace values

// The tree item of any node of the standard device tree without a more specific item, and
// the base of all of them. The dynamic rules of the current device definition decide which
// commands the node offers, which children "new" creates and what a paste may add; the
// node's attribute child (GetVdAttr) has no item of its own but is edited in the display.
class TviStdNode : public TviNodeSplit
{
    Q_OBJECT

public:
    TviStdNode(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);

    bool CommandSwitch(unsigned int nCommand, bool bExecute) override;
    void OnCommand(unsigned int nCommand) override { CommandSwitch(nCommand, true); }
    bool IsCommandExecutable(unsigned int nCommand) override { return CommandSwitch(nCommand, false); }
    bool IsCommandAllowed(unsigned int nCommand);

    void OnNew() override;
    void InsertNewChild(const values::ValueDescriptor* pDescriptor) override;
    // The generic form of the attribute child (or of the node itself when it has none).
    void CreateDisplay() override;

    // The descriptor of the node's attribute child; none here.
    virtual const values::ValueDescriptor* GetVdAttr() const { return nullptr; }
    values::Node* GetNodeAttr() const;

    bool InsertChildAllowed(values::TreeItem* pChild) override;

    // The rules of a node's type in the current device definition, or null.
    static values::IDynamicRules* RulesOf(const values::Node* pNode);

protected:
    // The item at the node's path followed by the descriptor's path, in the process-wide tree.
    static values::TreeItem* FindRelative(const values::Node* pNode,
                                          const values::ValueDescriptor& descriptor);
    // The text of that value; empty when it is missing.
    static QString ReadText(const values::Node* pNode, const values::ValueDescriptor& descriptor);
    // That value when it is a T, observed by the item from now on; null otherwise.
    template <class T> T* HoldValue(const values::Node* pNode, const values::ValueDescriptor& descriptor)
    {
        values::TreeItem* pItem = FindRelative(pNode, descriptor);
        if (!pItem)
            return nullptr;
        T* pValue = dynamic_cast<T*>(pItem);
        KV_ASSERT(pValue, "dravinelcontrols/tvistdnode", __LINE__);
        if (pValue)
            pValue->AddObserver(this);
        return pValue;
    }
    template <class T> void ReleaseValue(T*& rpValue)
    {
        if (rpValue)
            rpValue->DeleteObserver(this);
        rpValue = nullptr;
    }
    // Releases a held value that announces its deletion; true when pObservable is that value.
    template <class T> bool ReleaseIfDeleting(Observable* pObservable, TChangeCode code, T*& rpValue)
    {
        if (!rpValue || pObservable != static_cast<Observable*>(rpValue))
            return false;
        if (code == values::CC_STATE && rpValue->GetState() == values::VS_DELETE)
            ReleaseValue(rpValue);
        return true;
    }

    // The text follows the held values (CC_VALUE), values made later are taken (CC_CHILDREN,
    // through AssignValues), then the base item reacts.
    void UpdateHeldValues(Observable* pObservable, TChangeCode code);
    // Takes the values the item shows that exist and are not held yet.
    virtual void AssignValues() {}

    // Column 0 shows GetXpm() afresh.
    void RefreshIcon();
    // Puts a new display into the display area: it becomes the item's display, joins the
    // area's layout and gets the item's alias map.
    void PlaceDisplay(QWidget* pDisplay);

    // A pasted node goes in through the rules of the node's type, or beside same-typed
    // children after the replace question when the type has none.
    void PasteNode(values::Node* pTarget, values::Node* pPasted) override;
    QString PasteFailedText() const override;

private:
    // Whether the parent item's rules list the node's own type (cut, delete, paste).
    bool IsListedByParentRules() const;
    // Adds one pasted node (owned) through the rules, asking before a unique one is replaced.
    void PasteWithRules(values::IDynamicRules* pRules, values::Node* pTarget, values::Node* pPasted);
    void PasteWithoutRules(values::Node* pTarget, values::Node* pPasted);
};
