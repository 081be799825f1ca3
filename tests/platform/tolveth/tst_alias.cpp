#include "common/datarow.h"
#include "tolveth/alias.h"
#include "tolveth/aliasmap.h"
#include "tolveth/aliasmapclient.h"
#include "tolveth/numberedaliastable.h"

#include <QtTest>

namespace
{

// A numbered table filled like the tables of the controls.
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

// Rows "question=answer"; without "=" the answer is null.
void AddRows(std::initializer_list<const char*> rows)
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    for (const char* pszRow : rows)
    {
        const QString sRow = QString::fromUtf8(pszRow);
        const int nEquals = sRow.indexOf('=');
        Row(pszRow, sRow.left(nEquals), (nEquals < 0 ? QString() : sRow.mid(nEquals + 1)));
    }
}

} // namespace

class TestAlias : public QObject
{
    Q_OBJECT

private slots:
    // "<base>_<digits>" and "<digits>_<base>" take the base's alias and the number; anything
    // else that is no plain name has no alias.
    void numberedAlias_data()
    {
        AddRows({"Fd=Frequency Definition", "Fd_12=Frequency Definition 12", "12_Fd=Frequency Definition 12",
                 "Fd_012=Frequency Definition 012", "Dev_Attr_3=Device Attribute 3",
                 "3_Dev_Attr=Device Attribute 3", "Fd_", "_12", "Fd12", "Fd_1a", "Fd_-1", "Fd_1_2", "fd_1",
                 "12"});
        Row("other digits than 0-9", QString::fromUtf8("Fd_\u0661\u0662"), QString());
    }
    void numberedAlias()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        TestTable table(s_lstDevice);
        QCOMPARE(table.FindAlias(in), out);
        QCOMPARE(table.FindAlias(in).isNull(), out.isNull());
    }

    // Aliases lead back to the first name that has them; numbered aliases are not reversed. A
    // name added again takes its new alias in both directions.
    void nameOfAlias_data() { AddRows({"Device=Dev", "Attribute=DevAttr", "Device 3", "device"}); }
    void nameOfAlias()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        TestTable table(s_lstDevice);
        QCOMPARE(table.FindName(in), out);
        QCOMPARE(table.FindName(in).isNull(), out.isNull());
        table.Add("Dev", "Receiver");
        QCOMPARE(table.FindAlias("Dev"), QString("Receiver"));
        QCOMPARE(table.FindName("Receiver"), QString("Dev"));
        QVERIFY(table.FindName("Device").isNull());
    }

    // The map asks its tables in the order they were added, each table once. Rows: steps with
    // tables 1 and 2 = the alias of Dev, the alias of Par, the name of Device.
    void mapConsultsTablesInOrder_data()
    {
        AddRows({"=,,", "add1 add2=Device,Parameters,Dev", "add2 add1=Receiver,Parameters,Dev",
                 "add1 add2 remove1=Receiver,Parameters,", "add1 add1 remove1=,,"});
    }
    void mapConsultsTablesInOrder()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        TestTable table1(s_lstDevice);
        TestTable table2({{"Dev", "Receiver"}, {"Par", "Parameters"}});
        AliasMap map;
        for (const QString& sStep : in.split(' ', Qt::SkipEmptyParts))
        {
            IAliasTable* pTable = sStep.endsWith('1') ? &table1 : &table2;
            sStep.startsWith("add") ? map.AddTable(pTable) : map.RemoveTable(pTable);
        }
        QCOMPARE((QStringList{map.FindAlias("Dev"), map.FindAlias("Par"), map.FindName("Device")}).join(','),
                 out);
        QVERIFY(map.FindAlias("Other").isNull());
        // Shown: the alias, else the name itself.
        QCOMPARE(Alias::Lookup("Other", &map), QString("Other"));
        QCOMPARE(Alias::Lookup("Par", nullptr), QString("Par"));
        AliasMapClient client;
        client.SetAliasMap(&map);
        QCOMPARE(client.Alias("Par"),
                 out.section(',', 1, 1).isEmpty() ? QString("Par") : QString("Parameters"));
        // Numbered names go through the table's own rule.
        const QString sDev = out.section(',', 0, 0);
        QCOMPARE(map.FindAlias("Dev_4"), sDev.isEmpty() ? QString() : sDev + " 4");
    }
};

QTEST_GUILESS_MAIN(TestAlias)
#include "tst_alias.moc"
