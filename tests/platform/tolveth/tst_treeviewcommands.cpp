#include "common/datarow.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/vtxml.h"
#include "tolveth/aliasmap.h"
#include "tolveth/aliastable.h"
#include "tolveth/newchilddialog.h"
#include "tolveth/treeviewsplitctrl.h"
#include "treefixture.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

namespace
{

const values::ValueDescriptor g_vdGroup = values::ValueDescriptor::NodeType("TstCmdGroup", "/Group");
const values::ValueDescriptor g_vdEntry = values::ValueDescriptor::NodeType("TstCmdEntry", "/Sub/Entry");
const values::ValueDescriptor g_vdNote = values::ValueDescriptor::NodeType("TstCmdNote", "/Note");
const values::ValueDescriptor* const s_apDescriptors[] = {&g_vdGroup, &g_vdEntry, &g_vdNote};

class Aliases : public AliasTable
{
public:
    Aliases()
    {
        Add("Group", "Parameter Group");
        Add("Entry", "Frequency Entry");
    }
};

// A view whose items can create groups and entries below them.
class CreatingItem : public TviNodeSplit
{
public:
    using TviNodeSplit::TviNodeSplit;
    std::list<const values::ValueDescriptor*> GetCreatableDescriptors() override
    {
        return {&g_vdGroup, &g_vdEntry};
    }
};
class CreatingCtrl : public TreeViewSplitCtrl
{
public:
    using TreeViewSplitCtrl::TreeViewSplitCtrl;
    values::Mediator* CreateMediator(Observable* pObservable) override
    {
        values::TreeItem* pItem = dynamic_cast<values::TreeItem*>(pObservable);
        if (!pItem || !pItem->GetNode(QString()))
            return nullptr;
        CreatingItem* pTvi = new CreatingItem(this, GetDisplayArea(), pItem);
        pTvi->SetAliasMap(GetAliasMap());
        pTvi->Init();
        return pTvi;
    }
};
class CreatingView : public TreeViewSplit
{
protected:
    TreeViewBaseCtrl* CreateTreeViewCtrl() override
    {
        return new CreatingCtrl(nullptr, nullptr, nullptr, nullptr);
    }
};

const QString s_sAppName = QStringLiteral("Tree Test");

// Puts a copied node P{Q{} p=1} on the clipboard for "node P", else the text itself.
void PrepareClipboard(const QString& sClipboard)
{
    QString sText = sClipboard;
    if (sClipboard == QLatin1String("node P"))
    {
        values::Node node(QStringLiteral("P"));
        ValueTreeText::Build(&node, QStringLiteral("Q{} p=1"));
        values::VtXml doc;
        doc.AddNode(&node);
        sText = doc.GetString();
    }
    QGuiApplication::clipboard()->setText(sText);
}

// The one node on the clipboard as "name{children}", or "" when there is none.
QString ClipboardNode()
{
    if (!QGuiApplication::clipboard()->text().contains("<!DOCTYPE Vt>"))
        return QString();
    const values::VtXml doc(QGuiApplication::clipboard()->text());
    std::unique_ptr<values::Node> pNode(doc.CreateNodeAt(0));
    if (!pNode || std::unique_ptr<values::Node>(doc.CreateNodeAt(1)))
        return pNode ? QStringLiteral("<more than one>") : QString();
    return pNode->GetName() + '{' + ValueTreeText::Dump(pNode.get()) + '}';
}

// A command on the tree "Root{A{X{y=2} Y} B}": a key sequence, or "menu:" and the entry chosen
// in the context menu of the item (none: the menu is closed).
struct Command
{
    QString sItem, sInput, sShown, sCurrentAfter;
    QString sClipboardAfter = {}, sClipboard = {}; // a text, or "node P"
    QString sMenu = {};                            // the entries of the context menu
    bool bCreating = false;                        // the items offer new children
};

} // namespace
Q_DECLARE_METATYPE(Command)

class TestTreeViewCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CfgCenter::SetAppName(s_sAppName); }
    void init() { QGuiApplication::clipboard()->clear(); }

    // Commands by key and through the context menu: the tree, the clipboard and the current
    // item afterwards (the item under the mouse becomes current). What changes the tree marks
    // the view modified and tells its observer; copying and refused commands do not. Entries
    // that cannot act are disabled and do nothing.
    void commands_data()
    {
        QTest::addColumn<Command>("row");
        const QString sAll = "Root{A{X Y} B}", sA = "A{X{y=2} Y{}}", sP = "P{Q{} p=1}";
        const QString sRootMenu = "New... (off)|Cut (off)|Copy|Paste (off)|Delete (off)";
        const QString sChildMenu = "New... (off)|Cut|Copy|Paste (off)|Delete";
        Row("Delete", Command{"A/X", "Del", "Root{A{Y} B}", "A/Y"});
        Row("Ctrl+X", Command{"B", "Ctrl+X", "Root{A{X Y}}", "A", "B{}"});
        Row("Shift+Delete cuts", Command{"A/Y", "Shift+Del", "Root{A{X} B}", "A/X", "Y{}"});
        Row("Ctrl+C", Command{"A", "Ctrl+C", sAll, "A", sA});
        Row("Ctrl+V", Command{"A/X", "Ctrl+V", "Root{A{X{P{Q}} Y} B}", "A/X", sP, "node P"});
        Row("Ctrl+V without a node", Command{"A", "Ctrl+V", sAll, "A", "", "text"});
        Row("menu, disabled entry", Command{"", "menu:Delete", sAll, "", "", "", sRootMenu});
        Row("menu Delete", Command{"A/X", "menu:Delete", "Root{A{Y} B}", "A/Y", "", "", sChildMenu});
        Row("menu Cut", Command{"A", "menu:Cut", "Root{B}", "B", sA, "", sChildMenu});
        const QString sPasteMenu = "New... (off)|Cut|Copy|Paste|Delete";
        Row("menu Paste", Command{"B", "menu:Paste", "Root{A{X Y} B{P{Q}}}", "B", sP, "node P", sPasteMenu});
        const QString sNewRootMenu = "New...|Cut (off)|Copy|Paste|Delete (off)";
        Row("menu, creating root", Command{"", "menu:", sAll, "", sP, "node P", sNewRootMenu, true});
        const QString sNewChildMenu = "New...|Cut|Copy|Paste (off)|Delete";
        Row("menu, creating child", Command{"A", "menu:", sAll, "A", "", "text", sNewChildMenu, true});
    }
    void commands()
    {
        QFETCH(Command, row);
        PrepareClipboard(row.sClipboard);
        ModifyRecorder recorder;
        TreeFixture f("A{X{y=2} Y{}} B{}", row.bCreating ? new CreatingView : nullptr, false);
        f.pView->SetObserver(&recorder);
        f.pView->Init(f.pRoot);
        const QString sAll = f.Text();
        if (row.sInput.startsWith("menu:"))
        {
            TreeTest::Answerer answerer({row.sInput.mid(5)});
            f.Click(row.sItem, true);
            QCOMPARE(answerer.m_lstMenus, QStringList{row.sMenu});
        }
        else
        {
            f.Click(row.sItem);
            QCOMPARE(f.CurrentPath(), row.sItem);
            const int nKey = QKeySequence(row.sInput)[0];
            QTest::keyClick(f.Tree(), Qt::Key(nKey & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(nKey & Qt::KeyboardModifierMask));
        }
        QCOMPARE(f.Text(), row.sShown);
        QCOMPARE(ClipboardNode(), row.sClipboardAfter);
        QTRY_COMPARE(f.CurrentPath(), row.sCurrentAfter);
        QVERIFY(f.Current()->GetDisplay());
        QCOMPARE(f.pView->IsModified(), row.sShown != sAll);
        QCOMPARE(recorder.m_listCalls.contains(true), row.sShown != sAll);
        f.pView->SetbModified(false);
        QVERIFY(!f.pView->IsModified() && recorder.m_listCalls.last() == false);
    }

    // Pasting over a node of the same name asks first; a clipboard text that is no document is
    // refused with a message. Both name the application in the title.
    void pasteQuestions_data()
    {
        QTest::addColumn<QString>("clipboard"); // empty: the copy of A/X
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("tree");
        Row("keep", "", QString("Keep"), "A{X{v=changed}}");
        Row("replace", "", QString("Replace"), "A{X{v=copied}}");
        Row("broken document", "<!DOCTYPE Vt><Vt><Node name=", QString(), "A{X{v=changed}}");
    }
    void pasteQuestions()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, answer);
        QFETCH(QString, tree);
        TreeFixture f("A{X{v=copied}}");
        f.Click("A/X");
        QTest::keyClick(f.Tree(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(f.NodeAt("A/X")->GetValue("v")->SetAsString("changed"));
        if (!clipboard.isEmpty())
            QGuiApplication::clipboard()->setText(clipboard);
        f.Click("A");
        TreeTest::Answerer answerer({answer});
        QTest::keyClick(f.Tree(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(
            answerer.m_lstTexts,
            QStringList{clipboard.isEmpty()
                            ? "The node X already exists, should it be replaced with this one ?"
                            : "Paste Text Format Error.\nThe data in the clipboard could not be added!"});
        QCOMPARE(answerer.m_lstTitles, QStringList{s_sAppName});
        const QStringList lstButtons = answerer.m_lstButtons.value(0).split('|');
        QVERIFY(!clipboard.isEmpty() || (lstButtons.contains("Keep") && lstButtons.contains("Replace")));
        QCOMPARE(ValueTreeText::Dump(f.pRoot), tree);
        QCOMPARE(f.Text(), QString("Root{A{X}}"));
    }

    // Insert opens the new child dialog of the current item (a child of the tree); the new node
    // is current, and two of the same kind get unique names.
    void newChildThroughTheDialog()
    {
        TreeFixture f("A{}", new CreatingView);
        const QStringList lstCurrent{"A/Entry", "A/Entry_1", "Entry"};
        for (const QString& sCurrent : lstCurrent)
        {
            f.Click(sCurrent.startsWith("A/") ? "A" : "");
            QTest::keyClick(f.Tree(), Qt::Key_Insert);
            NewChildDialog* pDialog = f.Tree()->findChild<NewChildDialog*>();
            QVERIFY(pDialog && pDialog->isVisible());
            QTest::keyClick(pDialog->findChild<QComboBox*>(), Qt::Key_Down);
            QTest::mouseClick(pDialog->findChild<QPushButton*>("OkButton"), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the dialog goes
            QVERIFY(!f.Tree()->findChild<NewChildDialog*>());
            QTRY_COMPARE(f.CurrentPath(), sCurrent);
        }
        QCOMPARE(f.Text(), QString("Root{A{Entry Entry_1} Entry}"));
        QVERIFY(f.pView->IsModified());
    }

    // The types are offered by the alias of the name their items get, in the order given; the
    // operator picks one with the arrows and takes it with Ok or Return (one signal, the dialog
    // goes), or leaves with Cancel or Escape. With nothing to offer Ok does nothing.
    void choice_data()
    {
        QTest::addColumn<QList<int>>("offered"); // indexes into s_apDescriptors, -1 for null
        QTest::addColumn<bool>("aliases");
        QTest::addColumn<QString>("input"); // "down", "up", "ok", "cancel", "return", "escape"
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("chosen"); // index into s_apDescriptors, -1: no signal
        const QList<int> all{0, 1, 2};
        const QString sAll = "Parameter Group|Frequency Entry|Note";
        Row("down and up again, Return", all, true, "down down up return", sAll, 1);
        Row("names without map, cancel", all, false, "down cancel", "Group|Entry|Note", -1);
        Row("escape", all, true, "escape", sAll, -1);
        Row("order as given, nulls left out", QList<int>{2, -1, 0}, true, "down ok", "Note|Parameter Group",
            0);
        Row("nothing to offer", QList<int>{}, true, "ok return", "", -1);
    }
    void choice()
    {
        QFETCH(QList<int>, offered);
        QFETCH(bool, aliases);
        QFETCH(QString, input);
        QFETCH(QString, entries);
        QFETCH(int, chosen);
        Aliases table;
        AliasMap map;
        map.AddTable(&table);
        std::list<const values::ValueDescriptor*> lst;
        for (int n : offered)
            lst.push_back(n < 0 ? nullptr : s_apDescriptors[n]);
        QWidget parent;
        QPointer<NewChildDialog> pDialog = new NewChildDialog(&parent, lst, aliases ? &map : nullptr);
        QList<const values::ValueDescriptor*> lstEmitted;
        connect(pDialog.data(), &NewChildDialog::SignalNewChild,
                [&lstEmitted](const values::ValueDescriptor* p) { lstEmitted << p; });
        pDialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(pDialog) && !pDialog->isModal());
        QComboBox* pCombo = pDialog->findChild<QComboBox*>("ChildTypeCombo");
        QStringList lstShown;
        for (int i = 0; i < pCombo->count(); ++i)
            lstShown << pCombo->itemText(i);
        QCOMPARE(lstShown.join('|'), entries);
        const QStringList lstKeys{"down", "up", "return", "escape"};
        const Qt::Key aKeys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return, Qt::Key_Escape};
        for (const QString& sInput : input.split(' '))
        {
            if (lstKeys.contains(sInput))
                QTest::keyClick(pCombo, aKeys[lstKeys.indexOf(sInput)]);
            else
                QTest::mouseClick(
                    pDialog->findChild<QPushButton*>(sInput == "ok" ? "OkButton" : "CancelButton"),
                    Qt::LeftButton);
        }
        QCOMPARE(lstEmitted,
                 chosen < 0 ? QList<const values::ValueDescriptor*>() : QList{s_apDescriptors[chosen]});
        // A closed dialog deletes itself; an open one stays for the operator.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(pDialog.isNull(), !offered.isEmpty());
        delete pDialog.data();
    }

    // The host's menu gets the same commands, in the same states, and runs them by id.
    void menuCommandsOfTheView()
    {
        TreeFixture f("A{X{}} B{}");
        f.Click("A/X");
        QStringList lstCommands;
        for (const MenuCommand& command : f.pView->GetMenuCommandList())
            lstCommands << QString("%1:%2:%3")
                               .arg(command.m_nId)
                               .arg(QString(command.m_sText).remove('&'), command.m_bEnabled ? "on" : "off");
        QCOMPARE(lstCommands,
                 (QStringList{"0:New...:off", "1:Cut:on", "2:Copy:on", "3:Paste:off", "4:Delete:on"}));
        f.pView->OnCommand(2);
        QCOMPARE(ClipboardNode(), QString("X{}"));
        f.Click("B");
        f.pView->OnCommand(3);
        f.pView->OnCommand(4);
        QCOMPARE(f.Text(), QString("Root{A{X}}"));
        f.Click("");
        f.pView->OnCommand(4); // not allowed on the root
        QCOMPARE(f.Text(), QString("Root{A{X}}"));
        f.Click("A/X");
        f.pView->SetbModified(false);
        f.NodeAt("A")->DeleteItem(f.NodeAt("A/X")); // a change made elsewhere is no edit of the view
        QVERIFY(!f.pView->IsModified());
    }
};

QTEST_MAIN(TestTreeViewCommands)
#include "tst_treeviewcommands.moc"
