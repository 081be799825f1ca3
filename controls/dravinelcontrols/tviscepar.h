#pragma once

#include "tvipar.h"

// The item of the parameter set of an emission, emitter or movement: the display is the
// scenario editor, whose tabs show each group's form above its emission or movement table.
class TviScePar : public TviPar
{
    Q_OBJECT

public:
    TviScePar(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);

    void CreateDisplay() override;
    bool InsertChildAllowed(values::TreeItem*) override { return false; }
};
