#include "dravineldefinition/names.h"

namespace DravinelDefinition
{
namespace C
{

const QStringList& AttributeKeys()
{
#define DRAVINEL_KEY(Id) g_s##Id,
#define DRAVINEL_KEY_TEXT(Id, Text) g_s##Id,
    static const QStringList s_list{DRAVINEL_ATTRIBUTE_KEYS(DRAVINEL_KEY, DRAVINEL_KEY_TEXT)};
#undef DRAVINEL_KEY
#undef DRAVINEL_KEY_TEXT
    return s_list;
}

const QStringList& AttributeKeyIdentifiers()
{
#define DRAVINEL_KEY(Id) QStringLiteral("g_s" #Id),
#define DRAVINEL_KEY_TEXT(Id, Text) QStringLiteral("g_s" #Id),
    static const QStringList s_list{DRAVINEL_ATTRIBUTE_KEYS(DRAVINEL_KEY, DRAVINEL_KEY_TEXT)};
#undef DRAVINEL_KEY
#undef DRAVINEL_KEY_TEXT
    return s_list;
}

} // namespace C
} // namespace DravinelDefinition
