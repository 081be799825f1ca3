#include "kvbase/observable.h"
#include "oskevo/node.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/vtxml.h"
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
const values::ValueDescriptor g_vdEntry = values::ValueDescriptor::NodeType("TstCmdEntry", "/Entry");

// Items that can create groups and entries below them.
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

class ModifyRecorder : public values::IModifyObserver
{
public:
    void NotifyModified(bool bModified) override { m_lstCalls << bModified; }
    QList<bool> m_lstCalls;
};

const QString s_sAppName = QStringLiteral("Tree Test");

QString Clipboard()
{
    return QGuiApplication::clipboard()->text();
}

// The clipboard as the copy of one node of the given tree text.
void PutNodeOnClipboard(const QString& sName, const QString& sChildren)
{
    values::Node node(sName);
    ValueTreeText::Build(&node, sChildren);
    values::VtXml doc;
    doc.AddNode(&node);
    QGuiApplication::clipboard()->setText(doc.GetString());
}

void PrepareClipboard(const QString& sClipboard)
{
    if (sClipboard == "node P")
        PutNodeOnClipboard("P", "Q{} p=1");
    else
        QGuiApplication::clipboard()->setText(sClipboard);
}

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

} // namespace

class TestTreeViewCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void contextMenuStates_data();
    void contextMenuStates();
    void contextMenuCommands_data();
    void contextMenuCommands();
    void keyboardCommands_data();
    void keyboardCommands();
    void pasteAsksBeforeReplacing_data();
    void pasteAsksBeforeReplacing();
    void pasteOfBadText_data();
    void pasteOfBadText();
    void newChildThroughTheDialog_data();
    void newChildThroughTheDialog();
    void menuCommandsOfTheView();
    void editsMarkTheViewModified_data();
    void editsMarkTheViewModified();
};

void TestTreeViewCommands::initTestCase()
{
    CfgCenter::SetAppName(s_sAppName);
}

void TestTreeViewCommands::init()
{
    QGuiApplication::clipboard()->clear();
}

void TestTreeViewCommands::contextMenuStates_data()
{
    QTest::addColumn<bool>("creating");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("root, empty clipboard")
        << false << ""
        << "" << QStringList{"New... (off)", "Cut (off)", "Copy", "Paste (off)", "Delete (off)"};
    QTest::newRow("root of a creating tree, node on clipboard")
        << true << ""
        << "node P" << QStringList{"New...", "Cut (off)", "Copy", "Paste", "Delete (off)"};
    QTest::newRow("child, node on clipboard")
        << false << "A/X"
        << "node P" << QStringList{"New... (off)", "Cut", "Copy", "Paste", "Delete"};
    QTest::newRow("child, plain text on clipboard")
        << true << "A"
        << "just text" << QStringList{"New...", "Cut", "Copy", "Paste (off)", "Delete"};
}

void TestTreeViewCommands::contextMenuStates()
{
    QFETCH(bool, creating);
    QFETCH(QString, item);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, entries);

    PrepareClipboard(clipboard);
    TreeFixture f("A{X{}} B{}", creating ? new CreatingView : nullptr);
    TreeTest::PopupMenuReader reader;
    TreeTest::RightClickItem(f.Tree(), f.ItemAt(item));
    QVERIFY(reader.m_bSeen);
    QCOMPARE(reader.m_lstEntries, entries);
    // The item under the mouse became current.
    QCOMPARE(f.CurrentPath(), item);
    QCOMPARE(f.Text(), QString("Root{A{X} B}"));
}

void TestTreeViewCommands::contextMenuCommands_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("clipboardNode"); // the node on the clipboard afterwards

    QTest::newRow("delete") << ""
                            << "A/X"
                            << "Delete"
                            << "Root{A B}"
                            << "";
    QTest::newRow("cut") << ""
                         << "A"
                         << "Cut"
                         << "Root{B}"
                         << "A{X{y=2}}";
    QTest::newRow("copy") << ""
                          << "A"
                          << "Copy"
                          << "Root{A{X} B}"
                          << "A{X{y=2}}";
    QTest::newRow("paste") << "node P"
                           << "B"
                           << "Paste"
                           << "Root{A{X} B{P{Q}}}"
                           << "P{Q{} p=1}";
    QTest::newRow("disabled entry does nothing") << ""
                                                 << ""
                                                 << "Delete"
                                                 << "Root{A{X} B}"
                                                 << "";
}

void TestTreeViewCommands::contextMenuCommands()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, item);
    QFETCH(QString, entry);
    QFETCH(QString, shown);
    QFETCH(QString, clipboardNode);

    PrepareClipboard(clipboard);
    TreeFixture f("A{X{y=2}} B{}");
    TreeTest::PopupMenuReader reader(entry);
    TreeTest::RightClickItem(f.Tree(), f.ItemAt(item));
    QVERIFY(reader.m_bSeen);
    QCOMPARE(f.Text(), shown);
    if (clipboardNode.isEmpty())
    {
        QVERIFY(!Clipboard().contains("<!DOCTYPE Vt>"));
        return;
    }
    const values::VtXml doc(Clipboard());
    std::unique_ptr<values::Node> pNode(doc.CreateNodeAt(0));
    QVERIFY(pNode);
    QCOMPARE(pNode->GetName() + "{" + ValueTreeText::Dump(pNode.get()) + "}", clipboardNode);
    QVERIFY(!doc.CreateNodeAt(1));
}

void TestTreeViewCommands::keyboardCommands_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("nodeOnClipboard");
    QTest::addColumn<QString>("currentAfter");

    const QString sAll = "Root{A{X Y} B}";
    QTest::newRow("Delete") << ""
                            << "A/X" << QKeySequence(Qt::Key_Delete) << "Root{A{Y} B}" << false << "A/Y";
    QTest::newRow("Delete on the root") << ""
                                        << "" << QKeySequence(Qt::Key_Delete) << sAll << false << "";
    QTest::newRow("Ctrl+X") << ""
                            << "B" << QKeySequence("Ctrl+X") << "Root{A{X Y}}" << true << "A";
    QTest::newRow("Shift+Delete cuts")
        << ""
        << "A/Y" << QKeySequence("Shift+Del") << "Root{A{X} B}" << true << "A/X";
    QTest::newRow("Ctrl+X on the root") << ""
                                        << "" << QKeySequence("Ctrl+X") << sAll << false << "";
    QTest::newRow("Ctrl+C") << ""
                            << "A" << QKeySequence("Ctrl+C") << sAll << true << "A";
    QTest::newRow("Ctrl+C on the root") << ""
                                        << "" << QKeySequence("Ctrl+C") << sAll << true << "";
    QTest::newRow("Ctrl+V") << "node P"
                            << "A/X" << QKeySequence("Ctrl+V") << "Root{A{X{P{Q}} Y} B}" << true << "A/X";
    QTest::newRow("Shift+Insert pastes")
        << "node P"
        << "" << QKeySequence("Shift+Ins") << "Root{A{X Y} B P{Q}}" << true << "";
    QTest::newRow("Ctrl+V without a node") << "text"
                                           << "A" << QKeySequence("Ctrl+V") << sAll << false << "A";
    QTest::newRow("other keys do nothing") << ""
                                           << "A/X" << QKeySequence("Ctrl+D") << sAll << false << "A/X";
}

void TestTreeViewCommands::keyboardCommands()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, item);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, shown);
    QFETCH(bool, nodeOnClipboard);
    QFETCH(QString, currentAfter);

    PrepareClipboard(clipboard);
    TreeFixture f("A{X{} Y{}} B{}");
    f.Click(item);
    QCOMPARE(f.CurrentPath(), item);
    const int nKey = keys[0];
    QTest::keyClick(f.Tree(), Qt::Key(nKey & ~Qt::KeyboardModifierMask),
                    Qt::KeyboardModifiers(nKey & Qt::KeyboardModifierMask));
    QCOMPARE(f.Text(), shown);
    QCOMPARE(Clipboard().contains("<!DOCTYPE Vt>"), nodeOnClipboard);
    QTRY_COMPARE(f.CurrentPath(), currentAfter);
    QVERIFY(f.Current()->GetDisplay());
}

void TestTreeViewCommands::pasteAsksBeforeReplacing_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("tree");

    QTest::newRow("keep") << "Keep"
                          << "A{X{v=changed}}";
    QTest::newRow("replace") << "Replace"
                             << "A{X{v=copied}}";
    QTest::newRow("default button replaces") << ""
                                             << "A{X{v=copied}}";
}

void TestTreeViewCommands::pasteAsksBeforeReplacing()
{
    QFETCH(QString, answer);
    QFETCH(QString, tree);

    TreeFixture f("A{X{v=copied}}");
    f.Click("A/X");
    QTest::keyClick(f.Tree(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(f.NodeAt("A/X")->GetValue("v")->SetAsString("changed"));

    f.Click("A");
    TreeTest::MessageBoxAnswerer answerer(answer);
    QTest::keyClick(f.Tree(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(answerer.m_lstTexts,
             QStringList{"The node X already exists, should it be replaced with this one ?"});
    QCOMPARE(answerer.m_lstTitles, QStringList{s_sAppName});
    QCOMPARE(answerer.m_lstButtonsSeen.size(), 1);
    QVERIFY(answerer.m_lstButtonsSeen[0].split('|').contains("Keep"));
    QVERIFY(answerer.m_lstButtonsSeen[0].split('|').contains("Replace"));
    QCOMPARE(ValueTreeText::Dump(f.pRoot), tree);
    QCOMPARE(f.Text(), QString("Root{A{X}}"));
}

void TestTreeViewCommands::pasteOfBadText_data()
{
    QTest::addColumn<QString>("clipboard");

    QTest::newRow("broken document") << "<!DOCTYPE Vt><Vt><Node name=";
    QTest::newRow("marker in plain text") << "see <!DOCTYPE Vt> here";
}

void TestTreeViewCommands::pasteOfBadText()
{
    QFETCH(QString, clipboard);

    QGuiApplication::clipboard()->setText(clipboard);
    TreeFixture f("A{x=1}");
    f.Click("A");
    TreeTest::MessageBoxAnswerer answerer;
    QTest::keyClick(f.Tree(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(answerer.m_lstTexts,
             QStringList{"Paste Text Format Error.\nThe data in the clipboard could not be added!"});
    QCOMPARE(answerer.m_lstTitles, QStringList{s_sAppName});
    QCOMPARE(ValueTreeText::Dump(f.pRoot), QString("A{x=1}"));
}

void TestTreeViewCommands::newChildThroughTheDialog_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<int>>("choices"); // combo entry per "new", -1 cancels
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("currentAfter");

    QTest::newRow("group") << "A" << QList<int>{0} << "Root{A{Group}}"
                           << "A/Group";
    QTest::newRow("entry below the root") << "" << QList<int>{1} << "Root{A Entry}"
                                          << "Entry";
    QTest::newRow("two entries get unique names") << "A" << QList<int>{1, 1} << "Root{A{Entry Entry_1}}"
                                                  << "A/Entry_1";
    QTest::newRow("cancelled") << "A" << QList<int>{-1} << "Root{A}"
                               << "A";
}

void TestTreeViewCommands::newChildThroughTheDialog()
{
    QFETCH(QString, item);
    QFETCH(QList<int>, choices);
    QFETCH(QString, shown);
    QFETCH(QString, currentAfter);

    TreeFixture f("A{}", new CreatingView);
    for (int nChoice : choices)
    {
        f.Click(item);
        QTest::keyClick(f.Tree(), Qt::Key_Insert);
        NewChildDialog* pDialog = OpenNewChildDialog();
        QVERIFY(pDialog);
        QCOMPARE(pDialog->parentWidget(), f.Tree());
        QComboBox* pCombo = pDialog->findChild<QComboBox*>();
        QCOMPARE(pCombo->count(), 2);
        if (nChoice < 0)
        {
            QTest::mouseClick(pDialog->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
            continue;
        }
        for (int i = 0; i < nChoice; ++i)
            QTest::keyClick(pCombo, Qt::Key_Down);
        QTest::mouseClick(pDialog->findChild<QPushButton*>("OkButton"), Qt::LeftButton);
    }
    QCOMPARE(f.Text(), shown);
    QTRY_COMPARE(f.CurrentPath(), currentAfter);
    QCOMPARE(f.pView->IsModified(), choices.last() >= 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!OpenNewChildDialog());
}

void TestTreeViewCommands::menuCommandsOfTheView()
{
    TreeFixture f("A{X{}} B{}");
    f.Click("A/X");
    QStringList lstCommands;
    for (const MenuCommand& command : f.pView->GetMenuCommandList())
        lstCommands << QString("%1:%2:%3")
                           .arg(command.m_nId)
                           .arg(TreeTest::StripMnemonic(command.m_sText))
                           .arg(command.m_bEnabled ? "on" : "off");
    QCOMPARE(lstCommands,
             (QStringList{"0:New...:off", "1:Cut:on", "2:Copy:on", "3:Paste:off", "4:Delete:on"}));
    f.pView->OnCommand(2);
    QVERIFY(Clipboard().contains("<!DOCTYPE Vt>"));
    f.Click("B");
    f.pView->OnCommand(3);
    f.pView->OnCommand(4);
    QCOMPARE(f.Text(), QString("Root{A{X}}"));
    f.Click("");
    f.pView->OnCommand(4); // not allowed on the root
    QCOMPARE(f.Text(), QString("Root{A{X}}"));
}

void TestTreeViewCommands::editsMarkTheViewModified_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("modified");

    QTest::newRow("delete by key") << "key delete" << true;
    QTest::newRow("paste by key") << "key paste" << true;
    QTest::newRow("copy changes nothing") << "key copy" << false;
    QTest::newRow("change made elsewhere") << "model delete" << false;
    QTest::newRow("refused command") << "key delete root" << false;
}

void TestTreeViewCommands::editsMarkTheViewModified()
{
    QFETCH(QString, action);
    QFETCH(bool, modified);

    PutNodeOnClipboard("P", "");
    ModifyRecorder recorder;
    TreeFixture f("A{X{}} B{}", nullptr, false);
    f.pView->SetObserver(&recorder);
    f.pView->Init(f.pRoot);
    f.Click(action == "key delete root" ? "" : "A/X");
    if (action == "key delete" || action == "key delete root")
        QTest::keyClick(f.Tree(), Qt::Key_Delete);
    else if (action == "key paste")
        QTest::keyClick(f.Tree(), Qt::Key_V, Qt::ControlModifier);
    else if (action == "key copy")
        QTest::keyClick(f.Tree(), Qt::Key_C, Qt::ControlModifier);
    else if (action == "model delete")
        f.pRoot->DeleteItem(f.NodeAt("A/X"));
    QCOMPARE(f.pView->IsModified(), modified);
    QCOMPARE(recorder.m_lstCalls.contains(true), modified);

    f.pView->SetbModified(false);
    QVERIFY(!f.pView->IsModified());
    QCOMPARE(recorder.m_lstCalls.last(), false);
}

QTEST_MAIN(TestTreeViewCommands)
#include "tst_treeviewcommands.moc"
