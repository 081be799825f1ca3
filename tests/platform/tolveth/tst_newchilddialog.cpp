#include "oskevo/valuedescriptor.h"
#include "tolveth/aliasmap.h"
#include "tolveth/aliastable.h"
#include "tolveth/newchilddialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

namespace
{

const values::ValueDescriptor g_vdGroup = values::ValueDescriptor::NodeType("TstNcGroup", "/Group");
const values::ValueDescriptor g_vdEntry = values::ValueDescriptor::NodeType("TstNcEntry", "/Sub/Entry");
const values::ValueDescriptor g_vdNote = values::ValueDescriptor::NodeType("TstNcNote", "/Note");

const values::ValueDescriptor* const s_apDescriptors[] = {&g_vdGroup, &g_vdEntry, &g_vdNote};

class TestTable : public AliasTable
{
public:
    TestTable()
    {
        Add("Group", "Parameter Group");
        Add("Entry", "Frequency Entry");
    }
};

} // namespace

class TestNewChildDialog : public QObject
{
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
};

void TestNewChildDialog::choice_data()
{
    QTest::addColumn<QList<int>>("offered"); // indexes into s_apDescriptors, -1 for null
    QTest::addColumn<bool>("withAliases");
    QTest::addColumn<QStringList>("userInput"); // "down", "up", "ok", "cancel", "return", "escape"
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("chosen"); // index into s_apDescriptors, -1: no signal
    QTest::addColumn<bool>("closed");

    const QList<int> all{0, 1, 2};
    QTest::newRow("first entry with Ok")
        << all << true << QStringList{"ok"} << QStringList{"Parameter Group", "Frequency Entry", "Note"} << 0
        << true;
    QTest::newRow("arrow down twice")
        << all << true << QStringList{"down", "down", "ok"}
        << QStringList{"Parameter Group", "Frequency Entry", "Note"} << 2 << true;
    QTest::newRow("down and up again")
        << all << true << QStringList{"down", "down", "up", "return"}
        << QStringList{"Parameter Group", "Frequency Entry", "Note"} << 1 << true;
    QTest::newRow("names without map")
        << all << false << QStringList{"down", "ok"} << QStringList{"Group", "Entry", "Note"} << 1 << true;
    QTest::newRow("cancel") << all << true << QStringList{"down", "cancel"}
                            << QStringList{"Parameter Group", "Frequency Entry", "Note"} << -1 << true;
    QTest::newRow("escape") << all << true << QStringList{"escape"}
                            << QStringList{"Parameter Group", "Frequency Entry", "Note"} << -1 << true;
    QTest::newRow("order as given, nulls left out")
        << QList<int>{2, -1, 0} << true << QStringList{"down", "ok"} << QStringList{"Note", "Parameter Group"}
        << 0 << true;
    QTest::newRow("nothing to offer: Ok does nothing")
        << QList<int>{} << true << QStringList{"ok", "return"} << QStringList{} << -1 << false;
}

void TestNewChildDialog::choice()
{
    QFETCH(QList<int>, offered);
    QFETCH(bool, withAliases);
    QFETCH(QStringList, userInput);
    QFETCH(QStringList, entries);
    QFETCH(int, chosen);
    QFETCH(bool, closed);

    TestTable table;
    AliasMap map;
    map.AddTable(&table);
    std::list<const values::ValueDescriptor*> lst;
    for (int n : offered)
        lst.push_back(n < 0 ? nullptr : s_apDescriptors[n]);

    QWidget parent;
    QPointer<NewChildDialog> pDialog = new NewChildDialog(&parent, lst, withAliases ? &map : nullptr);
    QList<const values::ValueDescriptor*> lstEmitted;
    connect(pDialog.data(), &NewChildDialog::SignalNewChild,
            [&lstEmitted](const values::ValueDescriptor* p) { lstEmitted << p; });
    pDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(pDialog));
    QVERIFY(!pDialog->isModal());

    QComboBox* pCombo = pDialog->findChild<QComboBox*>("ChildTypeCombo");
    QVERIFY(pCombo);
    QStringList lstShown;
    for (int i = 0; i < pCombo->count(); ++i)
        lstShown << pCombo->itemText(i);
    QCOMPARE(lstShown, entries);

    for (const QString& sInput : userInput)
    {
        if (sInput == "down" || sInput == "up")
            QTest::keyClick(pCombo, sInput == "down" ? Qt::Key_Down : Qt::Key_Up);
        else if (sInput == "ok")
            QTest::mouseClick(pDialog->findChild<QPushButton*>("OkButton"), Qt::LeftButton);
        else if (sInput == "cancel")
            QTest::mouseClick(pDialog->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
        else if (sInput == "return")
            QTest::keyClick(pCombo, Qt::Key_Return);
        else if (sInput == "escape")
            QTest::keyClick(pCombo, Qt::Key_Escape);
    }

    if (chosen < 0)
        QVERIFY(lstEmitted.isEmpty());
    else
        QCOMPARE(lstEmitted, QList<const values::ValueDescriptor*>{s_apDescriptors[chosen]});

    // A closed dialog deletes itself; an open one stays for the operator.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(pDialog.isNull(), closed);
    delete pDialog.data();
}

QTEST_MAIN(TestNewChildDialog)
#include "tst_newchilddialog.moc"
