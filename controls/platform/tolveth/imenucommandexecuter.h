#pragma once

#include "tolveth/menucommand.h"

#include <list>

// An editor that offers commands to the host's menus and carries out the chosen one.
class IMenuCommandExecuter
{
public:
    virtual ~IMenuCommandExecuter() = default;
    virtual std::list<MenuCommand> GetMenuCommandList() = 0;
    virtual void OnCommand(unsigned int nCommand) = 0;
};
