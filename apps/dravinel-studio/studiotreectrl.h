#pragma once

#include "tolveth/treeviewsplitctrl.h"

// The studio's tree controller: one StudioTvi per node.
class StudioTreeCtrl : public TreeViewSplitCtrl
{
    Q_OBJECT

public:
    explicit StudioTreeCtrl(ITreeListView* pView);

    values::Mediator* CreateMediator(Observable* pObservable) override;
};
