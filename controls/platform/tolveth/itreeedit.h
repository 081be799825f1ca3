#pragma once

#include "tolveth/aliasmapclient.h"
#include "tolveth/ieditor.h"
#include "tolveth/itreeview.h"

// The interface every editor of a node implements, so that a host can embed it.
class ITreeEdit : public IEditor, public ITreeView, public AliasMapClient
{
};
