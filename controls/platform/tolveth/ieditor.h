#pragma once

#include "oskevo/kvmodifier.h"
#include "tolveth/imenucommandexecuter.h"

// An editor: keeps a modified flag, tells a modify observer, and offers menu commands.
// IsModified, SetbModified and SetObserver stay virtual so that views can forward them.
class IEditor : public values::KVModifier, public IMenuCommandExecuter
{
};
