#include "oskevo/kvmodifier.h"

namespace values
{

void KVModifier::SetbModified(bool bModified)
{
    m_bModified = bModified;
    if (m_pModifyObserver)
        m_pModifyObserver->NotifyModified(bModified);
}

} // namespace values
