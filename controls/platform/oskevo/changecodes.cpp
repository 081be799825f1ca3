#include "oskevo/changecodes.h"

namespace values
{

const QString g_sHz = QStringLiteral("Hz");

} // namespace values
