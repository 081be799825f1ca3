#pragma once

#include <QString>

// The English display texts of the attribute keys of a standard device definition, one per
// key, built from Latin-1 literals at library load and never changed. DravinelAliasTable reads
// them, in this order, and translates them in the context "Alias" (the Latin-1 bytes of a text
// are its source text in the catalogue).
namespace DravinelAliasTexts
{

struct Entry
{
    Entry(const QString* pKey, const char* pszText);

    const QString* pName; // the attribute key (DravinelDefinition::C::g_s...)
    QString sText;        // its English display text
};

constexpr int g_nCount = 334;
extern const Entry g_aEntries[g_nCount];

} // namespace DravinelAliasTexts
