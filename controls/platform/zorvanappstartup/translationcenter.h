#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QTranslator;

// Loads and withdraws the translations of named translation catalogues (contexts) for the
// whole application. Register("DravinelControls") looks for DravinelControls_<locale>.qm -
// with the usual fall-backs from "de_AT" to "de" - first in the translation directory, when
// one is set, then in the resources under ":/translations", and installs it on the
// application. Registering counts references; the translator is removed when the last
// registration is withdrawn. Registration may happen before the application object exists
// (a library's load hook): the translator is then installed as soon as it is created.
class TranslationCenter
{
public:
    static TranslationCenter* Instance();
    ~TranslationCenter();

    // Returns whether a translation file is installed for the context. A context without a
    // file for the locale still counts as registered, so that Unregister stays balanced.
    bool Register(const QString& sContext);
    // Withdraws one registration; an unknown context is ignored.
    void Unregister(const QString& sContext);
    bool IsRegistered(const QString& sContext) const;
    bool IsLoaded(const QString& sContext) const;
    int GetRegisterCount(const QString& sContext) const;
    QStringList GetContexts() const;

    // Changing the directory or the locale reloads every registered context.
    void SetTranslationDirectory(const QString& sDirectory);
    QString GetTranslationDirectory() const { return m_sDirectory; }
    void SetLocale(const QLocale& locale);
    QLocale GetLocale() const { return m_locale; }

    // Called when the application object comes into being; installs what was registered
    // before.
    void InstallPending();

private:
    TranslationCenter();
    TranslationCenter(const TranslationCenter&) = delete;
    TranslationCenter& operator=(const TranslationCenter&) = delete;

    struct Entry
    {
        int nCount = 0;
        std::unique_ptr<QTranslator> pTranslator; // null when no file was found
        bool bInstalled = false;
    };
    void Load(const QString& sContext, Entry& entry);
    void Reload();

    std::map<QString, Entry> m_mapEntries;
    QString m_sDirectory;
    QLocale m_locale;
};
