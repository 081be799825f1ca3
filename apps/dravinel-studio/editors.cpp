#include "editors.h"

#include "editorregistry.h"
#include "parametereditorhost.h"

#include "dravineldefinition/descriptors.h"

namespace StudioEditors
{

void RegisterAll()
{
    EditorRegistry& registry = EditorRegistry::Instance();
    // A frequency list shows its table with the parameters of the current definition.
    registry.Register(&DravinelDefinition::g_vdNodeFds, QStringLiteral("Frequencies"),
                      CreateFrequencySplitEditor);
    registry.Register(&DravinelDefinition::g_vdNodePar, QStringLiteral("Parameters"), CreateParameterEditor);
    // Emissions, emitters and movements show their scenario groups, with the emission or
    // movement table below a group's form.
    for (const values::ValueDescriptor* pType :
         {&DravinelDefinition::g_vdNodeIndEm, &DravinelDefinition::g_vdNodeIndEmi,
          &DravinelDefinition::g_vdNodeIndMov})
        registry.Register(pType, QStringLiteral("Scenario"), CreateParameterEditor);
}

bool IsPreferredStart(const QString& sItemText)
{
    return sItemText == QStringLiteral("Fds");
}

} // namespace StudioEditors
