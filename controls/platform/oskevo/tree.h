#pragma once

#include "oskevo/basetree.h"

namespace values
{

// The process-wide value tree every view is bound to.
class Tree : public BaseTree
{
public:
    static Tree* Instance();

private:
    Tree() = default;
};

} // namespace values
