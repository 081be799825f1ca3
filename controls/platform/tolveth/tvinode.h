#pragma once

#include "tolveth/treeviewitem.h"

#include <QString>
#include <list>

namespace values
{
class IDynamicRules;
class Node;
class ValueDescriptor;
} // namespace values

// A tree item with the item commands of the tree view: new, cut, copy, paste, delete and
// the two properties commands. Which command an item allows is decided by
// IsCommandAllowed; CommandSwitch tests (bExecute false) or carries out (bExecute true) a
// command and answers whether it is allowed.
class TviNode : public TreeViewItem
{
    Q_OBJECT

public:
    enum Command : unsigned int
    {
        CMD_NEW = 0,
        CMD_CUT = 1,
        CMD_COPY = 2,
        CMD_PASTE = 3,
        CMD_DELETE = 4,
        CMD_PROPERTIES = 10,
        CMD_PROPERTIES_2 = 12,
    };

    TviNode(ITreeViewCtrl* pCtrl, values::TreeItem* pItem);

    // Sets the text, icon and tool tip of the list-view item.
    virtual void Init();

    virtual bool CommandSwitch(unsigned int nCommand, bool bExecute);
    virtual void OnCommand(unsigned int nCommand) { CommandSwitch(nCommand, true); }
    virtual bool IsCommandExecutable(unsigned int nCommand) { return CommandSwitch(nCommand, false); }
    // new: the item has descriptors to offer (GetCreatableDescriptors); cut and delete: the
    // item has a parent item; copy: always; paste: the clipboard holds a node document;
    // properties: never (items that have properties override CommandSwitch).
    bool IsCommandAllowed(unsigned int nCommand);

    // Offers GetCreatableDescriptors in a modeless NewChildDialog; the choice arrives in
    // SlotNewChild.
    virtual void OnNew();
    // Adds the nodes of the clipboard's node document as children. A child of the same
    // name is replaced only when ShouldDelete says so; otherwise the pasted node is dropped.
    virtual void OnPaste();
    // Creates a child of that descriptor (through the node's rules when it has some, else
    // an item of the descriptor with a unique name) and makes its item current.
    virtual void InsertNewChild(const values::ValueDescriptor* pDescriptor);
    // The descriptors of which "new" creates children: those the rules of the node's type
    // in the current device definition allow to be created now; none without rules.
    virtual std::list<const values::ValueDescriptor*> GetCreatableDescriptors();
    // The rules of the node's type in the current device definition, or null.
    values::IDynamicRules* GetRules() const;

    // XPM data of the item's icon.
    virtual const char* const* GetXpm();
    // Tool tip of the item: the descriptor's tip, or the node's path.
    virtual QString GetTip();

    // Keeps the item in step with its node: children (16), name (17), deletion (18).
    void Update(Observable* pObservable, TChangeCode code) override;

    // Asks the operator whether an existing node is to be replaced by the pasted pNode;
    // true for "&Replace".
    bool ShouldDelete(values::Node* pNode);

    // Refreshes text, icon and tool tip of the list-view item.
    void UpdateListViewItem();

    // The translated menu text of an item command; empty for unknown ones.
    static QString CommandText(unsigned int nCommand);

public slots:
    void SlotNewChild(const values::ValueDescriptor* pDescriptor);

protected:
    // Carries out an item command (new, cut, copy, paste, delete) through the item's own
    // operations, without asking whether it is allowed.
    void Carry(unsigned int nCommand);
    // An information box without parent, titled with the application name.
    static void ShowInformation(const QString& sText);
    // Adds one pasted node (owned) under pTarget; false when the paste is to stop.
    virtual void PasteNode(values::Node* pTarget, values::Node* pPasted);
    // What the operator is told when the clipboard's document cannot be read or added.
    virtual QString PasteFailedText() const;
};
