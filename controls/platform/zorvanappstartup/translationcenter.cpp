#include "zorvanappstartup/translationcenter.h"

#include <QCoreApplication>
#include <QTranslator>

namespace
{

const char* const g_pszResourceDirectory = ":/translations";

// Installs what a library registered before the application object existed.
void InstallPendingTranslations()
{
    TranslationCenter::Instance()->InstallPending();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallPendingTranslations)

TranslationCenter* TranslationCenter::Instance()
{
    static TranslationCenter s_center;
    return &s_center;
}

TranslationCenter::TranslationCenter() = default;

// Deleting a QTranslator removes it from a running application by itself.
TranslationCenter::~TranslationCenter() = default;

bool TranslationCenter::Register(const QString& sContext)
{
    if (sContext.isEmpty())
        return false;
    Entry& entry = m_mapEntries[sContext];
    if (entry.nCount++ == 0)
        Load(sContext, entry);
    return entry.pTranslator != nullptr;
}

void TranslationCenter::Unregister(const QString& sContext)
{
    auto it = m_mapEntries.find(sContext);
    if (it == m_mapEntries.end())
        return;
    Entry& entry = it->second;
    if (--entry.nCount > 0)
        return;
    if (entry.pTranslator && entry.bInstalled && QCoreApplication::instance())
        QCoreApplication::removeTranslator(entry.pTranslator.get());
    m_mapEntries.erase(it);
}

bool TranslationCenter::IsRegistered(const QString& sContext) const
{
    return m_mapEntries.count(sContext) > 0;
}

bool TranslationCenter::IsLoaded(const QString& sContext) const
{
    auto it = m_mapEntries.find(sContext);
    return it != m_mapEntries.end() && it->second.pTranslator != nullptr;
}

int TranslationCenter::GetRegisterCount(const QString& sContext) const
{
    auto it = m_mapEntries.find(sContext);
    return it == m_mapEntries.end() ? 0 : it->second.nCount;
}

QStringList TranslationCenter::GetContexts() const
{
    QStringList vecContexts;
    for (const auto& item : m_mapEntries)
        vecContexts << item.first;
    return vecContexts;
}

void TranslationCenter::SetTranslationDirectory(const QString& sDirectory)
{
    if (sDirectory == m_sDirectory)
        return;
    m_sDirectory = sDirectory;
    Reload();
}

void TranslationCenter::SetLocale(const QLocale& locale)
{
    if (locale == m_locale)
        return;
    m_locale = locale;
    Reload();
}

void TranslationCenter::InstallPending()
{
    if (!QCoreApplication::instance())
        return;
    for (auto& item : m_mapEntries)
    {
        // A new application object may follow an earlier one: install again where needed.
        Entry& entry = item.second;
        if (entry.pTranslator)
            entry.bInstalled = QCoreApplication::installTranslator(entry.pTranslator.get());
    }
}

void TranslationCenter::Load(const QString& sContext, Entry& entry)
{
    if (entry.pTranslator && entry.bInstalled && QCoreApplication::instance())
        QCoreApplication::removeTranslator(entry.pTranslator.get());
    entry.pTranslator.reset();
    entry.bInstalled = false;

    auto pTranslator = std::make_unique<QTranslator>();
    QStringList vecDirectories;
    if (!m_sDirectory.isEmpty())
        vecDirectories << m_sDirectory;
    vecDirectories << QString::fromLatin1(g_pszResourceDirectory);
    bool bLoaded = false;
    for (const QString& sDirectory : vecDirectories)
    {
        if (pTranslator->load(m_locale, sContext, QStringLiteral("_"), sDirectory, QStringLiteral(".qm")))
        {
            bLoaded = true;
            break;
        }
    }
    if (!bLoaded)
        return;
    entry.pTranslator = std::move(pTranslator);
    if (QCoreApplication::instance())
        entry.bInstalled = QCoreApplication::installTranslator(entry.pTranslator.get());
}

void TranslationCenter::Reload()
{
    for (auto& item : m_mapEntries)
        Load(item.first, item.second);
}
