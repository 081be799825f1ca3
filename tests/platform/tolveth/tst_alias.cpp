#include "tolveth/alias.h"
#include "tolveth/aliasmap.h"
#include "tolveth/aliasmapclient.h"
#include "tolveth/numberedaliastable.h"

#include <QtTest>

namespace
{

// A numbered table filled like the tables of the controls: by Add in the constructor.
class TestTable : public NumberedAliasTable
{
public:
    explicit TestTable(const QList<QPair<QString, QString>>& lstEntries)
    {
        for (const auto& entry : lstEntries)
            Add(entry.first, entry.second);
    }
    using AliasTable::Add;
};

const QList<QPair<QString, QString>> s_lstDevice = {
    {"Fd", "Frequency Definition"},   {"Fds", "Frequency Definitions"}, {"Dev", "Device"},
    {"Dev_Attr", "Device Attribute"}, {"DevAttr", "Attribute"},         {"DcdAttr", "Attribute"},
};

// Null QStrings travel through the data table as this marker.
const QString s_sNull = QStringLiteral("<null>");

QString Marked(const QString& s)
{
    return s.isNull() ? s_sNull : s;
}

class AliasClient : public AliasMapClient
{
};

} // namespace

class TestAlias : public QObject
{
    Q_OBJECT

private slots:
    void numberedAlias_data();
    void numberedAlias();
    void nameOfAlias_data();
    void nameOfAlias();
    void mapConsultsTablesInOrder_data();
    void mapConsultsTablesInOrder();
    void lookupFallsBackToTheName_data();
    void lookupFallsBackToTheName();
};

void TestAlias::numberedAlias_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("alias");

    QTest::newRow("plain name") << "Fd"
                                << "Frequency Definition";
    QTest::newRow("number after") << "Fd_12"
                                  << "Frequency Definition 12";
    QTest::newRow("number before") << "12_Fd"
                                   << "Frequency Definition 12";
    QTest::newRow("leading zeros kept") << "Fd_012"
                                        << "Frequency Definition 012";
    QTest::newRow("zero") << "Dev_0"
                          << "Device 0";
    QTest::newRow("longer base is not the shorter one") << "Fds_3"
                                                        << "Frequency Definitions 3";
    QTest::newRow("base with underscore") << "Dev_Attr"
                                          << "Device Attribute";
    QTest::newRow("base with underscore, number after") << "Dev_Attr_3"
                                                        << "Device Attribute 3";
    QTest::newRow("base with underscore, number before") << "3_Dev_Attr"
                                                         << "Device Attribute 3";
    QTest::newRow("no number") << "Fd_" << s_sNull;
    QTest::newRow("no base") << "_12" << s_sNull;
    QTest::newRow("no separator") << "Fd12" << s_sNull;
    QTest::newRow("letters in the number") << "Fd_1a" << s_sNull;
    QTest::newRow("sign is no digit") << "Fd_-1" << s_sNull;
    QTest::newRow("other digits than 0-9") << QString::fromUtf8("Fd_\u0661\u0662") << s_sNull;
    QTest::newRow("two numbers") << "Fd_1_2" << s_sNull;
    QTest::newRow("numbers on both sides") << "1_Fd_2" << s_sNull;
    QTest::newRow("case matters") << "fd_1" << s_sNull;
    QTest::newRow("unknown base") << "Xy_3" << s_sNull;
    QTest::newRow("empty") << "" << s_sNull;
    QTest::newRow("only a number") << "12" << s_sNull;
}

void TestAlias::numberedAlias()
{
    QFETCH(QString, name);
    QFETCH(QString, alias);
    TestTable table(s_lstDevice);
    QCOMPARE(Marked(table.FindAlias(name)), alias);
}

void TestAlias::nameOfAlias_data()
{
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QString>("name");

    QTest::newRow("known") << "Device"
                           << "Dev";
    QTest::newRow("shared alias gives the first name") << "Attribute"
                                                       << "DevAttr";
    QTest::newRow("numbered aliases are not reversed") << "Device 3" << s_sNull;
    QTest::newRow("unknown") << "Nothing" << s_sNull;
    QTest::newRow("case matters") << "device" << s_sNull;
}

void TestAlias::nameOfAlias()
{
    QFETCH(QString, alias);
    QFETCH(QString, name);
    TestTable table(s_lstDevice);
    QCOMPARE(Marked(table.FindName(alias)), name);

    // A name added again takes its new alias in both directions.
    table.Add("Dev", "Receiver");
    QCOMPARE(table.FindAlias("Dev"), QString("Receiver"));
    QCOMPARE(table.FindName("Receiver"), QString("Dev"));
    QCOMPARE(Marked(table.FindName("Device")), s_sNull);
}

void TestAlias::mapConsultsTablesInOrder_data()
{
    QTest::addColumn<QStringList>("steps"); // "add1", "add2", "remove1", "remove2"
    QTest::addColumn<QString>("aliasOfDev");
    QTest::addColumn<QString>("aliasOfPar");
    QTest::addColumn<QString>("nameOfDevice");

    QTest::newRow("no table") << QStringList{} << s_sNull << s_sNull << s_sNull;
    QTest::newRow("first table") << QStringList{"add1"} << "Device" << s_sNull << "Dev";
    QTest::newRow("first added wins") << QStringList{"add1", "add2"} << "Device"
                                      << "Parameters"
                                      << "Dev";
    QTest::newRow("other order") << QStringList{"add2", "add1"} << "Receiver"
                                 << "Parameters"
                                 << "Dev";
    QTest::newRow("removed table is not asked") << QStringList{"add1", "add2", "remove1"} << "Receiver"
                                                << "Parameters" << s_sNull;
    QTest::newRow("added twice, removed once")
        << QStringList{"add1", "add1", "remove1"} << s_sNull << s_sNull << s_sNull;
    QTest::newRow("removing an unknown table")
        << QStringList{"add1", "remove2"} << "Device" << s_sNull << "Dev";
}

void TestAlias::mapConsultsTablesInOrder()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, aliasOfDev);
    QFETCH(QString, aliasOfPar);
    QFETCH(QString, nameOfDevice);

    TestTable table1(s_lstDevice);
    TestTable table2({{"Dev", "Receiver"}, {"Par", "Parameters"}});
    AliasMap map;
    for (const QString& sStep : steps)
    {
        IAliasTable* pTable = sStep.endsWith('1') ? &table1 : &table2;
        if (sStep.startsWith("add"))
            map.AddTable(pTable);
        else
            map.RemoveTable(pTable);
    }
    QCOMPARE(Marked(map.FindAlias("Dev")), aliasOfDev);
    QCOMPARE(Marked(map.FindAlias("Par")), aliasOfPar);
    QCOMPARE(Marked(map.FindName("Device")), nameOfDevice);
    // Numbered names go through the table's own rule.
    if (aliasOfDev != s_sNull)
        QCOMPARE(map.FindAlias("Dev_4"), aliasOfDev + " 4");
}

void TestAlias::lookupFallsBackToTheName_data()
{
    QTest::addColumn<bool>("withMap");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("no map") << false << "Fd_2"
                            << "Fd_2";
    QTest::newRow("alias") << true << "Fd"
                           << "Frequency Definition";
    QTest::newRow("numbered alias") << true << "2_Fd"
                                    << "Frequency Definition 2";
    QTest::newRow("no alias") << true << "Other"
                              << "Other";
    QTest::newRow("empty alias shows the name") << true << "Blank"
                                                << "Blank";
    QTest::newRow("empty name") << true << ""
                                << "";
}

void TestAlias::lookupFallsBackToTheName()
{
    QFETCH(bool, withMap);
    QFETCH(QString, name);
    QFETCH(QString, shown);

    TestTable table(s_lstDevice);
    table.Add("Blank", "");
    AliasMap map;
    map.AddTable(&table);
    IAliasMap* pMap = withMap ? &map : nullptr;
    QCOMPARE(Alias::Lookup(name, pMap), shown);

    AliasClient client;
    client.SetAliasMap(pMap);
    QCOMPARE(client.Alias(name), shown);
}

QTEST_GUILESS_MAIN(TestAlias)
#include "tst_alias.moc"
