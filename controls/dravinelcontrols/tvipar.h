#pragma once

#include "tvistdnode.h"

// The item of a parameter set: its groups are tabs of the parameter editor shown in the
// display, not tree items. The editor is made afresh each time the item becomes current.
class TviPar : public TviStdNode
{
    Q_OBJECT

public:
    TviPar(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);

    bool CommandSwitch(unsigned int nCommand, bool bExecute) override;
    void OnCommand(unsigned int nCommand) override { CommandSwitch(nCommand, true); }
    bool IsCommandExecutable(unsigned int nCommand) override { return CommandSwitch(nCommand, false); }
    // "new" is not offered: the groups come with the set.
    bool IsCommandAllowed(unsigned int nCommand) { return nCommand != CMD_NEW; }

    void CreateDisplay() override;
    void DeleteDisplay() override;
    bool InsertChildAllowed(values::TreeItem*) override { return false; }

protected:
    // Makes pView (a parameter editor not yet shown) the display, loaded with the set.
    void ShowParameterDisplay(QWidget* pView, bool bFitArea);
};
