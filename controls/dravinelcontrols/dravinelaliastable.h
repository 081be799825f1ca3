#pragma once

#include "tolveth/numberedaliastable.h"

// The display names of the attribute keys of a standard device definition ("DevName" ->
// "Device Name"), translated into the application's language when the table is built. The
// device tree controller owns one and registers it with the alias map the host installs; a
// change of language therefore reaches the tables built after it.
class DravinelAliasTable : public NumberedAliasTable
{
public:
    DravinelAliasTable();
};
