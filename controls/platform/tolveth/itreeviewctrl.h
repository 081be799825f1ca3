#pragma once

#include "tolveth/itreeedit.h"

class TreeViewBase;

// The controller of a tree view: an editor that drives one tree widget. The tree widget is
// a QTreeWidget; its GetListView() gives it as such.
class ITreeViewCtrl : public ITreeEdit
{
public:
    virtual TreeViewBase* GetTreeView() = 0;
};
