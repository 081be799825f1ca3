#pragma once

#include <QString>
#include <vector>

class FrequencyViewCtrl;
class FrequencyViewItem;

namespace values
{
class Node;
class TreeItem;
} // namespace values

// Keep Order of the frequency view: the frequency definitions below a list node take the order
// in which the view shows them, in the tree and in their names. First every shown definition is
// named after its place ("0_Fd", "1_Fd", ...); then the definitions are sorted by that place
// (a radix sort, with a progress dialog for long lists) into the places they hold among the
// node's children, other children keeping theirs; last every child node whose name holds "Fd"
// is numbered in the tree's order ("Fd00000", "Fd00001", ...). Callers bracket it in one
// transaction, so the list changes once.
class FrequencyListOrder
{
public:
    static void Apply(values::Node* pList, const std::vector<values::Node*>& vecShown);
    // The definitions of the controller's rows in the order the rows are shown (its table may
    // be sorted by a header click).
    static std::vector<values::Node*> ShownOrder(const FrequencyViewCtrl& ctrl);
    // Sorts row mediators by the place of their definitions among the list's children, the
    // last child first (rows whose definition is not a child last), so that deleting them in
    // that order moves no other child.
    static void SortLastFirst(const values::Node* pList, std::vector<FrequencyViewItem*>& vecItems);

private:
    static void Reorder(values::Node* pList, const std::vector<values::Node*>& vecShown);
    // Renames an item whose new name a sibling may still hold.
    static void Rename(values::TreeItem* pItem, const QString& sName);
};
