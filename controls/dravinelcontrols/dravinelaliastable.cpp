#include "dravinelcontrols/dravinelaliastable.h"

#include "dravinelcontrols/aliastexts.h"

#include <QCoreApplication>

DravinelAliasTable::DravinelAliasTable()
{
    for (const DravinelAliasTexts::Entry& entry : DravinelAliasTexts::g_aEntries)
        Add(*entry.pName, QCoreApplication::translate("Alias", entry.sText.toLatin1().constData()));
}
