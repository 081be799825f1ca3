// The Vt document and file: exact round trips of every value kind, name and text, the
// clipboard use, versions, and the refusal of hostile text and of failing files without
// touching the target node or the old file.

#include "common/datarow.h"
#include "common/recordingobserver.h"
#include "common/valuetreetext.h"
#include "kvbase/kvexception.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "oskevo/vtfile.h"
#include "oskevo/vtfileversion.h"
#include "oskevo/vtxml.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cfloat>
#include <climits>
#include <cmath>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace values;

namespace
{

const ValueDescriptor g_vdXmlRoot = ValueDescriptor::NodeType("XmlRoot", "/XmlRoot");
const ValueDescriptor g_vdXmlGroup = ValueDescriptor::NodeType("XmlGroup", "/XmlGroup");
const ValueDescriptor g_vdXmlInt = ValueDescriptor::Int("XmlInt", "/XmlInt", 0);
const ValueDescriptor g_vdXmlIntRange = ValueDescriptor::Int("XmlIntRange", "/XmlIntRange", 5, "", 0, 10);
const ValueDescriptor g_vdXmlDouble =
    ValueDescriptor::Double("XmlDouble", "/XmlDouble", 0.0, "Hz", 1.0, 0, -DBL_MAX, DBL_MAX);
const ValueDescriptor g_vdXmlDoubleRange =
    ValueDescriptor::Double("XmlDoubleRange", "/XmlDoubleRange", 0.0, "", 0.1, 0, -1.0, 1.0);
const ValueDescriptor g_vdXmlString = ValueDescriptor::String("XmlString", "/XmlString", "default");
const ValueDescriptor g_vdXmlBool = ValueDescriptor::Bool("XmlBool", "/XmlBool", false);
const ValueDescriptor g_vdXmlSelection = ValueDescriptor::Selection(
    "XmlSelection", "/XmlSelection",
    {SelectionItem("AM", 0.0, 0), SelectionItem("FM", 1.0, 1), SelectionItem("USB", 2.5, 7)}, 1);

const QString s_sAccepted = QStringLiteral("<accepted>");

QString Hex(const void* pData, int nBytes)
{
    return QString::fromLatin1(QByteArray(static_cast<const char*>(pData), nBytes).toHex());
}

QString Utf16(const QString& sText)
{
    return Hex(sText.utf16(), 2 * sText.size());
}

QString Bits(double d)
{
    return Hex(&d, sizeof d);
}

// Every name, descriptor, kind, state, number bit and text of the subtree, children in order
// (independent of the document's own text forms).
QString Dump(const TreeItem* pItem, int nDepth = 0)
{
    const ValueDescriptor* pDescriptor = pItem->GetValueDescriptor();
    QString s = QString(nDepth, QLatin1Char(' ')) + Utf16(pItem->GetName()) + QLatin1Char(' ') +
                (pDescriptor ? pDescriptor->Name() : QStringLiteral("-")) + QLatin1Char(' ') +
                typeid(*pItem).name();
    if (const Node* pNode = dynamic_cast<const Node*>(pItem))
    {
        s += QLatin1Char(' ') +
             QString::fromLatin1(QByteArray::fromStdString(pNode->GetAsStdString()).toHex());
        for (const TreeItem* pChild : pNode->GetTreeItems())
            s += QLatin1Char('\n') + Dump(pChild, nDepth + 1);
        return s;
    }
    const ValueBase* pValue = static_cast<const ValueBase*>(pItem);
    s += QStringLiteral(" state %1 ").arg(pValue->GetState());
    if (const ValueDouble* pDouble = dynamic_cast<const ValueDouble*>(pValue))
        return s + Bits(pDouble->GetValue());
    if (const ValueSelection* pSelection = dynamic_cast<const ValueSelection*>(pValue))
    {
        s += QString::number(pSelection->GetCurrentIndex());
        for (const SelectionItem& item : pSelection->GetItems())
            s += QStringLiteral(" {%1 %2 %3}")
                     .arg(Utf16(item.GetName()), Bits(item.GetValue()))
                     .arg(item.GetKey());
        return s;
    }
    return s + Utf16(pValue->GetAsString());
}

// The same of the node's content (its text and children), without its name.
QString Content(const Node* pNode)
{
    return Dump(pNode).section(QLatin1Char(' '), 3);
}

// A node with one value of every kind and a sub-node, as a job might hold them.
Node* MakeSample(const QString& sName)
{
    Node* pNode = new Node(sName, &g_vdXmlGroup);
    pNode->SetAsStdString("free text of the group", nullptr);
    pNode->AddItem(new ValueInt(QStringLiteral("Count"), &g_vdXmlInt, -42));
    pNode->AddItem(new ValueDouble(QStringLiteral("FStart"), &g_vdXmlDouble, 100.5e6));
    pNode->AddItem(new ValueString(QStringLiteral("Name"), &g_vdXmlString, QStringLiteral("Tower 7")));
    pNode->AddItem(new ValueBool(QStringLiteral("FSupp"), &g_vdXmlBool, true));
    pNode->AddItem(
        new ValueSelection(QStringLiteral("Demod"), &g_vdXmlSelection, g_vdXmlSelection.SelectionItems(), 2));
    Node* pSub = new Node(QStringLiteral("Par"));
    pSub->AddItem(new ValueDouble(QStringLiteral("Bandwidth"), &g_vdXmlDouble, 12.5e3));
    pNode->AddItem(pSub);
    return pNode;
}

// A job as files hold them: a text, nFds samples and a string with control characters.
Node* MakeJob(int nFds)
{
    Node* pJob = new Node(QStringLiteral("Offline"), &g_vdXmlRoot);
    pJob->SetAsStdString("job of the night shift", nullptr);
    for (int i = 0; i < nFds; ++i)
        pJob->AddItem(MakeSample(QStringLiteral("Fd%1").arg(i)));
    pJob->AddItem(
        new ValueString(QStringLiteral("DcdName"), &g_vdXmlString, QStringLiteral("night\tshift\r\n")));
    return pJob;
}

QString Doc(const QString& sBody)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE Vt>\n<Vt format=\"1\">\n") + sBody +
           QStringLiteral("\n</Vt>\n");
}

// The message of the KVException the action throws (with its line after "@"), or s_sAccepted.
QString MessageOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const KVException& exception)
    {
        return exception.GetText() + QStringLiteral("@%1").arg(exception.GetLine());
    }
    return s_sAccepted;
}

// The content through a document and FromXml, and as a listed node, bit for bit.
void CheckRoundTrips(const Node* pSource)
{
    Node target(QStringLiteral("Target"));
    QCOMPARE(MessageOf([&] { VtXml::FromXml(&target, VtXml::ToXml(pSource)); }), s_sAccepted);
    QCOMPARE(Content(&target), Content(pSource));
    VtXml document;
    document.AddNode(pSource);
    std::unique_ptr<VtXml> pParsed;
    QCOMPARE(MessageOf([&] { pParsed.reset(new VtXml(document.GetString())); }), s_sAccepted);
    QCOMPARE(pParsed->GetNodeCount(), 1);
    QCOMPARE(Dump(std::unique_ptr<Node>(pParsed->CreateNodeAt(0)).get()), Dump(pSource));
}

// A file owner as a job manager or tree panel is one; with bSameMajor it reads any minor.
class Owner : public VtFileVersion
{
public:
    explicit Owner(const QString& sVersion, bool bSameMajor = false)
        : m_sVersion(sVersion), m_bSameMajor(bSameMajor)
    {
    }
    QString GetVersion() const override { return m_sVersion; }
    bool VersionConflict(const QString& sFileVersion) const override
    {
        return m_bSameMajor ? sFileVersion.section(QLatin1Char('.'), 0, 0) !=
                                  m_sVersion.section(QLatin1Char('.'), 0, 0)
                            : VtFileVersion::VersionConflict(sFileVersion);
    }
    void FixTree(Node* pNode) override { m_listFixed << Dump(pNode); }

    QString m_sVersion;
    bool m_bSameMajor;
    QStringList m_listFixed; // the trees fixed, as they were then
};

QByteArray Contents(const QString& sFileName)
{
    QFile file(sFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteBytes(const QString& sFileName, const QByteArray& baBytes)
{
    QFile file(sFileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(baBytes) == baBytes.size();
}

// MessageOf in a child process, unprivileged when asked (root passes every permission
// check; "<root>" when that cannot be left). Limits set there stay there.
QString MessageInChild(const std::function<void()>& action, bool bUnprivileged)
{
    int anPipe[2];
    if (pipe(anPipe) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t nPid = fork();
    if (nPid == 0)
    {
        const bool bRoot = bUnprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0);
        const QByteArray baMessage = (bRoot ? QStringLiteral("<root>") : MessageOf(action)).toUtf8();
        _exit(write(anPipe[1], baMessage.constData(), size_t(baMessage.size())) == baMessage.size() ? 0 : 1);
    }
    close(anPipe[1]);
    QFile pipeFile;
    pipeFile.open(anPipe[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QString sMessage = QString::fromUtf8(pipeFile.readAll());
    int nStatus = 0;
    waitpid(nPid, &nStatus, 0);
    return WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0 ? sMessage : QStringLiteral("<child failed>");
}

} // namespace

class TestVtXml : public QObject
{
    Q_OBJECT

private slots:
    void everyKindRoundTrips()
    {
        Node source(QStringLiteral("Source"), &g_vdXmlRoot);
        const double adNumbers[] = {
            -0.0,      5e-324,        2.2250738585072009e-308, DBL_MIN, 1e308, DBL_MAX, -DBL_MAX, 0.1,
            1.0 / 3.0, 2400.000001e6, std::nextafter(1.0, 2.0)};
        for (double d : adNumbers)
        {
            source.AddItemUnique(new ValueDouble(QStringLiteral("D"), &g_vdXmlDouble, d));
            source.AddItemUnique(new ValueDouble(QStringLiteral("d"), nullptr, d));
        }
        for (int n : {INT_MIN, INT_MAX, -1})
        {
            source.AddItemUnique(new ValueInt(QStringLiteral("I"), &g_vdXmlInt, n));
            source.AddItemUnique(new ValueInt(QStringLiteral("i"), nullptr, n));
            source.AddItemUnique(new ValueBool(QStringLiteral("B"), n < 0 ? &g_vdXmlBool : nullptr, n > 0));
        }
        // Node texts are bytes, valid UTF-8 or not.
        for (const QByteArray& ba : {QByteArray(), QByteArray("Gr\xC3\xBC\xC3\x9F\x65 \xF0\x9F\x93\xA1"),
                                     QByteArray("\r\n\t  x  \r"), QByteArray("\xff\xfe\x80 bytes"),
                                     QByteArray("\xC0\xAF\xED\xA0\x80"), QByteArray("a\0b\x01", 4)})
        {
            Node* pChild = new Node(QStringLiteral("T"), &g_vdXmlGroup);
            pChild->SetAsStdString(ba.toStdString(), nullptr);
            source.AddItemUnique(pChild);
        }
        // Selections with their own entries, in either state.
        for (int nEntries : {0, 1, 3, 500})
        {
            std::vector<SelectionItem> vecItems;
            for (int i = 0; i < nEntries; ++i)
                vecItems.emplace_back(QStringLiteral("%1 kHz").arg(i), i * 0.1 - 1e-9, nEntries - 2 * i);
            auto* pSelection =
                new ValueSelection(QStringLiteral("S"), &g_vdXmlSelection, vecItems, nEntries - 1);
            pSelection->SetState(nEntries == 3 ? VS_DELETE : VS_NORMAL);
            source.AddItemUnique(pSelection);
        }
        source.GetChildValue(QStringLiteral("I"))->SetState(VS_DELETE);
        // A wide node, and a deep chain whose deepest entry, as a listed node, sits at the
        // reader's nesting limit.
        Node* pNode = &source;
        for (int nLevel = 0; nLevel < VtXml::s_nMaxDepth - 4; ++nLevel)
        {
            pNode = static_cast<Node*>(pNode->AddItem(new Node(QStringLiteral("L"), &g_vdXmlGroup)));
            for (int i = 0; i < (nLevel ? 1 : 10000); ++i)
                pNode->AddItem(new ValueDouble(QStringLiteral("V%1").arg(i), &g_vdXmlDouble, i * 1.5));
            pNode->AddItem(new ValueSelection(QStringLiteral("S"), &g_vdXmlSelection,
                                              g_vdXmlSelection.SelectionItems()));
        }
        CheckRoundTrips(&source);
    }

    void textsRoundTrip_data()
    {
        // Texts that attribute normalisation, escaping or encoding could change on the way.
        QTest::addColumn<QString>("sText");
        Row("empty", QString());
        Row("blanks and line ends", QStringLiteral("  \ta\nb\rc\r\n "));
        Row("beyond the BMP, combining, right to left, separators",
            QString::fromUtf8("\xF0\x9D\x84\x9E e\xCC\x81 \xD7\xA9\xD7\x9C a\xE2\x80\xA8"
                              "b\xC2\x85"));
        Row("markup and references", QStringLiteral("\"q\" 'x' <N a=\"x\"/> &amp; & ]]> &#10;"));
        Row("control characters and nul", QStringLiteral("a\x01"
                                                         "b\x0b") +
                                              QChar(0) + QStringLiteral("c"));
        Row("lone surrogates, noncharacters",
            QString(QChar(0xd834)) + QStringLiteral("x") + QChar(0xdd1e) + QChar(0xfffe) + QChar(0xffff));
        Row("long", QString(20000, QLatin1Char('x')) + QStringLiteral("\r"));
    }
    void textsRoundTrip()
    {
        QFETCH(QString, sText);
        // The text as a node name, a value name, a string value and a selection entry name.
        Node source(sText, &g_vdXmlRoot);
        Node* pChild = new Node(sText, &g_vdXmlGroup);
        pChild->AddItem(new ValueString(sText + QStringLiteral("#value"), &g_vdXmlString, sText));
        pChild->AddItem(new ValueString(sText, nullptr, sText));
        pChild->AddItem(new ValueSelection(
            QStringLiteral("Selection"), &g_vdXmlSelection,
            {SelectionItem(QStringLiteral("first"), 1.0, 1), SelectionItem(sText, -0.0, INT_MIN)}, 1));
        source.AddItem(pChild);
        source.AddItem(new ValueString(QStringLiteral("Top"), &g_vdXmlString, sText));
        CheckRoundTrips(&source);
    }

    void hostileText_data()
    {
        QTest::addColumn<QString>("sText");
        QTest::addColumn<QString>("sFragment");
        QTest::addColumn<int>("nLine"); // 0: not checked; -1: no line needed
        const QString sLaughs = QStringLiteral(
            "<?xml version=\"1.0\"?>\n<!DOCTYPE Vt [\n<!ENTITY a \"aaaaaaaaaa\">\n"
            "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
            "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">\n<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">\n"
            "]>\n<Vt format=\"1\"><Node name=\"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"/></Vt>\n");
        const QString v = QStringLiteral("<Value name=\"v\" type=\"%1\" kind=\"%2\" value=\"%3\"/>");
        const QString sel =
            QStringLiteral("<Value name=\"s\" type=\"XmlSelection\" kind=\"selection\" current=\"%1\"%2>"
                           "<Entry name=\"A\" number=\"1\" key=\"1\"/>"
                           "<Entry name=\"B\" number=\"2\" key=\"2\"/></Value>");
        const QString e = QStringLiteral("<Value name=\"s\" kind=\"selection\" current=\"0\">%1</Value>");
        // Refused in the document's body, on its line 4.
        const auto bad = [](const char* pszTag, const QString& sBody, const char* pszFragment)
        { Row(pszTag, Doc(sBody), QString(pszFragment), 4); };
        Row("empty text", QString(), "root element is missing", 0);
        Row("doctype missing", "<?xml version=\"1.0\"?>\n<Vt format=\"1\"/>", "<!DOCTYPE Vt> is missing", 2);
        Row("doctype of another kind", "<!DOCTYPE html><html/>", "document type is \"html\"", 1);
        Row("root of another kind", "<!DOCTYPE Vt>\n<html/>", "root element is <html>", 2);
        Row("entity bomb", sLaughs, "declarations in the document type are not allowed", 8);
        Row("external doctype", "<!DOCTYPE Vt SYSTEM \"x\"><Vt format=\"1\"/>",
            "external document types are not allowed", 1);
        bad("undeclared entity", "<Node name=\"&nbsp;\"/>", "not declared");
        bad("same attribute twice", "<Node name=\"a\" name=\"b\"/>", "malformed XML");
        Row("second root", Doc(QString()) + "<Vt format=\"1\"/>", "Extra content", 0);
        Row("format missing", "<!DOCTYPE Vt><Vt/>", "\"format\" is missing", 1);
        Row("format of the future", "<!DOCTYPE Vt><Vt format=\"2\"/>", "unknown format \"2\"", 1);
        Row("unknown element", Doc("<Node name=\"a\">\n<F/></Node>"), "unexpected element <F>", 5);
        bad("unknown attribute", "<Node name=\"a\" c=\"r\"/>", "unexpected attribute \"c\"");
        bad("namespace", "<Node xmlns=\"x\" name=\"a\"/>", "unexpected attribute \"xmlns\"");
        bad("text in a node", "<Node name=\"a\">hello</Node>", "unexpected text \"hello\"");
        bad("name missing", "<Node type=\"XmlGroup\"/>", "\"name\" is missing");
        bad("name given twice", "<Node name=\"a\" nameUtf16=\"0061\"/>", "both");
        bad("utf16 of odd length", "<Node nameUtf16=\"006\"/>", "hexadecimal");
        bad("unknown node descriptor", "<Node name=\"a\" type=\"No\"/>", "unknown descriptor \"No\"");
        bad("node of value type", "<Node name=\"a\" type=\"XmlInt\"/>", "is a value type, not a node");
        bad("value of a node type", v.arg("XmlGroup", "int", "1"), "is a node type, not a value");
        bad("kind differs from descriptor", v.arg("XmlInt", "double", "1.5"),
            "of kind double, but its descriptor \"XmlInt\" is of kind int");
        bad("unknown kind", v.arg("XmlInt", "integer", "1"), "unknown kind \"integer\"");
        bad("kind missing", "<Value name=\"v\" value=\"1\"/>", "\"kind\" is missing");
        bad("int overflow", v.arg("XmlInt", "int", "2147483648"), "no integer number");
        bad("int out of range", v.arg("XmlIntRange", "int", "11"), "out of the range [0, 10]");
        bad("double with comma", v.arg("XmlDouble", "double", "1,5"), "no finite");
        bad("double range", v.arg("XmlDoubleRange", "double", "1.5"), "out of the range [-1, 1]");
        bad("bool of another word", v.arg("XmlBool", "bool", "yes"), "neither true nor false");
        bad("state not a number", "<Value name=\"v\" kind=\"int\" value=\"1\" state=\"x\"/>", "\"state\"");
        bad("current of int", "<Value name=\"v\" kind=\"int\" value=\"1\" current=\"0\"/>", "has no current");
        Row("duplicate names", Doc("<Node name=\"p\">\n<Node name=\"a\"/>\n<Node name=\"a\"/></Node>"),
            "\"a\" is used twice below \"/p\"", 6);
        bad("node and value of one name",
            "<Node name=\"p\"><Node name=\"a\"/><Value name=\"a\" kind=\"int\" value=\"1\"/></Node>",
            "\"a\" is used twice");
        bad("duplicate top names", "<Node name=\"a\"/><Node name=\"a\"/>", "\"a\" is used twice at the top");
        bad("selection index past the end", sel.arg("2", ""), "current entry 2 is out of range");
        bad("selection index without entries", e.arg(""), "has 0 entries");
        bad("current missing", "<Value name=\"s\" kind=\"selection\"/>", "\"current\" is missing");
        bad("selection text differs", sel.arg("1", " value=\"A\""),
            "reads \"A\", but its current entry is \"B\"");
        bad("entry key missing", e.arg("<Entry name=\"A\" number=\"1\"/>"), "\"key\" is missing");
        bad("entry in an int", "<Value name=\"v\" kind=\"int\" value=\"1\"><Entry/></Value>",
            "unexpected element <Entry> inside a value");
        // Refused quickly, however large.
        const QString sVt = QStringLiteral("<!DOCTYPE Vt><Vt format=\"1\">");
        Row("100000 levels deep", sVt + QStringLiteral("<Node name=\"n\">").repeated(100000),
            "nested deeper than 256 levels", -1);
        Row("100000 open brackets", sVt + QString(100000, QLatin1Char('<')), "malformed XML", -1);
        Row("gigantic attribute",
            Doc(QStringLiteral("<Node name=\"%1\"/>").arg(QString(VtXml::s_nMaxAttributeLength + 1, 'n'))),
            "more than 1048576", -1);
        Row("gigantic document", QString(VtXml::s_nMaxTextLength + 1, ' '),
            "67108865 characters, more than 67108864", -1);
        QString sMany = sVt;
        for (int i = 0; i < 5000; ++i)
            sMany += QStringLiteral("<Node name=\"%1\"/>").arg(i);
        Row("duplicate after many", sMany + QStringLiteral("<Node name=\"17\"/></Vt>"),
            "\"17\" is used twice at the top", -1);
        // Copying never fails, but a tree beyond the reader's limit cannot come back in.
        Node deep(QStringLiteral("Deep"));
        Node* pNode = &deep;
        for (int i = 0; i < VtXml::s_nMaxDepth + 10; ++i)
            pNode = static_cast<Node*>(pNode->AddItem(new Node(QStringLiteral("L"))));
        Row("too deep, as written", VtXml::ToXml(&deep), "nested deeper than 256", -1);
    }
    void hostileText()
    {
        QFETCH(QString, sText);
        QFETCH(QString, sFragment);
        QFETCH(int, nLine);
        // A target with content and an observer: after the refusal both are as they were.
        Node parent(QStringLiteral("Parent"));
        Node* pTarget = MakeSample(QStringLiteral("Target"));
        parent.AddItem(pTarget);
        const QString sBefore = Dump(&parent);
        RecordingObserver observer(QStringLiteral("target"));
        observer.Observe(pTarget);
        const QString sMessage = MessageOf([&] { VtXml::FromXml(pTarget, sText); });
        QVERIFY2(sMessage.contains(sFragment), qPrintable(sMessage.left(300)));
        QVERIFY2(nLine < 0 || sMessage.contains(QLatin1String("line ")), qPrintable(sMessage));
        if (nLine > 0)
            QVERIFY2(sMessage.contains(QStringLiteral("line %1, column ").arg(nLine)) &&
                         sMessage.endsWith(QStringLiteral("@%1").arg(nLine)),
                     qPrintable(sMessage));
        QCOMPARE(Dump(&parent), sBefore);
        QCOMPARE(observer.Codes(), QList<int>());
        // The node list reader refuses the same, except names repeated at the top, which
        // copies of nodes from different places may have.
        const QString sListMessage = MessageOf([&] { VtXml document(sText); });
        if (sFragment.endsWith(QLatin1String("twice at the top")))
            QCOMPARE(sListMessage, s_sAccepted);
        else
            QVERIFY2(sListMessage.contains(sFragment), qPrintable(sListMessage.left(300)));
    }

    void fromXmlReplacesContentInOneStep()
    {
        Node parent(QStringLiteral("Parent"));
        ValueTreeText::Build(&parent, QStringLiteral("Before{} Target{} After{}"));
        Node* pTarget = parent.GetChildNode(QStringLiteral("Target"));
        pTarget->SetValueDescriptor(&g_vdXmlRoot);
        pTarget->SetAsStdString("target text", nullptr);
        for (int i = 0; i < 50; ++i)
            pTarget->AddItem(new ValueInt(QStringLiteral("Old%1").arg(i), &g_vdXmlInt, i));
        std::unique_ptr<Node> pSource(MakeJob(50));
        RecordingObserver observer(QStringLiteral("target"));
        RecordingObserver oldObserver(QStringLiteral("old"));
        observer.Observe(pTarget);
        oldObserver.Observe(pTarget->GetChildValue(QStringLiteral("Old3")));
        VtXml::FromXml(pTarget, VtXml::ToXml(pSource.get()));
        QCOMPARE(Content(pTarget), Content(pSource.get()));
        QCOMPARE(Dump(pTarget).section(QLatin1Char(' '), 0, 1), Utf16(QStringLiteral("Target")) + " XmlRoot");
        QCOMPARE(parent.IndexOf(pTarget), 1);
        QCOMPARE(observer.Codes().count(CC_CHILDREN), 1);
        QVERIFY(!observer.Codes().contains(CC_DELETING));
        QCOMPARE(oldObserver.Codes(), QList<int>{CC_STATE}); // the replaced value was told that it goes
    }

    void fromXmlWithObserversThatDelete_data()
    {
        QTest::addColumn<int>("nCode");
        Row("filled while it is being deleted", int(CC_DELETING));
        Row("deleted when its text changes", int(CC_MODIFIED));
        Row("deleted when its children change", int(CC_CHILDREN));
    }
    void fromXmlWithObserversThatDelete()
    {
        QFETCH(int, nCode);
        const QString sText = VtXml::ToXml(std::unique_ptr<Node>(MakeSample(QStringLiteral("Source"))).get());
        Node parent(QStringLiteral("Parent"));
        ValueTreeText::Build(&parent, QStringLiteral("Target{Old:i=1}"));
        Node* pTarget = parent.GetChildNode(QStringLiteral("Target"));
        QString sMessage;
        RecordingObserver observer(QStringLiteral("view"));
        observer.Observe(pTarget);
        observer.SetReaction(
            [&](RecordingObserver* pSelf, Observable*, TChangeCode code)
            {
                if (code != nCode)
                    return;
                pSelf->SetReaction(nullptr);
                if (code == CC_DELETING)
                    sMessage = MessageOf([&] { VtXml::FromXml(pTarget, sText); });
                else
                    parent.DeleteItem(pTarget);
            });
        if (nCode == CC_DELETING)
            parent.DeleteItem(pTarget);
        else
            VtXml::FromXml(pTarget, sText);
        QCOMPARE(parent.GetChildCount(), 0);
        QVERIFY2(nCode != CC_DELETING ||
                     sMessage.contains(QLatin1String("\"/Target\": the node is being deleted")),
                 qPrintable(sMessage));
    }

    void nodeList()
    {
        // A document keeps copies; the clipboard carries it as UTF-8, even names that are no
        // valid Unicode come through; every call makes a fresh node the caller owns.
        VtXml document;
        std::unique_ptr<Node> pFirst(MakeSample(QStringLiteral("Group0")));
        std::unique_ptr<Node> pOdd(MakeSample(QString(QChar(0xd800)) + QStringLiteral("lone")));
        const QString sFirst = Dump(pFirst.get());
        document.AddNode(pFirst.get());
        document.AddNode(nullptr);
        document.AddNode(pOdd.get());
        pFirst->GetChildValue(QStringLiteral("Count"))->SetAsString(QStringLiteral("99"));
        const VtXml parsed(QString::fromUtf8(document.GetString().toUtf8()));
        QCOMPARE(parsed.GetNodeCount(), 2);
        std::unique_ptr<Node> pOne(parsed.CreateNodeAt(0));
        pOne->AddItem(new Node(QStringLiteral("Extra")));
        QVERIFY(!pOne->GetParentNode());
        QCOMPARE(Dump(std::unique_ptr<Node>(parsed.CreateNodeAt(0)).get()), sFirst);
        QCOMPARE(Dump(std::unique_ptr<Node>(parsed.CreateNodeAt(1)).get()), Dump(pOdd.get()));
        for (int nIndex : {-1, 2, INT_MAX})
            QCOMPARE(parsed.CreateNodeAt(nIndex), nullptr);
        QCOMPARE(VtXml(VtXml().GetString()).CreateNodeAt(0), nullptr);
        // The content of a node read as a node list: its values at the top are no nodes.
        const VtXml content(VtXml::ToXml(pOdd.get()));
        QCOMPARE(content.GetNodeCount(), 1);
        QCOMPARE(Dump(std::unique_ptr<Node>(content.CreateNodeAt(0)).get()),
                 Dump(pOdd->GetChildNode(QStringLiteral("Par"))));
    }

    void fileReplacedWhole()
    {
        // A smaller file replaces a larger one whole, names no Unicode allows come through the
        // UTF-8 file, and no temporary file is left beside the target.
        QTemporaryDir dir;
        const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
        std::unique_ptr<Node> pJob(MakeJob(20));
        pJob->AddItem(
            new ValueString(QString::fromUtf8(" \xF0\x9F\x93\xA1\r"), nullptr, QString(QChar(0xdc00))));
        Owner owner(QStringLiteral("0.0"));
        VtFile(sFileName, std::unique_ptr<Node>(MakeJob(200)).get(), &owner).Write();
        VtFile(sFileName, pJob.get(), &owner).Write();
        const QByteArray baFile = Contents(sFileName);
        QVERIFY(baFile.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        QVERIFY(baFile.contains("<!DOCTYPE Vt>") && baFile.contains("version=\"0.0\""));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("job.xml")});
        Node check(QStringLiteral("Offline"));
        VtFile(sFileName, &check, &owner).Read();
        QCOMPARE(Content(&check), Content(pJob.get()));
    }

    void fileVersions_data()
    {
        QTest::addColumn<QString>("sFileVersion"); // "-": none written
        QTest::addColumn<QString>("sOwnVersion");
        QTest::addColumn<bool>("bSameMajor");
        QTest::addColumn<QString>("sFragments"); // "|" between; empty: the file is read
        Row("same version", "0.0", "0.0", false, "");
        Row("newer file", "1.0", "0.0", false, "version conflict|version \"1.0\"|version \"0.0\"");
        Row("file without version", "-", "0.0", false, "version conflict|has no version|\"0.0\"");
        Row("empty version", "", "0.0", false, "version conflict|has version \"\"");
        Row("owner takes its major", "0.7", "0.0", true, "");
        Row("version with control character", "0.0\x01", "0.0\x01", false, "");
        Row("owner refuses another major", "1.0", "0.0", true, "version conflict|\"1.0\"");
    }
    void fileVersions()
    {
        QFETCH(QString, sFileVersion);
        QFETCH(QString, sOwnVersion);
        QFETCH(bool, bSameMajor);
        QFETCH(QString, sFragments);
        QTemporaryDir dir;
        const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
        std::unique_ptr<Node> pJob(MakeJob(3));
        Owner writer(sFileVersion);
        VtFile(sFileName, pJob.get(), sFileVersion == QLatin1String("-") ? nullptr : &writer).Write();
        std::unique_ptr<Node> pTarget(MakeJob(1));
        const QString sBefore = Content(pTarget.get());
        RecordingObserver observer(QStringLiteral("target"));
        observer.Observe(pTarget.get());
        Owner reader(sOwnVersion, bSameMajor);
        const QString sMessage = MessageOf([&] { VtFile(sFileName, pTarget.get(), &reader).Read(); });
        if (sFragments.isEmpty())
            QCOMPARE(sMessage, s_sAccepted);
        QStringList listFragments = sFragments.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (const QString& sFragment : listFragments << sFileName)
            QVERIFY2(sFragments.isEmpty() || sMessage.contains(sFragment), qPrintable(sMessage));
        QCOMPARE(Content(pTarget.get()), sFragments.isEmpty() ? Content(pJob.get()) : sBefore);
        // Read: one notice, and FixTree ran once, on the node, after the content was in place.
        QCOMPARE(observer.Codes().count(CC_CHILDREN), sFragments.isEmpty() ? 1 : 0);
        QCOMPARE(reader.m_listFixed, sFragments.isEmpty() ? QStringList{Dump(pTarget.get())} : QStringList());
    }

    void fileWriteFailureKeepsOldFile_data()
    {
        QTest::addColumn<QString>("sFailure");
        QTest::addColumn<QString>("sFragment");
        Row("target is a directory", "directory", "it is a directory");
        Row("read-only directory", "readonly", "Permission denied");
        Row("tree too deep to read back", "deep", "nested deeper than 256 levels");
        Row("text too long to read back", "long", "more than the 1048576");
        Row("kind unlike its descriptor", "kind",
            "it is a string, but its descriptor \"XmlDouble\" is for a double");
        Row("number out of range", "range", "11 is out of the range [0, 10]");
    }
    void fileWriteFailureKeepsOldFile()
    {
        QFETCH(QString, sFailure);
        QFETCH(QString, sFragment);
        QTemporaryDir dir;
        const QString sFolder = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkdir(sFolder));
        const QString sFileName = sFolder + "/job.xml";
        Owner owner(QStringLiteral("0.0"));
        std::unique_ptr<Node> pOld(MakeJob(2));
        if (sFailure == QLatin1String("directory"))
            QVERIFY(QDir().mkdir(sFileName) && WriteBytes(sFileName + QStringLiteral("/inside.txt"), "kept"));
        else
            VtFile(sFileName, pOld.get(), &owner).Write();
        const QByteArray baBefore = Contents(sFileName);
        const auto entries = [&]
        { return QDir(sFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); };
        const QStringList listBefore = entries();

        std::unique_ptr<Node> pNew(MakeJob(50));
        Node* pNode = pNew.get();
        for (int i = 0; sFailure == QLatin1String("deep") && i < VtXml::s_nMaxDepth; ++i)
            pNode = static_cast<Node*>(pNode->AddItem(new Node(QStringLiteral("Level"))));
        if (sFailure == QLatin1String("kind"))
            pNew->AddItem(new ValueString(QStringLiteral("Odd"), &g_vdXmlDouble, QStringLiteral("1.5")));
        if (sFailure == QLatin1String("range"))
            pNew->AddItem(new ValueInt(QStringLiteral("Odd"), &g_vdXmlIntRange, 11));
        if (sFailure == QLatin1String("long"))
            pNew->AddItem(new ValueString(QStringLiteral("Huge"), &g_vdXmlString,
                                          QString(VtXml::s_nMaxAttributeLength + 1, QLatin1Char('h'))));
        const auto write = [&] { VtFile(sFileName, pNew.get(), &owner).Write(); };
        QString sMessage;
        if (sFailure == QLatin1String("readonly"))
        {
            // The file itself may be written (and the folder reached): only the folder refuses the new one.
            QVERIFY(
                QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther));
            QVERIFY(
                QFile::setPermissions(sFileName, QFile::permissions(sFileName) | QFileDevice::WriteOther));
            QVERIFY(QFile::setPermissions(sFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                       QFileDevice::ReadOther | QFileDevice::ExeOther));
            sMessage = MessageInChild(write, true);
            QFile::setPermissions(sFolder,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            if (sMessage == QLatin1String("<root>"))
                QSKIP("cannot drop root privileges here");
        }
        else
            sMessage = MessageOf(write);

        QVERIFY2(sMessage.contains(sFragment) && sMessage.contains(sFileName), qPrintable(sMessage));
        QCOMPARE(Contents(sFileName), baBefore);
        QCOMPARE(entries(), listBefore); // the old file's bytes, and no file left beside it
        if (sFailure == QLatin1String("directory"))
            QCOMPARE(Contents(sFileName + QStringLiteral("/inside.txt")), QByteArray("kept"));
    }

    void fileReadFailureKeepsNode_data()
    {
        QTest::addColumn<QString>("sFailure");
        QTest::addColumn<QString>("sFragment");
        Row("missing", "missing", "does not exist");
        Row("pipe", "pipe", "not a regular file");
        Row("unreadable", "unreadable", "Permission denied");
        Row("truncated", "truncated", "malformed XML");
        Row("too large", "large", "bytes, more than 67108864");
    }
    void fileReadFailureKeepsNode()
    {
        QFETCH(QString, sFailure);
        QFETCH(QString, sFragment);
        QTemporaryDir dir;
        const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
        Owner owner(QStringLiteral("0.0"));
        VtFile(sFileName, std::unique_ptr<Node>(MakeJob(5)).get(), &owner).Write();
        if (sFailure == QLatin1String("missing") || sFailure == QLatin1String("pipe"))
            QVERIFY(QFile::remove(sFileName));
        if (sFailure == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(sFileName).constData(), 0600), 0);
        if (sFailure == QLatin1String("unreadable"))
            QVERIFY(
                QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther) &&
                QFile::setPermissions(sFileName, QFileDevice::WriteOwner));
        if (sFailure == QLatin1String("truncated")) // a document of ours, cut off
            QVERIFY(WriteBytes(sFileName, Contents(sFileName).chopped(200)));
        QFile file(sFileName);
        if (sFailure == QLatin1String("large")) // sparse: costs no disk
            QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(qint64(VtXml::s_nMaxTextLength) + 1));

        std::unique_ptr<Node> pTarget(MakeJob(1));
        const QString sBefore = Content(pTarget.get());
        RecordingObserver observer(QStringLiteral("target"));
        observer.Observe(pTarget.get());
        const auto read = [&] { VtFile(sFileName, pTarget.get(), &owner).Read(); };
        const QString sMessage =
            sFailure == QLatin1String("unreadable") ? MessageInChild(read, true) : MessageOf(read);
        if (sMessage == QLatin1String("<root>"))
            QSKIP("cannot drop root privileges here");
        QVERIFY2(sMessage.contains(sFragment) && sMessage.contains(sFileName), qPrintable(sMessage));
        QCOMPARE(Content(pTarget.get()), sBefore);
        QCOMPARE(observer.Codes(), QList<int>());
        QCOMPARE(owner.m_listFixed, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestVtXml)
#include "tst_vtxml.moc"
