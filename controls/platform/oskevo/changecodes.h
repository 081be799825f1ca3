#pragma once

#include "kvbase/observable.h"

#include <QString>

namespace values
{

// Change codes sent by nodes and values. The controls test 1, 2, 3, 16 and 18.
enum ChangeCode : TChangeCode
{
    CC_MODIFIED = 1,   // something changed that only counts as a modification
    CC_STATE = 2,      // the value's state changed (see ValueState)
    CC_VALUE = 3,      // the value changed
    CC_CHILDREN = 16,  // the node's children changed (added, removed, reordered)
    CC_NAME = 17,      // the item was renamed or got another descriptor
    CC_DELETING = 18,  // the node is being deleted; it is still intact while this is sent
};

// States of a value. A value in VS_DELETE is about to be freed: let go of it.
enum ValueState
{
    VS_NORMAL = 0,
    VS_DELETE = 1,
};

// The hertz unit text.
extern const QString g_sHz;

} // namespace values
