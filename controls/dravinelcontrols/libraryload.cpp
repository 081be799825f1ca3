// What the library does when it is loaded and unloaded: it makes its translations available
// under the context name "DravinelControls" for as long as it is loaded.

#include "zorvanappstartup/translationcenter.h"

#include <QString>

// The catalogues are built into the library. Registering them here, before the context, lets
// the very first look-up find them whatever order the static initialisers run in. (The macro
// must not stand in a namespace.)
static void InitTranslationResources()
{
    Q_INIT_RESOURCE(dravinelcontrols_translations);
}

namespace
{

const char* const g_pszTranslationContext = "DravinelControls";

// One static object: its constructor runs at load, after the constants of the source files
// linked before this one (the alias texts), and its destructor at unload. TranslationCenter's
// own instance is made by the first call, so it outlives this object.
class LibraryLoad
{
public:
    LibraryLoad()
    {
        InitTranslationResources();
        TranslationCenter::Instance()->Register(QString::fromLatin1(g_pszTranslationContext));
    }
    ~LibraryLoad()
    {
        TranslationCenter::Instance()->Unregister(QString::fromLatin1(g_pszTranslationContext));
    }
    LibraryLoad(const LibraryLoad&) = delete;
    LibraryLoad& operator=(const LibraryLoad&) = delete;
};

const LibraryLoad g_libraryLoad;

} // namespace
