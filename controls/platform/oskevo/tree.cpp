#include "oskevo/tree.h"

namespace values
{

Tree* Tree::Instance()
{
    // Never destroyed: at exit the views that observe it may be gone already, and a
    // destroyed tree would send them its deletion notices.
    static Tree* s_pTree = new Tree;
    return s_pTree;
}

} // namespace values
