#pragma once

#include "tolveth/tvinodesplit.h"

// A tree item of the studio: shows the editor registered for its node's type, or the
// generic form of the node.
class StudioTvi : public TviNodeSplit
{
    Q_OBJECT

public:
    StudioTvi(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);

    void CreateDisplay() override;
};
