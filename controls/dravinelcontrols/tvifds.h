#pragma once

#include "tvistdnode.h"

// The item of a frequency-definitions node: its definitions are rows of the frequency
// split view shown in the display, not tree items. The split view is made once and only
// hidden while another item is current, so it keeps its rows, sorting and current row.
class TviFds : public TviStdNode
{
    Q_OBJECT

public:
    TviFds(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);

    bool CommandSwitch(unsigned int nCommand, bool bExecute) override;
    void OnCommand(unsigned int nCommand) override { CommandSwitch(nCommand, true); }
    bool IsCommandExecutable(unsigned int nCommand) override { return CommandSwitch(nCommand, false); }
    // "new" and "copy" are not offered for a whole list.
    bool IsCommandAllowed(unsigned int nCommand) { return nCommand != CMD_NEW && nCommand != CMD_COPY; }

    void CreateDisplay() override;
    void DeleteDisplay() override;
    bool InsertChildAllowed(values::TreeItem*) override { return false; }
};
