#pragma once

#include "tvistdnode.h"

// The item of the device tree's root node. Every command is allowed here, and "new"
// creates a whole device of a type the operator picks in a NewDeviceDialog.
class TviStdRoot : public TviStdNode
{
    Q_OBJECT

public:
    TviStdRoot(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);

    bool CommandSwitch(unsigned int nCommand, bool bExecute) override;
    void OnCommand(unsigned int nCommand) override { CommandSwitch(nCommand, true); }
    bool IsCommandExecutable(unsigned int nCommand) override { return CommandSwitch(nCommand, false); }
    bool IsCommandAllowed(unsigned int) { return true; }

    const char* const* GetXpm() override;
    void OnNew() override;

public slots:
    // Creates a device of that type under the root, through the rules of its definition.
    void SlotNewDevice(int nDeviceType);
};
