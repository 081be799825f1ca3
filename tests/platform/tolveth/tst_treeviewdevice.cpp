#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/sampledata.h"
#include "oskevo/node.h"
#include "oskevo/valuedescriptor.h"
#include "tolveth/newchilddialog.h"
#include "treefixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

namespace
{

NewChildDialog* OpenNewChildDialog()
{
    for (QWidget* pWidget : QApplication::topLevelWidgets())
    {
        NewChildDialog* pDialog = qobject_cast<NewChildDialog*>(pWidget);
        if (pDialog && pDialog->isVisible())
            return pDialog;
    }
    return nullptr;
}

// The sample device tree below "Root".
struct DeviceFixture : TreeFixture
{
    explicit DeviceFixture(const QString& sShown = QString()) : TreeFixture(QString(), nullptr, false)
    {
        DravinelDefinition::SampleData::Fill(pRoot);
        pView->Init(sShown.isEmpty() ? pRoot : pRoot->GetNode(sShown));
    }
};

} // namespace

class TestTreeViewDevice : public QObject
{
    Q_OBJECT

private slots:
    void selectSingleFds_data();
    void selectSingleFds();
    void newChildThroughTheRules_data();
    void newChildThroughTheRules();
};

void TestTreeViewDevice::selectSingleFds_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("currentAfter");

    QTest::newRow("whole tree: the first list") << ""
                                                << "Dev/Dcd/Dcs/Fds";
    QTest::newRow("second device") << "Dev_1"
                                   << "Dcd/Dcs/Fds";
    QTest::newRow("second control set") << "Dev/Dcd/Dcs_1"
                                        << "Fds";
    QTest::newRow("no list: current item kept") << "Dev/Par"
                                                << "";
}

void TestTreeViewDevice::selectSingleFds()
{
    QFETCH(QString, shown);
    QFETCH(QString, currentAfter);

    DeviceFixture f(shown);
    f.Ctrl()->SelectSingleFds();
    QCOMPARE(f.CurrentPath(), currentAfter);
    TreeViewItem* pTvi = f.Ctrl()->CurrentTvi();
    QVERIFY(pTvi);
    if (!currentAfter.isEmpty())
        QCOMPARE(pTvi->GetNode()->GetValueDescriptor(), &DravinelDefinition::g_vdNodeFds);
    // The operator sees it: every parent is expanded.
    for (QTreeWidgetItem* p = pTvi->GetListViewItem()->parent(); p; p = p->parent())
        QVERIFY(p->isExpanded());
    QVERIFY(f.Current()->GetDisplay());
}

void TestTreeViewDevice::newChildThroughTheRules_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<int>("childrenAfter");

    QTest::newRow("frequency definition in a list") << "Dev/Dcd/Dcs/Fds" << true << 5;
    QTest::newRow("parameter set of a definition") << "Dev/Dcd/Dcs/Fds/Fd00000" << true << 2;
    QTest::newRow("parameter set exists already") << "Dev/Dcd/Dcs/Fds/Fd00001" << false << 2;
}

void TestTreeViewDevice::newChildThroughTheRules()
{
    QFETCH(QString, item);
    QFETCH(bool, offered);
    QFETCH(int, childrenAfter);

    DeviceFixture f;
    f.Click(item);
    QCOMPARE(f.CurrentPath(), item);
    QTest::keyClick(f.Tree(), Qt::Key_Insert);
    NewChildDialog* pDialog = OpenNewChildDialog();
    QCOMPARE(pDialog != nullptr, offered);
    if (pDialog)
    {
        const values::ValueDescriptor* pChosen = pDialog->GetCurrentDescriptor();
        QVERIFY(pChosen);
        QTest::mouseClick(pDialog->findChild<QPushButton*>("OkButton"), Qt::LeftButton);
        // The new node comes from the rules, with its attribute child, and is current.
        TreeViewItem* pNew = f.Ctrl()->CurrentTvi();
        QVERIFY(pNew);
        QCOMPARE(pNew->GetNode()->GetValueDescriptor(), pChosen);
        QCOMPARE(pNew->GetNode()->GetParentNode(), f.NodeAt(item));
        QVERIFY(f.pView->IsModified());
    }
    QCOMPARE(f.ItemAt(item)->childCount(), childrenAfter);
    QCOMPARE(f.NodeAt(item)->GetChildCount(), childrenAfter);
}

QTEST_MAIN(TestTreeViewDevice)
#include "tst_treeviewdevice.moc"
