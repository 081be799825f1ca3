#include "zorvanappstartup/cfgcenter.h"
#include "zorvanappstartup/translationcenter.h"

#include <QCoreApplication>
#include <QtTest>

namespace
{
bool g_bEarlyLoaded = false;

const auto Translate = [](const char* pszContext, const char* pszText)
{ return QCoreApplication::translate(pszContext, pszText); };
// A text of the directory catalogue "tstcatalogue", translated or not.
const auto Unknown = [] { return Translate("FrequencyViewCtrl", "Unknown Format."); };
const QString c_sDe = QStringLiteral("Unbekanntes Format.");
const QString c_sEn = QStringLiteral("Unknown Format.");
} // namespace

// The application name, and catalogues made from the .ts files beside this test.
class TstAppStartup : public QObject
{
    Q_OBJECT
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

    void appNameTitlesMessageBoxes()
    {
        // The name the host set, else the application's name, followed again once the set name goes.
        QCoreApplication::setApplicationName(QStringLiteral("Job Editor"));
        CfgCenter::SetAppName(QStringLiteral("Radio Monitoring"));
        QCOMPARE(CfgCenter::GetAppName(), QStringLiteral("Radio Monitoring"));
        CfgCenter::SetAppName(QString());
        QCOMPARE(CfgCenter::GetAppName(), QStringLiteral("Job Editor"));
        QCoreApplication::setApplicationName(QStringLiteral("Job Panel"));
        QCOMPARE(CfgCenter::GetAppName(), QStringLiteral("Job Panel"));
    }

    void registerAndUnregister()
    {
        // Catalogue, context, source text, translation: from the directory, and from the resources.
        const QString sPaste = QString::fromUtf8("Fehler im Format des eingefügten Textes.");
        for (const QStringList& t :
             {QStringList{"tstcatalogue", "TstCatalogue", "Paste Text Format Error.", sPaste},
              QStringList{"tstresource", "JobPanel", "Job Edit", "Auftrag bearbeiten"}})
        {
            auto translated = [&t]() { return Translate(qPrintable(t[1]), qPrintable(t[2])); };
            QCOMPARE(translated(), t[2]);
            QVERIFY2(Center()->Register(t[0]) && Center()->IsLoaded(t[0]), qPrintable(t[0]));
            QCOMPARE(translated(), t[3]);
            Center()->Unregister(t[0]);
            QVERIFY(!Center()->IsRegistered(t[0]));
            QCOMPARE(translated(), t[2]);
        }
    }

    void registrationsAreCounted()
    {
        const QString sCatalogue = QStringLiteral("tstcatalogue");
        for (auto [nRegistrations, nWithdrawals] :
             std::initializer_list<std::pair<int, int>>{{2, 1}, {2, 2}, {1, 3}})
        {
            cleanup();
            for (int i = 0; i < nRegistrations; ++i)
                Center()->Register(sCatalogue);
            for (int i = 0; i < nWithdrawals; ++i)
                Center()->Unregister(sCatalogue);
            QVERIFY(Center()->IsRegistered(sCatalogue) == (Unknown() == c_sDe));
            QCOMPARE(Center()->IsRegistered(sCatalogue), nRegistrations > nWithdrawals);
            QCOMPARE(Center()->GetRegisterCount(sCatalogue), qMax(0, nRegistrations - nWithdrawals));
            // Withdrawing more than was registered must not disturb a later registration.
            Center()->Register(sCatalogue);
            QCOMPARE(Unknown(), c_sDe);
        }
        // Unknown catalogues are harmless; one without a file for the locale, or without any,
        // counts as registered all the same, so that withdrawing stays balanced.
        cleanup();
        Center()->Unregister(QStringLiteral("neverRegistered"));
        QVERIFY(!Center()->IsRegistered(QStringLiteral("neverRegistered")) && !Center()->Register(QString()));
        QVERIFY(!Center()->IsRegistered(QString()));
        Center()->SetLocale(QLocale(QLocale::French, QLocale::France));
        for (const QString& sNoFile : {sCatalogue, QStringLiteral("DravinelControls")})
        {
            QVERIFY(!Center()->Register(sNoFile) && Center()->IsRegistered(sNoFile) &&
                    !Center()->IsLoaded(sNoFile));
            QCOMPARE(Unknown(), c_sEn);
            Center()->Unregister(sNoFile);
            QVERIFY(!Center()->IsRegistered(sNoFile));
        }
    }

    void changingLocaleOrDirectoryReloads()
    {
        Center()->SetLocale(QLocale(QLocale::German, QLocale::Austria)); // falls back to the language
        QVERIFY(Center()->Register(QStringLiteral("tstcatalogue")));
        QCOMPARE(Unknown(), c_sDe);
        Center()->SetLocale(QLocale(QLocale::French, QLocale::France));
        QVERIFY(!Center()->IsLoaded(QStringLiteral("tstcatalogue")));
        QCOMPARE(Unknown(), c_sEn);
        Center()->SetLocale(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Unknown(), c_sDe);
        Center()->SetTranslationDirectory(QStringLiteral(TST_QM_DIR "/missing"));
        QCOMPARE(Unknown(), c_sEn);
        Center()->SetTranslationDirectory(QStringLiteral(TST_QM_DIR));
        QCOMPARE(Unknown(), c_sDe);
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
    TstAppStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_appstartup.moc"
