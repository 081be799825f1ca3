// Copy, cut and paste of parameter groups and whole parameter sets through the clipboard, with
// the replace question answered as an operator would and the refusal messages read back.
#include "common/modalanswerer.h"
#include "common/parametereditortools.h"

#include "oskevo/vtxml.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace ParameterEditorTools;
using namespace DravinelDefinition;

namespace
{
const QString s_sAppName = QStringLiteral("Paste Test");
const QString s_sDataError =
    QStringLiteral("Paste Text Format Error.\nThe data in the clipboard could not be added!");

QString Question(const QString& sDisplayName)
{
    return QStringLiteral("The node %1 already exists, should it be replaced with this one ?")
        .arg(sDisplayName);
}

QString Refusal(const QString& sDisplayName)
{
    return QStringLiteral("Paste Text Format Error.\nThe node %1 in the clipboard could not be added !")
        .arg(sDisplayName);
}

// A free node of the given type: groups are made through the rules below a free parameter
// set (complete with their values), other types as bare nodes.
values::Node* MakeNode(const QString& sType, values::Node* pScratchSet)
{
    const values::ValueDescriptor* pDescriptor = values::ValueDescriptor::Find(sType);
    if (values::Node* pGroup = Rules(&g_vdNodePar)->CreateChild(pScratchSet, pDescriptor, nullptr))
    {
        pScratchSet->TakeItem(pGroup);
        return pGroup;
    }
    return static_cast<values::Node*>(pDescriptor->CreateItem());
}

// The clipboard text of a document holding the nodes named by type ("Det SimGeneral If"); a
// type followed by "{...}" is a parameter set holding the types inside the braces.
QString Document(const QString& sTypes, double dThreshold)
{
    values::Node scratch(QStringLiteral("Par"), &g_vdNodePar);
    values::VtXml document;
    QString sText = sTypes;
    sText.replace(QLatin1Char('{'), QLatin1String(" { ")).replace(QLatin1Char('}'), QLatin1String(" } "));
    const QStringList listTokens = sText.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::unique_ptr<values::Node> pSet;
    for (int n = 0; n < listTokens.size(); ++n)
    {
        const QString& sToken = listTokens.at(n);
        if (sToken == QLatin1String("{"))
            continue;
        if (sToken == QLatin1String("}"))
        {
            document.AddNode(pSet.get());
            pSet.reset();
            continue;
        }
        if (n + 1 < listTokens.size() && listTokens.at(n + 1) == QLatin1String("{"))
        {
            pSet.reset(new values::Node(QStringLiteral("Par"), &g_vdNodePar));
            continue;
        }
        std::unique_ptr<values::Node> pNode(MakeNode(sToken, &scratch));
        if (pNode->GetValueDescriptor() == &g_vdNodeDet)
            SetThreshold(pNode.get(), dThreshold);
        if (pSet)
            pSet->AddItem(pNode.release());
        else
            document.AddNode(pNode.get());
    }
    return document.GetString();
}
} // namespace

class TstParameterPaste : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void copyWritesOneDocument_data();
    void copyWritesOneDocument();
    void pasteGroupFromAnotherEditor_data();
    void pasteGroupFromAnotherEditor();
    void pasteWholeSet_data();
    void pasteWholeSet();
    void pasteSeveralNodes_data();
    void pasteSeveralNodes();
    void pasteUnreadableText_data();
    void pasteUnreadableText();

private:
    AliasSetup m_aliases;
};

void TstParameterPaste::initTestCase()
{
    CfgCenter::SetAppName(s_sAppName);
}

void TstParameterPaste::cleanup()
{
    QApplication::clipboard()->clear();
}

void TstParameterPaste::copyWritesOneDocument_data()
{
    QTest::addColumn<QString>("groups");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("copied");

    QTest::newRow("first tab") << "Det If" << 0 << "Det";
    QTest::newRow("second tab") << "Det If Demod" << 1 << "If";
    QTest::newRow("no tab") << "-" << -1 << "";
}

void TstParameterPaste::copyWritesOneDocument()
{
    QFETCH(QString, groups);
    QFETCH(int, tab);
    QFETCH(QString, copied);

    DeviceTree tree;
    SetGroups(tree.Device(), groups);
    Editor editor(m_aliases.Map());
    editor.View()->Init(tree.Device());
    QVERIFY(editor.Show());
    QApplication::clipboard()->setText(QStringLiteral("older text"));

    if (tab >= 0)
        QVERIFY(ChooseFromMenu(editor, "Copy", tab));
    else
        editor.Ctrl()->SlotCopy(); // the menu entry is disabled without tabs

    const QString sText = QApplication::clipboard()->text();
    QVERIFY(sText.contains(QLatin1String("<!DOCTYPE Vt>")));
    values::VtXml document(sText);
    QCOMPARE(document.GetNodeCount(), copied.isEmpty() ? 0 : 1);
    if (!copied.isEmpty())
    {
        std::unique_ptr<values::Node> pCopy(document.CreateNodeAt(0));
        QCOMPARE(pCopy->GetName(), copied);
        QCOMPARE(pCopy->GetChildCount(), tree.Par()->GetChildNode(copied)->GetChildCount());
    }
    // Copying changes nothing in the tree.
    QVERIFY(!editor.View()->IsModified());
}

void TstParameterPaste::pasteGroupFromAnotherEditor_data()
{
    QTest::addColumn<QString>("targetGroups");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QStringList>("tabs");

    QTest::newRow("group missing in the target")
        << "If" << QStringList{} << false << true << QStringList{"Detection", "IF"};
    QTest::newRow("group exists, operator keeps it")
        << "Det If" << QStringList{"&Keep"} << true << false << QStringList{"Detection", "IF"};
    QTest::newRow("group exists, operator replaces it")
        << "Det If" << QStringList{"&Replace"} << true << true << QStringList{"Detection", "IF"};
    QTest::newRow("target has no parameter set")
        << "-" << QStringList{} << false << true << QStringList{"Detection"};
    QTest::newRow("target has an empty set")
        << "" << QStringList{} << false << true << QStringList{"Detection"};
}

void TstParameterPaste::pasteGroupFromAnotherEditor()
{
    QFETCH(QString, targetGroups);
    QFETCH(QStringList, answers);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    QFETCH(QStringList, tabs);

    DeviceTree source;
    SetGroups(source.Device(), "Det Demod");
    SetThreshold(source.Par()->GetChildNode(&g_vdNodeDet), 55.0);
    DeviceTree target;
    SetGroups(target.Device(), targetGroups);
    values::Node* pOldDet = target.Par() ? target.Par()->GetChildNode(&g_vdNodeDet) : nullptr;
    const double dOldThreshold = Threshold(pOldDet);

    Editor from(m_aliases.Map());
    from.View()->Init(source.Device());
    HostObserver host;
    Editor to(m_aliases.Map());
    to.View()->SetObserver(&host);
    to.View()->Init(target.Device());
    QVERIFY(from.Show());
    QVERIFY(to.Show());

    QVERIFY(ChooseFromMenu(from, "Copy", 0));
    ModalAnswerer answerer(answers);
    QVERIFY(ChooseFromMenu(to, "Paste"));

    QCOMPARE(answerer.Texts(), asked ? QStringList{Question("Detection")} : QStringList{});
    QCOMPARE(answerer.Clicked(), answers);
    if (asked)
        QCOMPARE(answerer.Titles(), QStringList{s_sAppName});
    QCOMPARE(TabTexts(to.View()), tabs);
    values::Node* pDet = target.Par()->GetChildNode(&g_vdNodeDet);
    QVERIFY(pDet);
    QCOMPARE(target.Par()->GetChildNodes(&g_vdNodeDet).size(), size_t(1));
    QCOMPARE(Threshold(pDet), replaced ? 55.0 : dOldThreshold);
    if (!replaced)
        QCOMPARE(pDet, pOldDet);
    QCOMPARE(host.WasToldModified(), replaced);
    QCOMPARE(to.View()->IsModified(), replaced);
    // The source is left as it was.
    QCOMPARE(TabTexts(from.View()), (QStringList{"Detection", "Demodulation"}));
}

void TstParameterPaste::pasteWholeSet_data()
{
    QTest::addColumn<QString>("targetGroups");
    QTest::addColumn<bool>("loadSet");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("tabs");

    const QStringList listAll{"Detection", "DF Search", "IF", "Demodulation"};
    const QStringList listPasted{"Detection", "IF"};
    QTest::newRow("onto an empty set: no question") << "" << false << QStringList{} << false << listPasted;
    QTest::newRow("onto an empty set shown directly") << "" << true << QStringList{} << false << listPasted;
    QTest::newRow("onto a full set, operator keeps it")
        << "Det DfSearch If Demod" << false << QStringList{"&Keep"} << true << listAll;
    QTest::newRow("onto a full set, operator replaces it")
        << "Det DfSearch If Demod" << false << QStringList{"&Replace"} << true << listPasted;
    QTest::newRow("onto a full set shown directly, replaced")
        << "Demod" << true << QStringList{"&Replace"} << true << listPasted;
    QTest::newRow("onto a device without set") << "-" << false << QStringList{} << false << listPasted;
}

void TstParameterPaste::pasteWholeSet()
{
    QFETCH(QString, targetGroups);
    QFETCH(bool, loadSet);
    QFETCH(QStringList, answers);
    QFETCH(bool, asked);
    QFETCH(QStringList, tabs);

    DeviceTree target;
    SetGroups(target.Device(), targetGroups);
    values::Node* pOldSet = target.Par();
    Editor editor(m_aliases.Map());
    editor.View()->Init(loadSet ? pOldSet : target.Device());
    QVERIFY(editor.Show());

    // A whole set comes from the device tree's copy: the same document kind.
    QApplication::clipboard()->setText(Document("Par{Det If}", 55.0));
    ModalAnswerer answerer(answers);
    QVERIFY(ChooseFromMenu(editor, "Paste"));

    QCOMPARE(answerer.Texts(), asked ? QStringList{Question("Parameter")} : QStringList{});
    QCOMPARE(answerer.Clicked(), answers);
    QCOMPARE(TabTexts(editor.View()), tabs);
    QCOMPARE(target.Device()->GetChildNodes(&g_vdNodePar).size(), size_t(1));
    // A set that existed stays the same object: views of it keep showing it.
    if (pOldSet)
        QCOMPARE(target.Par(), pOldSet);
    QCOMPARE(editor.Ctrl()->GetNode(), target.Par());
    const bool bKept = answers == QStringList{"&Keep"};
    QCOMPARE(Threshold(target.Par()->GetChildNode(&g_vdNodeDet)),
             bKept ? g_vdThreshold.Default().toDouble() : 55.0);
    QCOMPARE(editor.View()->IsModified(), !bKept);
}

void TstParameterPaste::pasteSeveralNodes_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("targetGroups");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("tabs");

    QTest::newRow("scenario group between two groups")
        << "Det SimGeneral If"
        << "Demod" << QStringList{Refusal("General")} << QStringList{"Detection", "IF", "Demodulation"};
    QTest::newRow("frequency definition first") << "Fd Det"
                                                << "Demod" << QStringList{Refusal("Frequency Definition")}
                                                << QStringList{"Detection", "Demodulation"};
    QTest::newRow("two refused, none added")
        << "SimGeneral Fd"
        << "If" << QStringList{Refusal("General"), Refusal("Frequency Definition")} << QStringList{"IF"};
    QTest::newRow("set holding a scenario group")
        << "Par{Det SimGeneral}"
        << "-" << QStringList{Refusal("General")} << QStringList{"Detection"};
    QTest::newRow("document without nodes") << ""
                                            << "If" << QStringList{} << QStringList{"IF"};
}

void TstParameterPaste::pasteSeveralNodes()
{
    QFETCH(QString, document);
    QFETCH(QString, targetGroups);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, tabs);

    DeviceTree target;
    SetGroups(target.Device(), targetGroups);
    Editor editor(m_aliases.Map());
    editor.View()->Init(target.Device());
    QVERIFY(editor.Show());

    QApplication::clipboard()->setText(Document(document, 10.0));
    ModalAnswerer answerer;
    QVERIFY(ChooseFromMenu(editor, "Paste"));

    QCOMPARE(answerer.Texts(), messages);
    for (const QString& sTitle : answerer.Titles())
        QCOMPARE(sTitle, s_sAppName);
    QCOMPARE(TabTexts(editor.View()), tabs);
    QVERIFY(!target.Par()->GetChildNode(&g_vdNodeSimGeneral));
    QVERIFY(!target.Par()->GetChildNode(&g_vdNodeFd));
}

void TstParameterPaste::pasteUnreadableText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("plain words") << "Det If Demod";
    QTest::newRow("broken document") << "<!DOCTYPE Vt>\n<Vt><Node name=\"Det\"";
    QTest::newRow("other XML") << "<?xml version=\"1.0\"?><FrequencyStoreList/>";
    QTest::newRow("a frequency list") << "FrequencyListCopyStruct\nFrequency\tName\n100e6\tA\n";
}

void TstParameterPaste::pasteUnreadableText()
{
    QFETCH(QString, text);

    DeviceTree target;
    SetGroups(target.Device(), "If");
    Editor editor(m_aliases.Map());
    editor.View()->Init(target.Device());
    QVERIFY(editor.Show());

    QApplication::clipboard()->setText(text);
    ModalAnswerer answerer;
    QVERIFY(ChooseFromMenu(editor, "Paste"));

    QCOMPARE(answerer.Texts(), QStringList{s_sDataError});
    QCOMPARE(answerer.Titles(), QStringList{s_sAppName});
    QCOMPARE(TabTexts(editor.View()), QStringList{"IF"});
    QCOMPARE(target.Par()->GetChildCount(), 1);
    QVERIFY(!editor.View()->IsModified());
}

QTEST_MAIN(TstParameterPaste)
#include "tst_parameterpaste.moc"
