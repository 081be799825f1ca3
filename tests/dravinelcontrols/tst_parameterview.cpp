// The parameter editor as an operator meets it: tabs in rule order, right clicks on the tab
// bar, the context menu's states, new groups (fresh or copied from an ancestor), the parameter
// set going away, modifications reaching the host, and cut, copy and paste of groups and whole
// sets with the replace question answered and the refusal messages read back.
#include "common/datarow.h"
#include "common/modalanswerer.h"
#include "common/parametereditortools.h"

#include "oskevo/vtxml.h"
#include "tolveth/tooltip.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

using namespace ParameterEditorTools;
using namespace DravinelDefinition;

namespace
{
const QString s_sAppName = QStringLiteral("Parameter Test");

// A group below pSet made by the rules, or a bare node of that type where they refuse it; a
// detection group gets threshold 55.
values::Node* AddGroup(values::Node* pSet, const QString& sType)
{
    const values::ValueDescriptor* pDescriptor = values::ValueDescriptor::Find(sType);
    values::Node* pNode = Rules(&g_vdNodePar)->CreateChild(pSet, pDescriptor, nullptr);
    if (!pNode)
        pNode = pSet->AddItem(pDescriptor->CreateItem())->AsNode();
    if (pDescriptor == &g_vdNodeDet)
        SetThreshold(pNode, 55.0);
    return pNode;
}

// The clipboard text: after "=", a document of the nodes named by type ("Det SimGeneral If"),
// "Par:Det+If" being a parameter set with those groups; any other text as it stands.
QString Clipboard(const QString& sTypes)
{
    if (!sTypes.startsWith(QLatin1Char('=')))
        return sTypes;
    values::VtXml document;
    for (const QString& sToken : sTypes.mid(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
    {
        values::Node set(QStringLiteral("Par"), &g_vdNodePar);
        if (!sToken.startsWith(QLatin1String("Par:")))
        {
            document.AddNode(AddGroup(&set, sToken));
            continue;
        }
        for (const QString& sType : sToken.mid(4).split(QLatin1Char('+')))
            AddGroup(&set, sType);
        document.AddNode(&set);
    }
    return document.GetString();
}
} // namespace

class TstParameterView : public QObject
{
    Q_OBJECT
    Aliases m_aliases;

private slots:
    void initTestCase() { CfgCenter::SetAppName(s_sAppName); }

    void rightClickOnTabBar_data()
    {
        QTest::addColumn<bool>("withParent");
        QTest::addColumn<int>("clickTab");
        QTest::addColumn<int>("currentAfter");
        QTest::addColumn<bool>("menuShown");

        Row("on another tab", true, 2, 2, true);
        Row("beside the tabs", true, -1, 1, true);
        Row("view without parent", false, 2, 1, false);
    }

    void rightClickOnTabBar()
    {
        QFETCH(bool, withParent);
        QFETCH(int, clickTab);
        QFETCH(int, currentAfter);
        QFETCH(bool, menuShown);

        DeviceTree tree;
        // Made in reverse: the tabs follow the rules' order, not the tree's.
        SetGroups(tree.Device(), "Demod If Det");
        Editor editor(m_aliases.Map(), withParent);
        editor.View()->Init(tree.Device());
        QVERIFY(editor.Show());
        QCOMPARE(editor.Ctrl()->GetNode(), tree.Par());
        QCOMPARE(TabTexts(editor.View()), (QStringList{"Detection", "IF", "Demodulation"}));
        QCOMPARE(editor.View()->tabToolTip(1), Tooltip::Retrieve(&g_vdNodeIf));
        QCOMPARE(editor.View()->currentIndex(), 0);
        editor.View()->setCurrentIndex(1);

        QSignalSpy spy(editor.View(), SIGNAL(signalContextMenuRequested(const QPoint&)));
        const QPoint pos = TabBarPoint(editor.View(), clickTab);
        QCOMPARE(editor.View()->tabBar()->tabAt(pos), clickTab);
        QTest::mousePress(editor.View()->tabBar(), Qt::RightButton, Qt::NoModifier, pos);
        // The press selects; the menu comes with the release and acts on that tab.
        QCOMPARE(editor.View()->currentIndex(), currentAfter);
        QCOMPARE(spy.count(), 0);
        QTest::mouseRelease(editor.View()->tabBar(), Qt::RightButton, Qt::NoModifier, pos);
        QCOMPARE(editor.View()->currentIndex(), currentAfter);
        QCOMPARE(editor.Ctrl()->GetMenu()->isVisible(), menuShown);
        QCOMPARE(spy.count(), menuShown ? 1 : 0);
        editor.Ctrl()->GetMenu()->hide();
        // Keys never reach the tab bar of an embedded view.
        QTest::keyClick(editor.View()->tabBar(), Qt::Key_Left);
        QCOMPARE(editor.View()->currentIndex(), withParent ? currentAfter : currentAfter - 1);
    }

    void menuStates_data()
    {
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("newEnabled");
        QTest::addColumn<bool>("tabEntriesEnabled");
        QTest::addColumn<bool>("pasteEnabled");

        Row("device without set, empty clipboard", "-", "", true, false, false);
        Row("empty set, any text", "", "not a document", true, false, true);
        Row("some groups", "Det If", "", true, true, false);
        Row("every group there", "Det DfSearch If Demod", "text", false, true, true);
    }

    void menuStates()
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
        QStringList listTexts;
        for (QAction* pAction : pMenu->actions())
            listTexts << (pAction->isSeparator() ? QStringLiteral("--") : pAction->text());
        QCOMPARE(listTexts, (QStringList{"New Parameter", "&Delete", "--", "Cut", "Copy", "Paste"}));
        QCOMPARE(MenuAction(pMenu, "New Parameter")->isEnabled(), newEnabled);
        for (const char* pszEntry : {"&Delete", "Cut", "Copy"})
            QCOMPARE(MenuAction(pMenu, pszEntry)->isEnabled(), tabEntriesEnabled);
        QCOMPARE(MenuAction(pMenu, "Paste")->isEnabled(), pasteEnabled);
        pMenu->hide();
    }

    void newGroup_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("byShortcut");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<double>("threshold");

        // The device's own detection group has threshold 77; a fresh one has the default.
        const QStringList listAll{"Detection", "DF Search", "IF", "Demodulation"};
        Row("device without set: set made, group fresh", "device", "-", "Detection", true, listAll,
            QStringList{"Detection"}, g_vdThreshold.Default().toDouble());
        Row("job without set: group copied from the device", "job", "-", "Detection", false, listAll,
            QStringList{"Detection"}, 77.0);
        Row("job set with a group: the new tab becomes current", "job", "Demod", "Detection", false,
            QStringList{"Detection", "DF Search", "IF"}, QStringList{"Detection", "Demodulation"}, 77.0);
    }

    void newGroup()
    {
        QFETCH(QString, owner);
        QFETCH(QString, groups);
        QFETCH(QString, choice);
        QFETCH(bool, byShortcut);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, tabs);
        QFETCH(double, threshold);

        DeviceTree tree;
        SetThreshold(tree.Par()->GetChildNode(&g_vdNodeDet), 77.0);
        values::Node* pOwner = owner == QLatin1String("job") ? tree.Dcd() : tree.Device();
        SetGroups(pOwner, groups);
        HostObserver host;
        Editor editor(m_aliases.Map());
        editor.View()->SetObserver(&host);
        editor.View()->Init(pOwner);
        QVERIFY(editor.Show());
        QCOMPARE(editor.Ctrl()->GetNode(),
                 pOwner->GetChildNode(&g_vdNodePar) ? pOwner->GetChildNode(&g_vdNodePar) : pOwner);

        if (byShortcut)
        {
            QApplication::setActiveWindow(editor.Window());
            editor.View()->setFocus();
            QTRY_VERIFY(editor.View()->isActiveWindow());
            QTest::keyClick(editor.View()->tabBar(), Qt::Key_P, Qt::ControlModifier);
        }
        else
        {
            QVERIFY(ChooseFromMenu(editor, "New Parameter"));
        }
        QCOMPARE(AnswerNewGroupDialog(editor.View(), choice), offered);

        values::Node* pSet = pOwner->GetChildNode(&g_vdNodePar);
        QVERIFY(pSet);
        QCOMPARE(editor.Ctrl()->GetNode(), pSet);
        QCOMPARE(TabTexts(editor.View()), tabs);
        QCOMPARE(editor.View()->tabText(editor.View()->currentIndex()), choice);
        QCOMPARE(Threshold(pSet->GetChildNode(&g_vdNodeDet)), threshold);
        QVERIFY(host.WasToldModified());
    }

    void parameterSetGoes_data()
    {
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<bool>("showsOwner");

        Row("set deleted: owner shown, new set followed", "set", true);
        Row("owner deleted", "owner", false);
        Row("whole tree deleted", "root", false);
    }

    void parameterSetGoes()
    {
        QFETCH(QString, deleted);
        QFETCH(bool, showsOwner);

        DeviceTree tree;
        SetGroups(tree.Device(), "Det If");
        Editor editor(m_aliases.Map());
        editor.View()->Init(tree.Device());
        QVERIFY(editor.Show());

        if (deleted == QLatin1String("set"))
            tree.Device()->DeleteItem(tree.Par());
        else if (deleted == QLatin1String("owner"))
            tree.Root()->DeleteItem(tree.Device());
        else
            tree.Root()->GetParentNode()->DeleteItem(tree.Root());

        QCOMPARE(editor.View()->count(), 0);
        QVERIFY(!editor.View()->IsLoaded());
        QCOMPARE(editor.Ctrl()->GetNode(), showsOwner ? tree.Device() : nullptr);
        if (showsOwner)
        {
            // Another view gives the owner a new set: the editor steps down to it.
            SetGroups(tree.Device(), "Demod");
            QCOMPARE(editor.Ctrl()->GetNode(), tree.Par());
            QCOMPARE(TabTexts(editor.View()), QStringList{"Demodulation"});
        }
    }

    void modificationReachesHost_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("observerAfterLoad");
        QTest::addColumn<QStringList>("tabs");

        const QStringList listBoth{"Detection", "IF"};
        Row("value stepped in the form", "step", false, listBoth);
        Row("value stepped, observer handed late", "step", true, listBoth);
        Row("tab deleted with the menu", "&Delete", false, QStringList{"IF"});
        Row("tab cut with the menu", "Cut", true, QStringList{"IF"});
        Row("nothing done", "", false, listBoth);
    }

    void modificationReachesHost()
    {
        QFETCH(QString, action);
        QFETCH(bool, observerAfterLoad);
        QFETCH(QStringList, tabs);

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

        if (action == QLatin1String("step"))
            QVERIFY(StepThreshold(editor.View(), pDet));
        else if (!action.isEmpty())
        {
            QVERIFY(ChooseFromMenu(editor, action, 0));
            QVERIFY(!tree.Par()->GetChildNode(&g_vdNodeDet));
        }

        QCOMPARE(TabTexts(editor.View()), tabs);
        QCOMPARE(host.WasToldModified(), !action.isEmpty());
        QCOMPARE(editor.View()->IsModified(), !action.isEmpty());
        // The host saved: clean again until the next edit.
        editor.View()->SetbModified(false);
        QVERIFY(!editor.View()->IsModified());
        QCOMPARE(host.m_listCalls.last(), false);
    }

    void cutInOneEditorPasteInAnother()
    {
        DeviceTree source;
        SetGroups(source.Device(), "Det Demod");
        SetThreshold(source.Par()->GetChildNode(&g_vdNodeDet), 42.0);
        DeviceTree target;
        SetGroups(target.Device(), "If");
        Editor from(m_aliases.Map());
        from.View()->Init(source.Device());
        Editor to(m_aliases.Map());
        to.View()->Init(target.Device());
        QVERIFY(from.Show() && to.Show());

        QVERIFY(ChooseFromMenu(from, "Cut", 0));
        QVERIFY(ChooseFromMenu(to, "Paste"));

        QCOMPARE(TabTexts(from.View()), QStringList{"Demodulation"});
        QCOMPARE(TabTexts(to.View()), (QStringList{"Detection", "IF"}));
        QCOMPARE(Threshold(target.Par()->GetChildNode(&g_vdNodeDet)), 42.0);
        QVERIFY(to.View()->IsModified());
    }

    void paste_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("targetGroups");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<double>("threshold");

        const double dDefault = g_vdThreshold.Default().toDouble();
        const QString sReplaceDet =
            "The node Detection already exists, should it be replaced with this one ?";
        const QString sReplaceSet =
            "The node Parameter already exists, should it be replaced with this one ?";
        const QStringList listAll{"Detection", "DF Search", "IF", "Demodulation"};
        Row("existing group kept", "=Det", "Det If", QStringList{"&Keep"}, QStringList{sReplaceDet},
            QStringList{"Detection", "IF"}, dDefault);
        Row("existing group replaced", "=Det", "Det If", QStringList{"&Replace"}, QStringList{sReplaceDet},
            QStringList{"Detection", "IF"}, 55.0);
        Row("group onto a device without set", "=Det", "-", QStringList{}, QStringList{},
            QStringList{"Detection"}, 55.0);
        Row("set onto an empty set: no question", "=Par:Det+If", "", QStringList{}, QStringList{},
            QStringList{"Detection", "IF"}, 55.0);
        Row("set onto a full set, kept", "=Par:Det+If", "Det DfSearch If Demod", QStringList{"&Keep"},
            QStringList{sReplaceSet}, listAll, dDefault);
        Row("set onto a full set, replaced", "=Par:Det+If", "Det DfSearch If Demod", QStringList{"&Replace"},
            QStringList{sReplaceSet}, QStringList{"Detection", "IF"}, 55.0);
        Row("several nodes, one refused", "=Det SimGeneral If", "Demod", QStringList{},
            QStringList{"Paste Text Format Error.\nThe node General in the clipboard could not be added !"},
            QStringList{"Detection", "IF", "Demodulation"}, 55.0);
        Row("set with a scenario group onto a device without set", "=Par:Det+SimGeneral", "-", QStringList{},
            QStringList{"Paste Text Format Error.\nThe node General in the clipboard could not be added !"},
            QStringList{"Detection"}, 55.0);
        Row("refused group onto a device without set: no set made", "=SimGeneral", "-", QStringList{},
            QStringList{"Paste Text Format Error.\nThe node General in the clipboard could not be added !"},
            QStringList{}, qQNaN());
        Row("text that is no document", "FrequencyListCopyStruct\nFrequency\tName\n", "If", QStringList{},
            QStringList{"Paste Text Format Error.\nThe data in the clipboard could not be added!"},
            QStringList{"IF"}, qQNaN());
    }

    void paste()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, targetGroups);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, tabs);
        QFETCH(double, threshold);

        DeviceTree target;
        SetGroups(target.Device(), targetGroups);
        values::Node* pOldSet = target.Par();
        HostObserver host;
        Editor editor(m_aliases.Map());
        editor.View()->SetObserver(&host);
        editor.View()->Init(target.Device());
        QVERIFY(editor.Show());

        QApplication::clipboard()->setText(Clipboard(clipboard));
        ModalAnswerer answerer(answers);
        QVERIFY(ChooseFromMenu(editor, "Paste"));

        QCOMPARE(answerer.Texts(), messages);
        QCOMPARE(answerer.Clicked().mid(0, answers.size()), answers);
        for (const QString& sTitle : answerer.Titles())
            QCOMPARE(sTitle, s_sAppName);
        QCOMPARE(TabTexts(editor.View()), tabs);
        values::Node* pSet = target.Par();
        QCOMPARE(Threshold(pSet ? pSet->GetChildNode(&g_vdNodeDet) : nullptr), threshold);
        // A set that existed stays the same object, so every view of it keeps showing it; a paste
        // that brings nothing makes none.
        QCOMPARE(target.Device()->GetChildNodes(&g_vdNodePar).size(), size_t(pOldSet || !tabs.isEmpty()));
        if (pOldSet)
            QCOMPARE(pSet, pOldSet);
        QCOMPARE(editor.Ctrl()->GetNode(), pSet ? pSet : target.Device());
        // Every row that pastes something brings a detection group with threshold 55.
        QCOMPARE(host.WasToldModified(), threshold == 55.0);
        QCOMPARE(editor.View()->IsModified(), threshold == 55.0);
    }
};

QTEST_MAIN(TstParameterView)
#include "tst_parameterview.moc"
