// The library's texts in a second language: the catalogue built into the library is loaded
// through the translation center, reaches the views' menus and the alias table built after the
// switch, and leaves texts it lacks in English.

#include "tst_frequencyfixture.h"

#include "dravinelcontrols/dravinelaliastable.h"
#include "dravineldefinition/names.h"
#include "tolveth/alias.h"
#include "tolveth/aliasmap.h"
#include "zorvanappstartup/translationcenter.h"

using namespace FrequencyTest;

namespace
{
void UseLanguage(const QString& sLanguage)
{
    TranslationCenter::Instance()->SetLocale(QLocale(sLanguage));
}
} // namespace

class TstTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void menuEntries_data();
    void menuEntries();
    void aliases_data();
    void aliases();
    void everyKeyHasAlias();
    void missingTextStaysEnglish();
    void tablesOfTwoLanguagesAlive();
};

void TstTranslation::initTestCase()
{
    // Registered by the library's load hook, before any view exists.
    QVERIFY(TranslationCenter::Instance()->IsRegistered(QStringLiteral("DravinelControls")));
}

void TstTranslation::init()
{
    UseLanguage(QStringLiteral("en"));
}

void TstTranslation::menuEntries_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("de") << "de" << QStringList{"Neue Frequenz",     "Frequenz einfügen",
                                               "Frequenz &löschen", "Reihenfolge übernehmen",
                                               QString(),           "Ausschneiden",
                                               "Kopieren",          "Einfügen"};
    QTest::newRow("en") << "en" << QStringList{"New Frequency",
                                               "Insert Frequency",
                                               "&Delete Frequency",
                                               "Keep Order",
                                               QString(),
                                               "Cut",
                                               "Copy",
                                               "Paste"};
}

void TstTranslation::menuEntries()
{
    QFETCH(QString, language);
    QFETCH(QStringList, entries);
    UseLanguage(language);
    FdsNode fds;
    fds.Add(1e6, 1e6, QStringLiteral("A"));
    ShownView view(fds.Get());
    const MenuState state = UseContextMenu(view.Get(), 0);
    QVERIFY(state.bShown);
    QCOMPARE(state.listEntries, entries);
}

void TstTranslation::aliases_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("alias"); // null: the table does not know the name
    QTest::newRow("de device") << "de" << C::g_sDev << "Gerät";
    QTest::newRow("de shared text") << "de" << C::g_sDcdName << "Name";
    QTest::newRow("de grid time") << "de" << C::g_sSyncGridTime << "Synchronisationsraster";
    QTest::newRow("de last row") << "de" << C::g_sMovListSpeed << "Geschwindigkeit des Senders";
    QTest::newRow("de numbered") << "de" << C::g_sFd + "_012"
                                 << "Frequenzdefinition 012";
    QTest::newRow("en device") << "en" << C::g_sDev << "Device";
    QTest::newRow("en recorder") << "en" << C::g_sKELDRChan << "Recorder Channel";
    QTest::newRow("en spelt key") << "en" << C::g_sThreshold << "Threshold";
    QTest::newRow("de unknown") << "de"
                                << "NoSuchKey" << QString();
    QTest::newRow("de alias as name") << "de"
                                      << "Gerät" << QString();
}

void TstTranslation::aliases()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(QString, alias);
    UseLanguage(language);
    DravinelAliasTable table;
    QCOMPARE(table.FindAlias(name), alias);
    AliasMap map;
    map.AddTable(&table);
    QCOMPARE(Alias::Lookup(name, &map), alias.isNull() ? name : alias);
    map.RemoveTable(&table);
}

void TstTranslation::everyKeyHasAlias()
{
    DravinelAliasTable table;
    for (const QString& sKey : C::AttributeKeys())
        QVERIFY2(!table.FindAlias(sKey).isEmpty(), qPrintable(sKey));
    QCOMPARE(table.GetCount(), C::AttributeKeys().size());
}

void TstTranslation::missingTextStaysEnglish()
{
    UseLanguage(QStringLiteral("de"));
    QCOMPARE(QCoreApplication::translate("FrequencyViewCtrl", "Cut"), QStringLiteral("Ausschneiden"));
    QCOMPARE(QCoreApplication::translate("FrequencyViewCtrl", "Not in any catalogue"),
             QStringLiteral("Not in any catalogue"));
}

void TstTranslation::tablesOfTwoLanguagesAlive()
{
    auto pEnglish = std::make_unique<DravinelAliasTable>();
    UseLanguage(QStringLiteral("de"));
    DravinelAliasTable german;
    AliasMap mapEnglish;
    AliasMap mapGerman;
    mapEnglish.AddTable(pEnglish.get());
    mapGerman.AddTable(&german);
    // A table keeps the language it was built in.
    QCOMPARE(Alias::Lookup(C::g_sFds, &mapEnglish), QStringLiteral("Frequency Definitions"));
    QCOMPARE(Alias::Lookup(C::g_sFds, &mapGerman), QStringLiteral("Frequenzdefinitionen"));
    mapEnglish.RemoveTable(pEnglish.get());
    pEnglish.reset();
    QCOMPARE(Alias::Lookup(C::g_sPar, &mapGerman), QStringLiteral("Parametersätze"));
    mapGerman.RemoveTable(&german);
}

QTEST_MAIN(TstTranslation)
#include "tst_translation.moc"
