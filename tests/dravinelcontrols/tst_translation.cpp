// The library's texts in a second language: the catalogue built into the library is loaded
// through the translation center, reaches the views' menus and the alias table built after the
// switch, and leaves texts it lacks in English.

#include "common/datarow.h"
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
    void initTestCase()
    {
        // Registered by the library's load hook, before any view exists.
        QVERIFY(TranslationCenter::Instance()->IsRegistered(QStringLiteral("DravinelControls")));
    }

    void init() { UseLanguage(QStringLiteral("en")); }

    void menuEntries_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("entries");
        Row("de", "de",
            QStringList{"Neue Frequenz", "Frequenz einfügen", "Frequenz &löschen", "Reihenfolge übernehmen",
                        QString(), "Ausschneiden", "Kopieren", "Einfügen"});
        Row("en", "en",
            QStringList{"New Frequency", "Insert Frequency", "&Delete Frequency", "Keep Order", QString(),
                        "Cut", "Copy", "Paste"});
    }

    void menuEntries()
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

    void aliases_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("alias"); // null: the table does not know the name
        Row("de device", "de", C::g_sDev, "Gerät");
        Row("de shared text", "de", C::g_sDcdName, "Name");
        Row("de grid time", "de", C::g_sSyncGridTime, "Synchronisationsraster");
        Row("de last row", "de", C::g_sMovListSpeed, "Geschwindigkeit des Senders");
        Row("de numbered", "de", C::g_sFd + "_012", "Frequenzdefinition 012");
        Row("en device", "en", C::g_sDev, "Device");
        Row("en recorder", "en", C::g_sKELDRChan, "Recorder Channel");
        Row("en spelt key", "en", C::g_sThreshold, "Threshold");
        Row("de unknown", "de", "NoSuchKey", QString());
        Row("de alias as name", "de", "Gerät", QString());
    }

    void aliases()
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

    void everyKeyHasAlias()
    {
        DravinelAliasTable table;
        for (const QString& sKey : C::AttributeKeys())
            QVERIFY2(!table.FindAlias(sKey).isEmpty(), qPrintable(sKey));
        QCOMPARE(table.GetCount(), C::AttributeKeys().size());
    }

    void missingTextStaysEnglish()
    {
        UseLanguage(QStringLiteral("de"));
        QCOMPARE(QCoreApplication::translate("FrequencyViewCtrl", "Cut"), QStringLiteral("Ausschneiden"));
        QCOMPARE(QCoreApplication::translate("FrequencyViewCtrl", "Not in any catalogue"),
                 QStringLiteral("Not in any catalogue"));
    }

    void tablesOfTwoLanguagesAlive()
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
};

QTEST_MAIN(TstTranslation)
#include "tst_translation.moc"
