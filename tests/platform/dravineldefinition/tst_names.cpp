#include "dravineldefinition/names.h"

#include <QSet>
#include <QtTest>

using namespace DravinelDefinition;

// Read while this test's own globals are initialised: the names must already hold their text.
static const QString s_sDevAtStartUp = C::g_sDev;
static const QString s_sPathAtStartUp = C::g_sSLASH + C::g_sDev + C::g_sSLASH + C::g_sDcd;

class TestNames : public QObject
{
    Q_OBJECT

private slots:
    void usableDuringStaticInitialisation();
    void attributeKeysAreDistinctNames();
    void keyTexts_data();
    void keyTexts();
};

void TestNames::usableDuringStaticInitialisation()
{
    QCOMPARE(s_sDevAtStartUp, QStringLiteral("Dev"));
    QCOMPARE(s_sPathAtStartUp, QStringLiteral("/Dev/Dcd"));
}

void TestNames::attributeKeysAreDistinctNames()
{
    const QStringList& keys = C::AttributeKeys();
    const QStringList& ids = C::AttributeKeyIdentifiers();
    QCOMPARE(keys.size(), 334);
    QCOMPARE(ids.size(), keys.size());
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    for (const QString& sKey : keys)
    {
        // Names are path segments: no separators, blanks or digits that a numbered copy would add.
        QVERIFY2(!sKey.isEmpty(), qPrintable(sKey));
        QVERIFY2(!sKey.contains(QLatin1Char('/')) && !sKey.contains(QLatin1Char(' ')) &&
                     !sKey.contains(QLatin1Char('_')),
                 qPrintable(sKey));
        QVERIFY2(sKey.at(0).isLetter(), qPrintable(sKey));
    }
    QVERIFY(!keys.contains(C::g_sSLASH));
    QCOMPARE(keys.first(), C::g_sDemod);
    QCOMPARE(keys.last(), C::g_sMovListSpeed);
}

void TestNames::keyTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("text");

    // Texts other parts of the system spell out.
    QTest::newRow("device") << C::g_sDev << "g_sDev"
                            << "Dev";
    QTest::newRow("control data") << C::g_sDcd << "g_sDcd"
                                  << "Dcd";
    QTest::newRow("frequency definition") << C::g_sFd << "g_sFd"
                                          << "Fd";
    QTest::newRow("frequency list") << C::g_sFds << "g_sFds"
                                    << "Fds";
    QTest::newRow("parameter set") << C::g_sPar << "g_sPar"
                                   << "Par";
    QTest::newRow("suppress flag") << C::g_sFSuppress << "g_sFSuppress"
                                   << "FSupp";
    QTest::newRow("threshold, as the receivers spell it") << C::g_sThreshold << "g_sThreshold"
                                                          << "Threshhold";
    QTest::newRow("DF report interval") << C::g_sDfUpdateInterval << "g_sDfUpdateInterval"
                                        << "DfReportInterval";
    QTest::newRow("breakpoint longitude") << C::g_sMovListLongitude << "g_sMovListLongitude"
                                          << "MovListLongitude";
    QTest::newRow("movement latitude") << C::g_sMovLatitude << "g_sMovLatitude"
                                       << "MovLatitude";
    QTest::newRow("job name") << C::g_sDcdName << "g_sDcdName"
                              << "DcdName";
}

void TestNames::keyTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QFETCH(QString, text);
    QCOMPARE(name, text);
    const int nIndex = C::AttributeKeyIdentifiers().indexOf(identifier);
    QVERIFY(nIndex >= 0);
    QCOMPARE(C::AttributeKeys().at(nIndex), text);
}

QTEST_GUILESS_MAIN(TestNames)
#include "tst_names.moc"
