#pragma once

#include "tolveth/itreeedit.h"

class QTreeWidget;

// The controller of a tree view: an editor that drives one QTreeWidget.
class ITreeViewCtrl : public ITreeEdit
{
public:
    virtual QTreeWidget* GetTreeView() = 0;
};
