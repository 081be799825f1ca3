// The standard device tree as an operator meets it: which item each node gets, the commands
// it offers, paste into nodes with and without rules, texts that follow their values, the
// editor in the display area and the alias table's life with the host's alias map.

#include "common/datarow.h"
#include "common/valuetreetext.h"
#include "platform/tolveth/treefixture.h"

#include "dravinelcontrols/dravinelview.h"
#include "dravinelcontrols/dravinelviewctrl.h"
#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewsplit.h"
#include "dravinelcontrols/newdevicedialog.h"
#include "dravinelcontrols/tvistdnode.h"

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/names.h"
#include "dravineldefinition/sampledata.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valueselection.h"
#include "oskevo/vtxml.h"
#include "tolveth/aliasmap.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace DravinelDefinition;

namespace
{

// Exposes the name test of the controller.
struct NameTest : DravinelViewCtrl
{
    using DravinelViewCtrl::IsEqualToStdName;
};

// The sample device tree in the process-wide tree, shown by a device tree view.
struct DeviceTree
{
    DeviceTree()
    {
        Root()->DeleteChildren();
        SampleData::Fill(Root());
        pView->resize(900, 600);
        pView->show();
        pView->Init(nullptr);
    }
    ~DeviceTree()
    {
        pView.reset();
        Root()->DeleteChildren();
    }
    static values::Node* Root() { return values::Tree::Instance()->GetRoot(); }
    static values::Node* NodeAt(const QString& sPath)
    {
        return sPath.isEmpty() ? Root() : Root()->GetNode(sPath);
    }
    TreeViewBaseCtrl* Ctrl() const { return pView->GetTreeViewCtrl(); }
    TviStdNode* Tvi(const QString& sPath) const
    {
        values::Node* pNode = NodeAt(sPath);
        return pNode ? dynamic_cast<TviStdNode*>(Ctrl()->GetTvi(pNode)) : nullptr;
    }
    QString Text(const QString& sPath) const
    {
        TviStdNode* pTvi = Tvi(sPath);
        return pTvi ? pTvi->GetListViewItem()->text(0) : QStringLiteral("<no item>");
    }
    // A click on the node's item, as the operator selects it.
    void Click(const QString& sPath) const
    {
        QTreeWidgetItem* pLvi = Tvi(sPath)->GetListViewItem();
        for (QTreeWidgetItem* p = pLvi->parent(); p; p = p->parent())
            p->setExpanded(true);
        QTreeWidget* pTree = pView->GetListView();
        pTree->scrollToItem(pLvi);
        QTest::mouseClick(pTree->viewport(), Qt::LeftButton, Qt::NoModifier,
                          pTree->visualItemRect(pLvi).center());
        QCoreApplication::processEvents();
    }
    QWidget* Display() const
    {
        auto* pTvi = dynamic_cast<TviNodeSplit*>(Ctrl()->CurrentTvi());
        return pTvi ? pTvi->GetDisplay() : nullptr;
    }
    std::unique_ptr<DravinelView> pView = std::make_unique<DravinelView>();
};

QString Serialised(const QString& sPath)
{
    return values::VtXml::ToXml(DeviceTree::NodeAt(sPath));
}

} // namespace

class TestDravinelView : public QObject
{
    Q_OBJECT

private slots:
    void standardName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("match");
        for (const char* psz : {"Fds", "Fds1", "Fds 12", "Fds_3", "Fds_"})
            Row(psz, QString(psz), true);
        for (const char* psz : {"Fds x", "Fds__1", "Fds1a", "Fd", "fds", "FdsX", "Fds 1a"})
            Row(psz, QString(psz), false);
    }
    void standardName()
    {
        QFETCH(QString, name);
        QFETCH(bool, match);
        QCOMPARE(NameTest::IsEqualToStdName(name, "Fds"), match);
    }

    // Each node gets the item of its kind; the name rules come before the root rule.
    void itemClass_data()
    {
        QTest::addColumn<QString>("shown"); // the node the view shows
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("item");
        auto row = [](const char* pszShown, const char* pszPath, const char* pszItem)
        { Row(pszPath, QString(pszShown), QString(pszPath), QString(pszItem)); };
        row("", "", "TviStdRoot");
        row("", "Dev", "TviDev");
        row("", "Dev_1", "TviDev"); // the value tree's name for a second device
        row("", "Dev/Dcd", "TviDcd");
        row("", "Dev/Dcd/Dcs_1", "TviDcs");
        row("", "Dev/Dcd/Dcs", "TviDcs");
        row("", "Dev/Dcd/Dcs/Fds", "TviFds");
        row("", "Dev/Par", "TviPar");
        row("", "Dev/Ems/IndEm/Par", "TviScePar");
        row("", "Dev/Emi/IndEmi/Par", "TviScePar");
        row("", "Dev/Movs/IndMov/Par", "TviScePar");
        row("", "Dev/Ems", "TviStdNode");
        row("Dev", "Dev", "TviDev");
        row("Dev/Ems", "Dev/Ems", "TviStdRoot");
        row("", "Dev/Extra/Fds_3", "TviFds");
        row("", "Dev/Extra/Fds 1a", "TviStdNode");
        row("", "Dev/Extra/Par", "TviPar");
        row("", "Dev/Extra/Other", "TviStdNode");
        row("", "Dev/Extra/Dev_2", "TviStdNode"); // a generic node is no device by its name alone
    }
    void itemClass()
    {
        QFETCH(QString, shown);
        QFETCH(QString, path);
        QFETCH(QString, item);
        DeviceTree tree;
        values::Node* pExtra = new values::Node("Extra");
        tree.NodeAt("Dev")->AddItem(pExtra);
        ValueTreeText::Build(pExtra, "Fds_3{} Other{} Dev_2{}");
        pExtra->AddItem(new values::Node("Fds 1a"));
        pExtra->AddItem(g_vdNodePar.CreateItem("Par"));
        tree.pView->Load(tree.NodeAt(shown));
        TviStdNode* pTvi = tree.Tvi(path);
        QVERIFY(pTvi);
        QCOMPARE(QString(pTvi->metaObject()->className()), item);
        // The attribute child is edited in the display, never an item of its own.
        QCOMPARE(tree.Ctrl()->GetTvi(tree.NodeAt("Dev/DevAttr")), nullptr);
    }

    // What the context menu offers, node by node (new cut copy paste delete properties).
    void commands_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("allowed");
        Row("root", "", "new copy paste");
        Row("device", "Dev", "cut copy paste delete");
        Row("control data", "Dev/Dcd", "new cut copy paste delete");
        Row("control set", "Dev/Dcd/Dcs", "new cut copy paste delete");
        Row("frequency list", "Dev/Dcd/Dcs/Fds", "cut paste delete");
        Row("parameter set", "Dev/Par", "cut copy paste delete");
    }
    void commands()
    {
        QFETCH(QString, path);
        QFETCH(QString, allowed);
        DeviceTree tree;
        static const char* const s_apszNames[] = {"new", "cut", "copy", "paste", "delete"};
        QStringList lst;
        for (unsigned int nCommand = 0; nCommand < 5; ++nCommand)
            if (tree.Tvi(path)->IsCommandExecutable(nCommand))
                lst << s_apszNames[nCommand];
        QVERIFY(!tree.Tvi(path)->IsCommandExecutable(TviNode::CMD_PROPERTIES));
        QVERIFY(!tree.Tvi(path)->IsCommandExecutable(TviNode::CMD_PROPERTIES_2));
        QCOMPARE(lst.join(' '), allowed);
    }

    // Ctrl+V into a node: what the rules refuse is named and skipped, a unique node that
    // exists is replaced only when the operator says so; a node without rules takes anything.
    void paste_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("copied"); // paths of the nodes on the clipboard
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("added"); // children of the target afterwards, by name
        Row("one refused of three", "Dev/Dcd", QStringList{"Dev/Dcd/Dcs", "Dev/Ems", "Dev/Dcd/Dcs_1"},
            QStringList(), 1, "DcdAttr Dcs Par Dcs_1 Dcs_2 Dcs_1_1");
        Row("unique kept", "Dev", QStringList{"Dev_1/Dcd"}, QStringList{"Keep"}, 1, "");
        Row("unique replaced", "Dev", QStringList{"Dev_1/Dcd"}, QStringList{"Replace"}, 1, "");
        Row("no rules, shown alone", "Dev/Extra", QStringList{"Dev/Ems", "Dev/Emi", "Dev/Ems"},
            QStringList{"Keep"}, 1, "Ems Emi");
    }
    void paste()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, copied);
        QFETCH(QStringList, answers);
        QFETCH(int, messages);
        QFETCH(QString, added);
        DeviceTree tree;
        tree.NodeAt("Dev")->AddItem(new values::Node("Extra"));
        values::VtXml doc;
        for (const QString& sPath : copied)
            doc.AddNode(tree.NodeAt(sPath));
        QGuiApplication::clipboard()->setText(doc.GetString());
        if (!TviStdNode::RulesOf(tree.NodeAt(target)))
            tree.pView->Load(tree.NodeAt(target)); // only a top item may take a paste then
        const QString sBefore = Serialised("Dev/Dcd"), sOther = Serialised("Dev_1/Dcd");
        tree.Click(target);
        TreeTest::Answerer answerer(answers);
        QTest::keyClick(tree.pView->GetListView(), Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(answerer.m_lstTexts.size(), messages);
        QStringList lstNames;
        for (values::TreeItem* pChild : tree.NodeAt(target)->GetTreeItems())
            if (pChild->IsNode())
                lstNames << pChild->GetName();
        if (QTest::currentDataTag() == QLatin1String("unique kept"))
            QCOMPARE(Serialised("Dev/Dcd"), sBefore);
        else if (QTest::currentDataTag() == QLatin1String("unique replaced"))
            QCOMPARE(Serialised("Dev/Dcd"), sOther);
        else
            QCOMPARE(lstNames.join(' '), added);
    }

    // The item texts follow the values they show; a deleted value is let go.
    void texts()
    {
        DeviceTree tree;
        QCOMPARE(tree.Text("Dev"), QString("Station North [DF Monitoring Receiver]"));
        auto* pName = dynamic_cast<values::Value<QString>*>(
            tree.NodeAt("Dev")->GetNode("DevAttr")->GetChildValue(&g_vdDevName));
        pName->SetAsString("Station South");
        QCOMPARE(tree.Text("Dev"), QString("Station South [DF Monitoring Receiver]"));
        pName->SetAsString("");
        QCOMPARE(tree.Text("Dev"), QString("<Name> [DF Monitoring Receiver]"));
        tree.NodeAt("Dev/DevAttr")->DeleteItem(pName);
        QCOMPARE(tree.Text("Dev"), QString("<Name> [DF Monitoring Receiver]"));
        auto* pType =
            dynamic_cast<values::ValueSelection*>(tree.NodeAt("Dev/DevAttr")->GetChildValue(&g_vdDevType));
        const values::ValueSelection& types = DeviceDefinitionCenter::Instance().GetDeviceTypes();
        QVERIFY(pType->SetAsString(types.GetItem(types.GetCount() - 1).GetName()));
        QCOMPARE(tree.Text("Dev"), "<Name> [" + types.GetItem(types.GetCount() - 1).GetName() + "]");

        auto* pSet = dynamic_cast<values::Value<QString>*>(
            tree.NodeAt("Dev/Dcd/Dcs/DcsAttr")->GetChildValue(&g_vdDcsName));
        QCOMPARE(tree.Text("Dev/Dcd/Dcs"), QString("Airband"));
        pSet->SetAsString("Air");
        QCOMPARE(tree.Text("Dev/Dcd/Dcs"), QString("Air"));
        pSet->SetAsString("");
        QCOMPARE(tree.Text("Dev/Dcd/Dcs"), QString("Dcs"));
        QCOMPARE(tree.Text("Dev/Dcd"), QString("Airband and maritime watch [DF Monitoring Receiver]"));
    }

    // The frequency split view survives reselection; a parameter view is made afresh.
    void displays()
    {
        DeviceTree tree;
        tree.Click("Dev/Dcd/Dcs/Fds");
        QPointer<QWidget> pFrequency = tree.Display();
        QVERIFY(qobject_cast<FrequencyViewSplit*>(pFrequency));
        tree.Click("Dev/Par");
        QPointer<QWidget> pParameter = tree.Display();
        QVERIFY(pParameter && pFrequency && pFrequency->isHidden());
        tree.Click("Dev/Dcd/Dcs/Fds");
        QCOMPARE(tree.Display(), pFrequency.data());
        QVERIFY(pFrequency->isVisible() && !pParameter);
        tree.Click("Dev/Par");
        QVERIFY(tree.Display() && tree.Display() != pParameter.data());
        tree.Click("Dev");
        QCOMPARE(tree.Display()->metaObject()->className(), "GenericView");
    }

    // An editor open with a row current survives its node's deletion from elsewhere, a load
    // of another node and an unload.
    void lifecycle_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("step");
        for (const char* pszShown : {"Dev/Dcd/Dcs/Fds", "Dev/Par", "Dev/Movs/IndMov/Par", "Dev"})
            for (const char* pszStep : {"delete node", "delete device", "load other", "unload", "reinit"})
                QTest::addRow("%s, %s", pszShown, pszStep) << QString(pszShown) << QString(pszStep);
    }
    void lifecycle()
    {
        QFETCH(QString, shown);
        QFETCH(QString, step);
        DeviceTree tree;
        tree.Click(shown);
        QPointer<QWidget> pDisplay = tree.Display();
        QVERIFY(pDisplay);
        if (auto* pSplit = qobject_cast<FrequencyViewSplit*>(pDisplay))
            pSplit->GetFrequencyView()->setCurrentCell(1, 0);
        if (step == "delete node")
            tree.NodeAt(shown)->GetParentNode()->DeleteItem(tree.NodeAt(shown));
        else if (step == "delete device")
            tree.Root()->DeleteItem(tree.NodeAt("Dev"));
        else if (step == "load other")
            tree.pView->Load(tree.NodeAt("Dev_1"));
        else if (step == "unload")
            tree.pView->Unload();
        else
            tree.pView->Init(tree.NodeAt("Dev_1"));
        QCoreApplication::processEvents();
        if (step != "unload")
            tree.Click(step == "delete node" || step == "delete device" ? "Dev_1" : "Dev_1/Par");
        QVERIFY(!pDisplay || !pDisplay->isVisible());
    }

    // The alias table is in the host's map exactly while one is installed.
    void aliasTable()
    {
        AliasMap first, second;
        auto pCtrl = std::make_unique<DravinelViewCtrl>();
        QVERIFY(first.FindAlias(C::g_sDev).isNull());
        pCtrl->SetAliasMap(&first);
        QCOMPARE(first.FindAlias(C::g_sDev), QString("Device"));
        pCtrl->SetAliasMap(&second);
        pCtrl->SetAliasMap(&second);
        QVERIFY(first.FindAlias(C::g_sDev).isNull());
        QCOMPARE(second.FindAlias(C::g_sDev), QString("Device"));
        DravinelViewCtrl other;
        other.SetAliasMap(&first);
        pCtrl->SetAliasMap(nullptr);
        QVERIFY(second.FindAlias(C::g_sDev).isNull());
        pCtrl->SetAliasMap(&second);
        pCtrl.reset();
        QVERIFY(second.FindAlias(C::g_sDev).isNull());
        QCOMPARE(first.FindAlias(C::g_sDev), QString("Device"));
    }

    // "New" on the root offers the device types; OK creates one device of the chosen type,
    // closing the window creates none.
    void newDevice_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("ok");
        Row("first type", 0, true);
        Row("second type", 1, true);
        Row("closed", 1, false);
    }
    void newDevice()
    {
        QFETCH(int, index);
        QFETCH(bool, ok);
        DeviceTree tree;
        const values::ValueSelection& types = DeviceDefinitionCenter::Instance().GetDeviceTypes();
        const int nBefore = int(tree.Root()->GetChildNodes(&g_vdNodeDev).size());
        tree.Click("");
        QTest::keyClick(tree.pView->GetListView(), Qt::Key_N, Qt::ControlModifier);
        NewDeviceDialog* pDialog = tree.pView->findChild<NewDeviceDialog*>();
        QVERIFY(pDialog && pDialog->isVisible());
        QComboBox* pCombo = pDialog->GetComboBox();
        QCOMPARE(pCombo->count(), types.GetCount());
        QCOMPARE(pCombo->currentIndex(), 0);
        pCombo->setCurrentIndex(index);
        QSignalSpy spy(pDialog, &NewDeviceDialog::SignalNewDevice);
        if (ok)
            QTest::mouseClick(pDialog->GetOkButton(), Qt::LeftButton);
        else
            pDialog->close();
        QCOMPARE(spy.size(), ok ? 1 : 0);
        const std::vector<values::Node*> vecDevices = tree.Root()->GetChildNodes(&g_vdNodeDev);
        QCOMPARE(int(vecDevices.size()), nBefore + (ok ? 1 : 0));
        if (!ok)
            return;
        QCOMPARE(spy.at(0).at(0).toInt(), types.GetItem(index).GetKey());
        auto* pType = dynamic_cast<values::ValueSelection*>(
            values::Tree::Instance()->GetItem(vecDevices.back()->GetPathName() + g_vdDevType.PathName()));
        QVERIFY(pType);
        QCOMPARE(pType->GetCurrentKey(), types.GetItem(index).GetKey());
    }
};

QTEST_MAIN(TestDravinelView)
#include "tst_dravinelview.moc"
