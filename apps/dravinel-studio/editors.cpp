#include "editors.h"

#include "editorregistry.h"

namespace StudioEditors
{

void RegisterAll()
{
    // Frequency and parameter editors are registered here as they become available.
    (void)EditorRegistry::Instance();
}

bool IsPreferredStart(const QString& sItemText)
{
    return sItemText == QStringLiteral("Fds");
}

} // namespace StudioEditors
