#include "zorvanappstartup/translationcenter.h"

#include <QCoreApplication>
#include <QtTest>

namespace
{
bool g_bEarlyLoaded = false;

QString Translate(const char* pszContext, const char* pszText)
{
    return QCoreApplication::translate(pszContext, pszText);
}
} // namespace

// Catalogues made from the .ts files beside this test: registering one makes its texts
// translate, withdrawing it makes them fall back to the source texts.
class TstTranslationCenter : public QObject
{
    Q_OBJECT

private:
    TranslationCenter* Center() { return TranslationCenter::Instance(); }

private slots:
    void cleanup()
    {
        for (const QString& sContext : Center()->GetContexts())
            while (Center()->IsRegistered(sContext))
                Center()->Unregister(sContext);
        Center()->SetLocale(QLocale(QLocale::German, QLocale::Germany));
        Center()->SetTranslationDirectory(QStringLiteral(TST_QM_DIR));
    }

    // Runs first: the registration made in main() before the application existed.
    void earlyRegistrationTakesEffectWithTheApplication()
    {
        QVERIFY(g_bEarlyLoaded);
        QCOMPARE(Translate("DravinelControls", "no job loaded"), QString::fromUtf8("kein Auftrag geladen"));
        Center()->Unregister(QStringLiteral("tstearly"));
        QCOMPARE(Translate("DravinelControls", "no job loaded"), QStringLiteral("no job loaded"));
    }

    void registerAndUnregister_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("translation");
        QTest::newRow("directory") << "tstcatalogue" << QByteArray("TstCatalogue")
                                   << QByteArray("Paste Text Format Error.")
                                   << QString::fromUtf8("Fehler im Format des eingefügten Textes.");
        QTest::newRow("second context of the catalogue")
            << "tstcatalogue" << QByteArray("FrequencyViewCtrl") << QByteArray("Unknown Format.")
            << QStringLiteral("Unbekanntes Format.");
        QTest::newRow("resources") << "tstresource" << QByteArray("JobPanel") << QByteArray("Job Edit")
                                   << QStringLiteral("Auftrag bearbeiten");
    }
    void registerAndUnregister()
    {
        QFETCH(QString, catalogue);
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QString, translation);
        const QString sSource = QString::fromUtf8(source);
        QCOMPARE(Translate(context, source), sSource);
        QVERIFY(Center()->Register(catalogue));
        QVERIFY(Center()->IsLoaded(catalogue));
        QCOMPARE(Translate(context, source), translation);
        Center()->Unregister(catalogue);
        QVERIFY(!Center()->IsRegistered(catalogue));
        QCOMPARE(Translate(context, source), sSource);
    }

    void registrationsAreCounted_data()
    {
        QTest::addColumn<int>("registrations");
        QTest::addColumn<int>("withdrawals");
        QTest::addColumn<bool>("translated");
        QTest::newRow("two, one withdrawn") << 2 << 1 << true;
        QTest::newRow("two, two withdrawn") << 2 << 2 << false;
        QTest::newRow("one, three withdrawn") << 1 << 3 << false;
        QTest::newRow("three, two withdrawn") << 3 << 2 << true;
    }
    void registrationsAreCounted()
    {
        QFETCH(int, registrations);
        QFETCH(int, withdrawals);
        QFETCH(bool, translated);
        const QString sCatalogue = QStringLiteral("tstcatalogue");
        for (int i = 0; i < registrations; ++i)
            Center()->Register(sCatalogue);
        for (int i = 0; i < withdrawals; ++i)
            Center()->Unregister(sCatalogue);
        QCOMPARE(Center()->IsRegistered(sCatalogue), translated);
        QCOMPARE(Center()->GetRegisterCount(sCatalogue), qMax(0, registrations - withdrawals));
        QCOMPARE(Translate("FrequencyViewCtrl", "Unknown Format.") != QLatin1String("Unknown Format."),
                 translated);
        // Withdrawing more than was registered must not disturb a later registration.
        Center()->Register(sCatalogue);
        QCOMPARE(Translate("FrequencyViewCtrl", "Unknown Format."), QStringLiteral("Unbekanntes Format."));
    }

    void unknownCatalogueIsHarmless()
    {
        Center()->Unregister(QStringLiteral("neverRegistered"));
        QVERIFY(!Center()->IsRegistered(QStringLiteral("neverRegistered")));
        QVERIFY(!Center()->Register(QString()));
        QVERIFY(!Center()->IsRegistered(QString()));
    }

    void catalogueWithoutFileStaysBalanced_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("no file for the locale")
            << "tstcatalogue" << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("no such catalogue")
            << "DravinelControls" << QLocale(QLocale::German, QLocale::Germany);
    }
    void catalogueWithoutFileStaysBalanced()
    {
        QFETCH(QString, catalogue);
        QFETCH(QLocale, locale);
        Center()->SetLocale(locale);
        QVERIFY(!Center()->Register(catalogue));
        QVERIFY(Center()->IsRegistered(catalogue));
        QVERIFY(!Center()->IsLoaded(catalogue));
        QCOMPARE(Translate("FrequencyViewCtrl", "Unknown Format."), QStringLiteral("Unknown Format."));
        Center()->Unregister(catalogue);
        QVERIFY(!Center()->IsRegistered(catalogue));
    }

    void regionFallsBackToLanguage()
    {
        Center()->SetLocale(QLocale(QLocale::German, QLocale::Austria));
        QVERIFY(Center()->Register(QStringLiteral("tstcatalogue")));
        QCOMPARE(Translate("FrequencyViewCtrl", "Unknown Format."), QStringLiteral("Unbekanntes Format."));
    }

    void changingLocaleOrDirectoryReloads()
    {
        QVERIFY(Center()->Register(QStringLiteral("tstcatalogue")));
        Center()->SetLocale(QLocale(QLocale::French, QLocale::France));
        QVERIFY(!Center()->IsLoaded(QStringLiteral("tstcatalogue")));
        QCOMPARE(Translate("FrequencyViewCtrl", "Unknown Format."), QStringLiteral("Unknown Format."));
        Center()->SetLocale(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Translate("FrequencyViewCtrl", "Unknown Format."), QStringLiteral("Unbekanntes Format."));

        Center()->SetTranslationDirectory(QStringLiteral(TST_QM_DIR "/missing"));
        QCOMPARE(Translate("FrequencyViewCtrl", "Unknown Format."), QStringLiteral("Unknown Format."));
        Center()->SetTranslationDirectory(QStringLiteral(TST_QM_DIR));
        QCOMPARE(Translate("FrequencyViewCtrl", "Unknown Format."), QStringLiteral("Unbekanntes Format."));
        QCOMPARE(Center()->GetRegisterCount(QStringLiteral("tstcatalogue")), 1); // reloading keeps the count
    }
};

int main(int argc, char** argv)
{
    // A library registers its catalogue while it is being loaded, before the host has made
    // its application object.
    TranslationCenter::Instance()->SetTranslationDirectory(QStringLiteral(TST_QM_DIR));
    TranslationCenter::Instance()->SetLocale(QLocale(QLocale::German, QLocale::Germany));
    g_bEarlyLoaded = TranslationCenter::Instance()->Register(QStringLiteral("tstearly"));
    QCoreApplication app(argc, argv);
    TstTranslationCenter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translationcenter.moc"
