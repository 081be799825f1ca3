// The parameter editor as an operator meets it: tabs per group in rule order, right clicks on
// the tab bar, the context menu's entries and states, new groups (fresh or copied from an
// ancestor), delete and cut, the parameter set coming and going, and modifications reaching
// the host.
#include "common/modalanswerer.h"
#include "common/parametereditortools.h"

#include "dravinelcontrols/parameterviewitem.h"
#include "oskevo/vtxml.h"
#include "tolveth/genericview.h"
#include "tolveth/genericviewctrl.h"
#include "tolveth/genericviewitem.h"
#include "tolveth/tooltip.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

using namespace ParameterEditorTools;
using namespace DravinelDefinition;

class TstParameterView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void tabsFollowRuleOrder_data();
    void tabsFollowRuleOrder();
    void tabsFollowTreeChanges_data();
    void tabsFollowTreeChanges();
    void rightClickOnTabBar_data();
    void rightClickOnTabBar();
    void keysNeverReachTabBar_data();
    void keysNeverReachTabBar();
    void menuEntriesAndStates_data();
    void menuEntriesAndStates();
    void pasteEntryFollowsClipboard();
    void newGroup_data();
    void newGroup();
    void newGroupRefusedWhenDialogIsStale();
    void deleteAndCut_data();
    void deleteAndCut();
    void parameterSetGoes_data();
    void parameterSetGoes();
    void modificationReachesHost_data();
    void modificationReachesHost();
    void secondInitKeepsOneController();

private:
    AliasSetup m_aliases;
};

void TstParameterView::initTestCase()
{
    CfgCenter::SetAppName(QStringLiteral("Parameter Test"));
}

void TstParameterView::cleanup()
{
    QApplication::clipboard()->clear();
}

void TstParameterView::tabsFollowRuleOrder_data()
{
    QTest::addColumn<QString>("groups");
    QTest::addColumn<bool>("loadOwner");
    QTest::addColumn<QStringList>("tabs");

    QTest::newRow("two groups in reverse order, set loaded")
        << "If Det" << false << QStringList{"Detection", "IF"};
    QTest::newRow("two groups in reverse order, owner loaded")
        << "If Det" << true << QStringList{"Detection", "IF"};
    QTest::newRow("all groups shuffled")
        << "Demod If DfSearch Det" << true << QStringList{"Detection", "DF Search", "IF", "Demodulation"};
    QTest::newRow("one group") << "Demod" << false << QStringList{"Demodulation"};
    QTest::newRow("empty set") << "" << true << QStringList{};
}

void TstParameterView::tabsFollowRuleOrder()
{
    QFETCH(QString, groups);
    QFETCH(bool, loadOwner);
    QFETCH(QStringList, tabs);

    DeviceTree tree;
    SetGroups(tree.Device(), groups);
    // Children that are no parameter group get no tab.
    tree.Par()->AddItem(new values::Node(QStringLiteral("Notes")));

    Editor editor(m_aliases.Map());
    editor.View()->Init(loadOwner ? tree.Device() : tree.Par());
    QVERIFY(editor.Show());

    QCOMPARE(editor.Ctrl()->GetNode(), tree.Par());
    QCOMPARE(TabTexts(editor.View()), tabs);
    for (int n = 0; n < editor.View()->count(); ++n)
    {
        const values::ValueDescriptor* pDescriptor = GroupDescriptor(m_aliases.Map()->FindName(tabs.at(n)));
        QVERIFY(pDescriptor);
        QCOMPARE(editor.View()->tabToolTip(n), Tooltip::Retrieve(pDescriptor));
        QVERIFY(!editor.View()->tabToolTip(n).isEmpty());
    }
    QCOMPARE(editor.View()->currentIndex(), tabs.isEmpty() ? -1 : 0);
    QCOMPARE(editor.View()->IsLoaded(), !tabs.isEmpty());
}

void TstParameterView::tabsFollowTreeChanges_data()
{
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<QString>("currentAfter");

    QTest::newRow("group added before the current one")
        << "Det Demod"
        << "Demodulation"
        << "+If" << QStringList{"Detection", "IF", "Demodulation"} << "Detection";
    QTest::newRow("group added at the end")
        << "Det If"
        << "IF"
        << "+Demod" << QStringList{"Detection", "IF", "Demodulation"} << "Detection";
    QTest::newRow("other group deleted") << "Det If Demod"
                                         << "Demodulation"
                                         << "-Det" << QStringList{"IF", "Demodulation"} << "Demodulation";
    QTest::newRow("current group deleted") << "Det If"
                                           << "IF"
                                           << "-If" << QStringList{"Detection"} << "Detection";
    QTest::newRow("last group deleted") << "If"
                                        << "IF"
                                        << "-If" << QStringList{} << "";
}

void TstParameterView::tabsFollowTreeChanges()
{
    QFETCH(QString, groups);
    QFETCH(QString, current);
    QFETCH(QString, change);
    QFETCH(QStringList, tabs);
    QFETCH(QString, currentAfter);

    DeviceTree tree;
    SetGroups(tree.Device(), groups);
    Editor editor(m_aliases.Map());
    editor.View()->Init(tree.Device());
    QVERIFY(editor.Show());
    // The operator looks at a tab.
    QTest::mouseClick(editor.View()->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      TabBarPoint(editor.View(), TabTexts(editor.View()).indexOf(current)));
    QCOMPARE(editor.View()->tabText(editor.View()->currentIndex()), current);

    // Another view of the same set changes it.
    const values::ValueDescriptor* pDescriptor = GroupDescriptor(change.mid(1));
    if (change.startsWith(QLatin1Char('+')))
        Rules(&g_vdNodePar)->CreateChild(tree.Par(), pDescriptor, nullptr);
    else
        tree.Par()->DeleteItem(tree.Par()->GetChildNode(pDescriptor));

    QCOMPARE(TabTexts(editor.View()), tabs);
    QCOMPARE(editor.View()->currentIndex() < 0 ? QString()
                                               : editor.View()->tabText(editor.View()->currentIndex()),
             currentAfter);
    editor.Ctrl()->SlotContextMenuRequested(QPoint(0, 0));
    QCOMPARE(MenuAction(editor.Ctrl()->GetMenu(), "&Delete")->isEnabled(), !tabs.isEmpty());
    editor.Ctrl()->GetMenu()->hide();
}

void TstParameterView::rightClickOnTabBar_data()
{
    QTest::addColumn<bool>("withParent");
    QTest::addColumn<int>("startTab");
    QTest::addColumn<int>("clickTab");
    QTest::addColumn<int>("currentAfter");
    QTest::addColumn<bool>("menuShown");

    QTest::newRow("on another tab") << true << 0 << 2 << 2 << true;
    QTest::newRow("on the current tab") << true << 1 << 1 << 1 << true;
    QTest::newRow("beside the tabs") << true << 1 << -1 << 1 << true;
    QTest::newRow("view without parent") << false << 0 << 2 << 0 << false;
}

void TstParameterView::rightClickOnTabBar()
{
    QFETCH(bool, withParent);
    QFETCH(int, startTab);
    QFETCH(int, clickTab);
    QFETCH(int, currentAfter);
    QFETCH(bool, menuShown);

    DeviceTree tree;
    SetGroups(tree.Device(), "Det If Demod");
    Editor editor(m_aliases.Map(), withParent);
    editor.View()->Init(tree.Device());
    QVERIFY(editor.Show());
    editor.View()->setCurrentIndex(startTab);
    if (clickTab < 0)
        QCOMPARE(editor.View()->tabBar()->tabAt(TabBarPoint(editor.View(), -1)), -1);

    QSignalSpy spy(editor.View(), SIGNAL(signalContextMenuRequested(const QPoint&)));
    const QPoint pos = TabBarPoint(editor.View(), clickTab);
    QTest::mousePress(editor.View()->tabBar(), Qt::RightButton, Qt::NoModifier, pos);
    // The press alone selects; the menu comes with the release.
    QCOMPARE(editor.View()->currentIndex(), currentAfter);
    QCOMPARE(spy.count(), 0);
    QTest::mouseRelease(editor.View()->tabBar(), Qt::RightButton, Qt::NoModifier, pos);

    QCOMPARE(editor.View()->currentIndex(), currentAfter);
    QCOMPARE(spy.count(), menuShown ? 1 : 0);
    QCOMPARE(editor.Ctrl()->GetMenu()->isVisible(), menuShown);
    if (menuShown)
        QCOMPARE(spy.at(0).at(0).toPoint(), editor.View()->tabBar()->mapToGlobal(pos));
    editor.Ctrl()->GetMenu()->hide();
}

void TstParameterView::keysNeverReachTabBar_data()
{
    QTest::addColumn<bool>("withParent");
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("view in a host") << true << 0;
    QTest::newRow("view without parent") << false << 1;
}

void TstParameterView::keysNeverReachTabBar()
{
    QFETCH(bool, withParent);
    QFETCH(int, currentAfter);

    DeviceTree tree;
    SetGroups(tree.Device(), "Det If");
    Editor editor(m_aliases.Map(), withParent);
    editor.View()->Init(tree.Device());
    QVERIFY(editor.Show());
    QTest::keyClick(editor.View()->tabBar(), Qt::Key_Right);
    QCOMPARE(editor.View()->currentIndex(), currentAfter);
}

void TstParameterView::menuEntriesAndStates_data()
{
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("newEnabled");
    QTest::addColumn<bool>("tabEntriesEnabled");
    QTest::addColumn<bool>("pasteEnabled");

    QTest::newRow("device without set, empty clipboard") << "-"
                                                         << "" << true << false << false;
    QTest::newRow("device without set, any text") << "-"
                                                  << "not a document" << true << false << true;
    QTest::newRow("empty set") << ""
                               << "x" << true << false << true;
    QTest::newRow("some groups") << "Det If"
                                 << "" << true << true << false;
    QTest::newRow("every group there") << "Det DfSearch If Demod"
                                       << "text" << false << true << true;
}

void TstParameterView::menuEntriesAndStates()
{
    QFETCH(QString, groups);
    QFETCH(QString, clipboard);
    QFETCH(bool, newEnabled);
    QFETCH(bool, tabEntriesEnabled);
    QFETCH(bool, pasteEnabled);

    DeviceTree tree;
    SetGroups(tree.Device(), groups);
    QApplication::clipboard()->setText(clipboard);
    Editor editor(m_aliases.Map());
    editor.View()->Init(tree.Device());
    QVERIFY(editor.Show());

    RightClickTabBar(editor.View(), -1);
    ResortPopupMenu* pMenu = editor.Ctrl()->GetMenu();
    QVERIFY(pMenu->isVisible());
    QCOMPARE(pMenu->objectName(), QStringLiteral("ParameterViewMenu"));
    QStringList listTexts;
    for (QAction* pAction : pMenu->actions())
        listTexts << (pAction->isSeparator() ? QStringLiteral("--") : pAction->text());
    QCOMPARE(listTexts, (QStringList{"New Parameter", "&Delete", "--", "Cut", "Copy", "Paste"}));
    QCOMPARE(MenuAction(pMenu, "New Parameter")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    QCOMPARE(MenuAction(pMenu, "New Parameter")->isEnabled(), newEnabled);
    QCOMPARE(MenuAction(pMenu, "&Delete")->isEnabled(), tabEntriesEnabled);
    QCOMPARE(MenuAction(pMenu, "Cut")->isEnabled(), tabEntriesEnabled);
    QCOMPARE(MenuAction(pMenu, "Copy")->isEnabled(), tabEntriesEnabled);
    QCOMPARE(MenuAction(pMenu, "Paste")->isEnabled(), pasteEnabled);
    pMenu->hide();
}

void TstParameterView::pasteEntryFollowsClipboard()
{
    DeviceTree tree;
    Editor editor(m_aliases.Map());
    editor.View()->Init(tree.Device());
    QVERIFY(editor.Show());
    QAction* pPaste = MenuAction(editor.Ctrl()->GetMenu(), "Paste");
    QVERIFY(!pPaste->isEnabled());
    // Another program copies: the entry follows without the menu being opened.
    QApplication::clipboard()->setText(QStringLiteral("something"));
    QTRY_VERIFY(pPaste->isEnabled());
    QApplication::clipboard()->setText(QString());
    QTRY_VERIFY(!pPaste->isEnabled());
}

void TstParameterView::newGroup_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("byShortcut");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<double>("threshold");

    const double dDefault = g_vdThreshold.Default().toDouble();
    // The device's own detection group has threshold 77.
    QTest::newRow("device without set: set made first")
        << "device"
        << "-"
        << "IF" << false << QStringList{"Detection", "DF Search", "IF", "Demodulation"} << QStringList{"IF"}
        << qQNaN();
    QTest::newRow("device without set, detection has no ancestor")
        << "device"
        << "-"
        << "Detection" << true << QStringList{"Detection", "DF Search", "IF", "Demodulation"}
        << QStringList{"Detection"} << dDefault;
    QTest::newRow("job without set copies the device's group")
        << "job"
        << "-"
        << "Detection" << false << QStringList{"Detection", "DF Search", "IF", "Demodulation"}
        << QStringList{"Detection"} << 77.0;
    QTest::newRow("job set with a group: new tab becomes current")
        << "job"
        << "Demod"
        << "Detection" << true << QStringList{"Detection", "DF Search", "IF"}
        << QStringList{"Detection", "Demodulation"} << 77.0;
    QTest::newRow("device set offers only missing groups")
        << "device"
        << "Det If"
        << "Demodulation" << false << QStringList{"DF Search", "Demodulation"}
        << QStringList{"Detection", "IF", "Demodulation"} << qQNaN();
    QTest::newRow("device set: detection made fresh")
        << "device"
        << "If"
        << "Detection" << false << QStringList{"Detection", "DF Search", "Demodulation"}
        << QStringList{"Detection", "IF"} << dDefault;
}

void TstParameterView::newGroup()
{
    QFETCH(QString, loaded);
    QFETCH(QString, groups);
    QFETCH(QString, choice);
    QFETCH(bool, byShortcut);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, tabs);
    QFETCH(double, threshold);

    DeviceTree tree;
    SetThreshold(tree.Par()->GetChildNode(&g_vdNodeDet), 77.0);
    values::Node* pOwner = loaded == QLatin1String("job") ? tree.Dcd() : tree.Device();
    SetGroups(pOwner, groups);
    HostObserver host;
    Editor editor(m_aliases.Map());
    editor.View()->SetObserver(&host);
    editor.View()->Init(pOwner);
    QVERIFY(editor.Show());

    if (byShortcut)
    {
        QApplication::setActiveWindow(editor.Host());
        editor.View()->setFocus();
        QTRY_VERIFY(editor.View()->isActiveWindow());
        QTest::keyClick(editor.View()->tabBar(), Qt::Key_P, Qt::ControlModifier);
    }
    else
    {
        QVERIFY(ChooseFromMenu(editor, "New Parameter"));
    }
    auto* pDialog = editor.View()->findChild<NewChildDialog*>();
    QVERIFY(pDialog);
    QStringList listOffered;
    for (int n = 0; n < pDialog->GetComboBox()->count(); ++n)
        listOffered << pDialog->GetComboBox()->itemText(n);
    QCOMPARE(listOffered, offered);
    QVERIFY(ChooseNewGroup(editor.View(), choice));

    values::Node* pSet = pOwner->GetChildNode(&g_vdNodePar);
    QVERIFY(pSet);
    QCOMPARE(editor.Ctrl()->GetNode(), pSet);
    QCOMPARE(TabTexts(editor.View()), tabs);
    QCOMPARE(editor.View()->tabText(editor.View()->currentIndex()), choice);
    values::Node* pNew = pSet->GetChildNode(GroupDescriptor(m_aliases.Map()->FindName(choice)));
    QVERIFY(pNew);
    if (qIsNaN(threshold))
        QVERIFY(qIsNaN(Threshold(pNew)));
    else
        QCOMPARE(Threshold(pNew), threshold);
    // The ancestor's group is copied, not moved.
    if (pOwner != tree.Device())
        QCOMPARE(Threshold(tree.Par()->GetChildNode(&g_vdNodeDet)), 77.0);
    QVERIFY(host.WasToldModified());
    QVERIFY(editor.View()->IsModified());
}

void TstParameterView::newGroupRefusedWhenDialogIsStale()
{
    DeviceTree tree;
    SetGroups(tree.Device(), "If");
    Editor editor(m_aliases.Map());
    editor.View()->Init(tree.Device());
    QVERIFY(editor.Show());
    QVERIFY(ChooseFromMenu(editor, "New Parameter"));
    // While the dialog is open, another view creates the same group.
    Rules(&g_vdNodePar)->CreateChild(tree.Par(), &g_vdNodeDet, nullptr);
    ModalAnswerer answerer;
    QVERIFY(ChooseNewGroup(editor.View(), "Detection"));
    QCOMPARE(answerer.Texts(), QStringList{"The node Detection could not be created !"});
    QCOMPARE(tree.Par()->GetChildNodes(&g_vdNodeDet).size(), size_t(1));
    QCOMPARE(TabTexts(editor.View()), (QStringList{"Detection", "IF"}));
}

void TstParameterView::deleteAndCut_data()
{
    QTest::addColumn<QString>("groups");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<QString>("gone");

    QTest::newRow("delete the middle tab")
        << "Det If Demod"
        << "&Delete" << 1 << QStringList{"Detection", "Demodulation"} << "If";
    QTest::newRow("delete the only tab") << "Demod"
                                         << "&Delete" << 0 << QStringList{} << "Demod";
    QTest::newRow("cut the first tab") << "Det If"
                                       << "Cut" << 0 << QStringList{"IF"} << "Det";
}

void TstParameterView::deleteAndCut()
{
    QFETCH(QString, groups);
    QFETCH(QString, entry);
    QFETCH(int, tab);
    QFETCH(QStringList, tabs);
    QFETCH(QString, gone);

    DeviceTree tree;
    SetGroups(tree.Device(), groups);
    HostObserver host;
    Editor editor(m_aliases.Map());
    editor.View()->Init(tree.Device());
    editor.View()->SetObserver(&host);
    QVERIFY(editor.Show());
    QApplication::clipboard()->setText(QStringLiteral("before"));

    // The right click on the tab makes it the one the entry acts on.
    QVERIFY(ChooseFromMenu(editor, entry, tab));

    QCOMPARE(TabTexts(editor.View()), tabs);
    QVERIFY(!tree.Par()->GetChildNode(GroupDescriptor(gone)));
    QVERIFY(host.WasToldModified());
    QVERIFY(editor.View()->IsModified());
    const QString sClipboard = QApplication::clipboard()->text();
    if (entry == QLatin1String("Cut"))
    {
        values::VtXml document(sClipboard);
        QCOMPARE(document.GetNodeCount(), 1);
        std::unique_ptr<values::Node> pCopy(document.CreateNodeAt(0));
        QCOMPARE(pCopy->GetName(), gone);
    }
    else
    {
        QCOMPARE(sClipboard, QStringLiteral("before"));
    }
    RightClickTabBar(editor.View(), -1);
    QCOMPARE(MenuAction(editor.Ctrl()->GetMenu(), "&Delete")->isEnabled(), !tabs.isEmpty());
    editor.Ctrl()->GetMenu()->hide();
}

void TstParameterView::parameterSetGoes_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("followsOwner");

    QTest::newRow("set deleted: owner shown") << "set" << true;
    QTest::newRow("set deleted, then made again") << "set+new" << true;
    QTest::newRow("owner deleted") << "owner" << false;
    QTest::newRow("whole tree deleted") << "root" << false;
    QTest::newRow("set without owner deleted") << "free" << false;
}

void TstParameterView::parameterSetGoes()
{
    QFETCH(QString, what);
    QFETCH(bool, followsOwner);

    DeviceTree tree;
    SetGroups(tree.Device(), "Det If");
    Editor editor(m_aliases.Map());
    std::unique_ptr<values::Node> pFree;
    if (what == QLatin1String("free"))
    {
        pFree.reset(new values::Node(QStringLiteral("Par"), &g_vdNodePar));
        Rules(&g_vdNodePar)->CreateChild(pFree.get(), &g_vdNodeIf, nullptr);
        editor.View()->Init(pFree.get());
    }
    else
    {
        editor.View()->Init(tree.Device());
    }
    QVERIFY(editor.Show());
    QVERIFY(editor.View()->count() > 0);

    if (what.startsWith(QLatin1String("set")))
        tree.Device()->DeleteItem(tree.Par());
    else if (what == QLatin1String("owner"))
        tree.Root()->DeleteItem(tree.Device());
    else if (what == QLatin1String("root"))
        tree.Root()->GetParentNode()->DeleteItem(tree.Root());
    else
        pFree.reset();

    QCOMPARE(editor.View()->count(), 0);
    QVERIFY(!editor.View()->IsLoaded());
    QCOMPARE(editor.Ctrl()->GetNode(), followsOwner ? tree.Device() : nullptr);

    if (what == QLatin1String("set+new"))
    {
        // A new set appears under the owner: the editor steps down to it.
        SetGroups(tree.Device(), "Demod");
        QCOMPARE(editor.Ctrl()->GetNode(), tree.Par());
        QCOMPARE(TabTexts(editor.View()), QStringList{"Demodulation"});
    }
}

void TstParameterView::modificationReachesHost_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("observerAfterLoad");

    for (bool bLate : {false, true})
    {
        const char* pszWhen = bLate ? ", observer handed late" : "";
        QTest::newRow(qPrintable(QStringLiteral("value stepped in the form%1").arg(pszWhen)))
            << "step" << bLate;
        QTest::newRow(qPrintable(QStringLiteral("group renamed elsewhere%1").arg(pszWhen)))
            << "rename" << bLate;
        QTest::newRow(qPrintable(QStringLiteral("group deleted%1").arg(pszWhen))) << "delete" << bLate;
    }
    QTest::newRow("nothing done") << "none" << false;
}

void TstParameterView::modificationReachesHost()
{
    QFETCH(QString, action);
    QFETCH(bool, observerAfterLoad);

    DeviceTree tree;
    SetGroups(tree.Device(), "Det If");
    values::Node* pDet = tree.Par()->GetChildNode(&g_vdNodeDet);
    HostObserver host;
    Editor editor(m_aliases.Map());
    if (!observerAfterLoad)
        editor.View()->SetObserver(&host);
    editor.View()->Init(nullptr);
    editor.View()->Load(tree.Device());
    if (observerAfterLoad)
        editor.View()->SetObserver(&host);
    QVERIFY(editor.Show());
    QVERIFY(!editor.View()->IsModified());
    QVERIFY(host.m_listCalls.isEmpty());

    if (action == QLatin1String("step"))
    {
        auto* pForm = editor.View()->widget(0)->findChild<GenericView*>();
        QVERIFY(pForm);
        GenericViewItem* pRow = pForm->GetCtrl()->GetViewItem(pDet->GetChildValue(&g_vdThreshold));
        QVERIFY(pRow);
        auto* pSpin = qobject_cast<QAbstractSpinBox*>(pRow->GetEditor());
        QVERIFY(pSpin);
        const double dBefore = Threshold(pDet);
        QTest::keyClick(pSpin, Qt::Key_Up);
        QVERIFY(Threshold(pDet) > dBefore);
    }
    else if (action == QLatin1String("rename"))
    {
        pDet->SetName(QStringLiteral("DetRenamed"));
    }
    else if (action == QLatin1String("delete"))
    {
        QVERIFY(ChooseFromMenu(editor, "&Delete", 0));
    }

    const bool bExpected = action != QLatin1String("none");
    QCOMPARE(host.WasToldModified(), bExpected);
    QCOMPARE(editor.View()->IsModified(), bExpected);

    // The host saved: the editor is clean again until the next edit.
    editor.View()->SetbModified(false);
    QVERIFY(!editor.View()->IsModified());
    QCOMPARE(host.m_listCalls.last(), false);
}

void TstParameterView::secondInitKeepsOneController()
{
    DeviceTree tree;
    SetGroups(tree.Device(), "Det");
    Editor editor(m_aliases.Map());
    editor.View()->Init(nullptr);
    ParameterViewCtrl* pCtrl = editor.Ctrl();
    editor.View()->Init(tree.Device());
    QVERIFY(editor.Show());
    QCOMPARE(editor.Ctrl(), pCtrl);
    QCOMPARE(editor.View()->findChildren<ResortPopupMenu*>().size(), 1);

    QSignalSpy spyShown(editor.Ctrl()->GetMenu(), SIGNAL(aboutToShow()));
    RightClickTabBar(editor.View(), 0);
    QCOMPARE(spyShown.count(), 1);
    editor.Ctrl()->GetMenu()->hide();
    QCOMPARE(TabTexts(editor.View()), QStringList{"Detection"});
}

QTEST_MAIN(TstParameterView)
#include "tst_parameterview.moc"
