// The Vt document: exact round trips of every value kind, name and text, the shapes of
// trees, the clipboard use, and the refusal of hostile text without touching the target.

#include "tst_vtxmlfixture.h"

#include "kvbase/kvexception.h"
#include "oskevo/vtxml.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <memory>

using namespace values;
using namespace vtxmltest;

namespace
{

QString Doc(const QString& sBody)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE Vt>\n<Vt format=\"1\">\n") + sBody +
           QStringLiteral("\n</Vt>\n");
}

// Texts that attribute normalisation, escaping or encoding could change on the way.
void AddEdgeTexts()
{
    QTest::newRow("empty") << QString();
    QTest::newRow("leading and trailing spaces") << QStringLiteral("  padded  ");
    QTest::newRow("tab newline cr") << QStringLiteral("\ta\nb\rc\t");
    QTest::newRow("crlf") << QStringLiteral("line1\r\nline2\r\n");
    QTest::newRow("only whitespace") << QStringLiteral(" \t\r\n ");
    QTest::newRow("non-BMP") << QString::fromUtf8("\xF0\x9D\x84\x9E clef \xF0\x9F\x98\x80");
    QTest::newRow("right to left") << QString::fromUtf8(
        "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7");
    QTest::newRow("combining") << QString::fromUtf8("e\xCC\x81\xCC\xA7 n\xCC\x83");
    QTest::newRow("quotes") << QStringLiteral("\"double\" 'single'");
    QTest::newRow("markup") << QStringLiteral("<Node name=\"x\"/> &amp; &lt; & < >");
    QTest::newRow("cdata end") << QStringLiteral("]]> ]] >");
    QTest::newRow("character reference text") << QStringLiteral("&#10;&#x9;");
    QTest::newRow("control characters") << QStringLiteral("a\x01"
                                                          "b\x1f"
                                                          "c\x0b\x0c");
    QTest::newRow("nul") << QString(QStringLiteral("a%1b")).arg(QChar(0));
    QTest::newRow("lone high surrogate") << QString(QChar(0xd834)) + QStringLiteral("x");
    QTest::newRow("lone low surrogate") << QStringLiteral("x") + QString(QChar(0xdd1e));
    QTest::newRow("noncharacters") << QString(QChar(0xfffe)) + QString(QChar(0xffff));
    QTest::newRow("line separators") << QString::fromUtf8("a\xE2\x80\xA8"
                                                          "b\xC2\x85");
    QTest::newRow("long") << QString(20000, QLatin1Char('x')) + QStringLiteral("\r");
}

// Document text -> detached copy through FromXml, compared bit for bit.
void CheckContentRoundTrip(const Node* pSource)
{
    const QString sXml = VtXml::ToXml(pSource);
    QVERIFY(sXml.contains(QLatin1String("<!DOCTYPE Vt>")));
    Node target(QStringLiteral("Target"));
    try
    {
        VtXml::FromXml(&target, sXml);
    }
    catch (const KVException& exception)
    {
        QFAIL(qPrintable(exception.GetText()));
    }
    QCOMPARE(DumpChildren(&target), DumpChildren(pSource));
}

// The same through the node list of a document, as copy and paste use it.
void CheckNodeRoundTrip(const Node* pSource)
{
    VtXml document;
    document.AddNode(pSource);
    std::unique_ptr<VtXml> pParsed;
    try
    {
        pParsed.reset(new VtXml(document.GetString()));
    }
    catch (const KVException& exception)
    {
        QFAIL(qPrintable(exception.GetText()));
    }
    QCOMPARE(pParsed->GetNodeCount(), 1);
    std::unique_ptr<Node> pCopy(pParsed->CreateNodeAt(0));
    QVERIFY(pCopy);
    QCOMPARE(Dump(pCopy.get()), Dump(pSource));
}

struct Refusal
{
    QString sMessage;
    int nLine = 0;
};

Refusal RefusalOf(const std::function<void()>& action)
{
    Refusal refusal;
    try
    {
        action();
        refusal.sMessage = QStringLiteral("<accepted>");
    }
    catch (const KVException& exception)
    {
        refusal.sMessage = exception.GetText();
        refusal.nLine = exception.GetLine();
    }
    return refusal;
}

} // namespace

class TestVtXml : public QObject
{
    Q_OBJECT

private slots:
    void numbersRoundTrip_data();
    void numbersRoundTrip();
    void textsRoundTrip_data();
    void textsRoundTrip();
    void nodeTextRoundTrip_data();
    void nodeTextRoundTrip();
    void selectionRoundTrip_data();
    void selectionRoundTrip();
    void treeShapesRoundTrip_data();
    void treeShapesRoundTrip();
    void hostileText_data();
    void hostileText();
    void hostileTextIsRefusedQuickly_data();
    void hostileTextIsRefusedQuickly();
    void fromXmlReplacesContentInOneStep();
    void fromXmlWithObserversThatDelete_data();
    void fromXmlWithObserversThatDelete();
    void createNodeAt_data();
    void createNodeAt();
    void documentKeepsCopies();
    void nodeListSkipsTopLevelValues();
    void copyAndPasteAsUtf8Text();
    void tooDeepTreeWritesButIsRefusedOnRead();
};

void TestVtXml::numbersRoundTrip_data()
{
    QTest::addColumn<int>("nKind");
    QTest::addColumn<double>("dValue");
    QTest::addColumn<int>("nValue");
    const int D = ValueDescriptor::KIND_DOUBLE, I = ValueDescriptor::KIND_INT, B = ValueDescriptor::KIND_BOOL;
    QTest::newRow("negative zero") << D << -0.0 << 0;
    QTest::newRow("smallest denormal") << D << 5e-324 << 0;
    QTest::newRow("largest denormal") << D << 2.2250738585072009e-308 << 0;
    QTest::newRow("smallest normal") << D << DBL_MIN << 0;
    QTest::newRow("1e308") << D << 1e308 << 0;
    QTest::newRow("largest") << D << DBL_MAX << 0;
    QTest::newRow("most negative") << D << -DBL_MAX << 0;
    QTest::newRow("0.1") << D << 0.1 << 0;
    QTest::newRow("one third") << D << 1.0 / 3.0 << 0;
    QTest::newRow("frequency") << D << 2400.000001e6 << 0;
    QTest::newRow("next after one") << D << std::nextafter(1.0, 2.0) << 0;
    QTest::newRow("int min") << I << 0.0 << INT_MIN;
    QTest::newRow("int max") << I << 0.0 << INT_MAX;
    QTest::newRow("int minus one") << I << 0.0 << -1;
    QTest::newRow("bool true") << B << 0.0 << 1;
    QTest::newRow("bool false") << B << 0.0 << 0;
}

void TestVtXml::numbersRoundTrip()
{
    QFETCH(int, nKind);
    QFETCH(double, dValue);
    QFETCH(int, nValue);
    Node source(QStringLiteral("Source"), &g_vdXmlRoot);
    if (nKind == ValueDescriptor::KIND_DOUBLE)
    {
        source.AddItem(new ValueDouble(QStringLiteral("WithDescriptor"), &g_vdXmlDouble, dValue));
        source.AddItem(new ValueDouble(QStringLiteral("WithoutDescriptor"), nullptr, dValue));
    }
    else if (nKind == ValueDescriptor::KIND_INT)
    {
        source.AddItem(new ValueInt(QStringLiteral("WithDescriptor"), &g_vdXmlInt, nValue));
        source.AddItem(new ValueInt(QStringLiteral("WithoutDescriptor"), nullptr, nValue));
    }
    else
    {
        source.AddItem(new ValueBool(QStringLiteral("WithDescriptor"), &g_vdXmlBool, nValue != 0));
        source.AddItem(new ValueBool(QStringLiteral("WithoutDescriptor"), nullptr, nValue != 0));
    }
    CheckContentRoundTrip(&source);
    CheckNodeRoundTrip(&source);
}

void TestVtXml::textsRoundTrip_data()
{
    QTest::addColumn<QString>("sText");
    AddEdgeTexts();
}

void TestVtXml::textsRoundTrip()
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
    CheckContentRoundTrip(&source);
    CheckNodeRoundTrip(&source);
}

void TestVtXml::nodeTextRoundTrip_data()
{
    QTest::addColumn<QByteArray>("baText");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain") << QByteArray("free text");
    QTest::newRow("utf-8") << QByteArray("Gr\xC3\xBC\xC3\x9F\x65 \xF0\x9F\x93\xA1");
    QTest::newRow("whitespace") << QByteArray("\r\n\t  x  \r");
    QTest::newRow("invalid utf-8") << QByteArray("\xff\xfe\x80 bytes");
    QTest::newRow("overlong encoding") << QByteArray("\xC0\xAF");
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80");
    QTest::newRow("nul inside") << QByteArray("a\0b", 3);
    QTest::newRow("control") << QByteArray("\x01\x02");
}

void TestVtXml::nodeTextRoundTrip()
{
    QFETCH(QByteArray, baText);
    const std::string sText(baText.constData(), size_t(baText.size()));
    Node source(QStringLiteral("Source"));
    source.SetAsStdString(sText, nullptr);
    Node* pChild = new Node(QStringLiteral("Child"), &g_vdXmlGroup);
    pChild->SetAsStdString(sText, nullptr);
    source.AddItem(pChild);
    CheckContentRoundTrip(&source);
    CheckNodeRoundTrip(&source);
}

void TestVtXml::selectionRoundTrip_data()
{
    QTest::addColumn<int>("nEntries");
    QTest::addColumn<int>("nCurrent");
    QTest::addColumn<int>("nState");
    QTest::newRow("no entries") << 0 << -1 << 0;
    QTest::newRow("one entry") << 1 << 0 << 0;
    QTest::newRow("first of three") << 3 << 0 << 0;
    QTest::newRow("last of three") << 3 << 2 << 0;
    QTest::newRow("deleting state") << 3 << 1 << int(VS_DELETE);
    QTest::newRow("many entries") << 500 << 499 << 0;
}

void TestVtXml::selectionRoundTrip()
{
    QFETCH(int, nEntries);
    QFETCH(int, nCurrent);
    QFETCH(int, nState);
    std::vector<SelectionItem> vecItems;
    for (int i = 0; i < nEntries; ++i)
        vecItems.emplace_back(QStringLiteral("%1 kHz").arg(i), i * 0.1 - 1e-9, nEntries - 2 * i);
    Node source(QStringLiteral("Source"));
    ValueSelection* pSelection =
        new ValueSelection(QStringLiteral("Own"), &g_vdXmlSelection, vecItems, nCurrent);
    pSelection->SetState(nState);
    source.AddItem(pSelection);
    ValueInt* pInt = new ValueInt(QStringLiteral("Stated"), &g_vdXmlInt, 3);
    pInt->SetState(nState);
    source.AddItem(pInt);
    QCOMPARE(pSelection->GetCurrentIndex(), nCurrent);
    CheckContentRoundTrip(&source);
    CheckNodeRoundTrip(&source);
}

void TestVtXml::treeShapesRoundTrip_data()
{
    QTest::addColumn<int>("nDepth");
    QTest::addColumn<int>("nWidth");
    QTest::addColumn<int>("nRandomItems");
    // As a listed node, the deepest selection entry sits at the reader's nesting limit.
    QTest::newRow("deep chain") << VtXml::s_nMaxDepth - 4 << 1 << 0;
    QTest::newRow("wide") << 1 << 10000 << 0;
    QTest::newRow("random") << 0 << 0 << 3000;
}

void TestVtXml::treeShapesRoundTrip()
{
    QFETCH(int, nDepth);
    QFETCH(int, nWidth);
    QFETCH(int, nRandomItems);
    Node source(QStringLiteral("Source"), &g_vdXmlRoot);
    Node* pNode = &source;
    for (int nLevel = 0; nLevel < nDepth; ++nLevel)
    {
        Node* pChild = new Node(QStringLiteral("L%1").arg(nLevel), &g_vdXmlGroup);
        pNode->AddItem(pChild);
        for (int i = 0; i < nWidth; ++i)
            pChild->AddItem(new ValueDouble(QStringLiteral("V%1").arg(i), &g_vdXmlDouble, i * 1.5));
        pChild->AddItem(new ValueSelection(QStringLiteral("Sel"), &g_vdXmlSelection,
                                           g_vdXmlSelection.SelectionItems(), 0));
        pNode = pChild;
    }
    QRandomGenerator random(4711);
    std::vector<Node*> vecNodes{&source};
    for (int i = 0; i < nRandomItems; ++i)
    {
        Node* pParent = vecNodes[random.bounded(int(vecNodes.size()))];
        const QString sName = QStringLiteral("R%1").arg(i);
        switch (random.bounded(4))
        {
        case 0:
            vecNodes.push_back(new Node(sName, &g_vdXmlGroup));
            pParent->AddItem(vecNodes.back());
            break;
        case 1:
            pParent->AddItem(new ValueDouble(sName, &g_vdXmlDouble, random.generateDouble() * 1e9));
            break;
        case 2:
            pParent->AddItem(new ValueInt(sName, &g_vdXmlInt, int(random.generate())));
            break;
        default:
            pParent->AddItem(
                new ValueString(sName, &g_vdXmlString, QString::number(random.generate64(), 36)));
            break;
        }
    }
    CheckContentRoundTrip(&source);
    CheckNodeRoundTrip(&source);
}

void TestVtXml::hostileText_data()
{
    QTest::addColumn<QString>("sText");
    QTest::addColumn<QString>("sFragment");
    QTest::addColumn<int>("nLine"); // 0: not checked

    const QString sLaughs = QStringLiteral(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE Vt [\n<!ENTITY a \"aaaaaaaaaa\">\n"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">\n"
        "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">\n<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">\n"
        "]>\n<Vt format=\"1\"><Node name=\"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"/></Vt>\n");
    const QString sValue = QStringLiteral("<Value name=\"v\" type=\"%1\" kind=\"%2\" value=\"%3\"/>");
    const QString sSelection =
        QStringLiteral("<Value name=\"s\" type=\"XmlSelection\" kind=\"selection\" current=\"%1\"%2>"
                       "<Entry name=\"A\" number=\"1\" key=\"1\"/>"
                       "<Entry name=\"B\" number=\"2\" key=\"2\"/></Value>");

    QTest::newRow("empty text") << QString() << "root element is missing" << 0;
    QTest::newRow("plain text") << "hello"
                                << "malformed XML" << 1;
    QTest::newRow("doctype missing") << "<?xml version=\"1.0\"?>\n<Vt format=\"1\"/>"
                                     << "<!DOCTYPE Vt> is missing" << 2;
    QTest::newRow("doctype of another kind") << "<!DOCTYPE html><html/>"
                                             << "document type is \"html\"" << 1;
    QTest::newRow("root of another kind") << "<!DOCTYPE Vt>\n<html/>"
                                          << "root element is <html>" << 2;
    QTest::newRow("only declarations") << "<?xml version=\"1.0\"?>\n<!DOCTYPE Vt>\n"
                                       << "root element is missing" << 0;
    QTest::newRow("entity bomb") << sLaughs << "declarations in the document type are not allowed" << 8;
    QTest::newRow("empty internal subset") << "<!DOCTYPE Vt []><Vt format=\"1\"/>"
                                           << "declarations" << 1;
    QTest::newRow("parameter entity")
        << "<!DOCTYPE Vt [<!ENTITY % p \"<!ENTITY x 'y'>\"> %p;]><Vt format=\"1\"/>"
        << "declarations" << 1;
    QTest::newRow("parameter entity reference") << "<!DOCTYPE Vt [ %p; ]><Vt format=\"1\"/>"
                                                << "malformed XML" << 1;
    QTest::newRow("external entity")
        << "<!DOCTYPE Vt [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><Vt format=\"1\" text=\"&x;\"/>"
        << "declarations" << 1;
    QTest::newRow("external document type") << "<!DOCTYPE Vt SYSTEM \"file:///etc/passwd\"><Vt format=\"1\"/>"
                                            << "external document types are not allowed" << 1;
    QTest::newRow("undeclared entity") << Doc("<Node name=\"&nbsp;\"/>") << "not declared" << 4;
    QTest::newRow("unclosed element") << Doc("<Node name=\"a\">") << "malformed XML" << 0;
    QTest::newRow("crossed tags")
        << Doc("<Node name=\"a\"><Value name=\"v\" kind=\"int\" value=\"1\"></Node>") << "malformed XML" << 4;
    QTest::newRow("unquoted attribute") << Doc("<Node name=a/>") << "malformed XML" << 4;
    QTest::newRow("same attribute twice") << Doc("<Node name=\"a\" name=\"b\"/>") << "malformed XML" << 4;
    QTest::newRow("trailing garbage") << Doc(QString()) + "garbage"
                                      << "Extra content" << 0;
    QTest::newRow("second root") << Doc(QString()) + "<Vt format=\"1\"/>"
                                 << "Extra content" << 0;
    QTest::newRow("format missing") << "<!DOCTYPE Vt><Vt/>"
                                    << "\"format\" is missing" << 1;
    QTest::newRow("format of the future") << "<!DOCTYPE Vt><Vt format=\"2\"/>"
                                          << "unknown format \"2\"" << 1;
    QTest::newRow("unknown element") << Doc("<Node name=\"a\">\n<Frequency/></Node>")
                                     << "unexpected element <Frequency>" << 5;
    QTest::newRow("unknown attribute")
        << Doc("<Node name=\"a\" colour=\"red\"/>") << "unexpected attribute \"colour\"" << 4;
    QTest::newRow("namespace declaration")
        << Doc("<Node xmlns=\"urn:x\" name=\"a\"/>") << "unexpected attribute \"xmlns\"" << 4;
    QTest::newRow("prefixed element") << Doc("<x:Node name=\"a\"/>") << "unexpected element <x:Node>" << 4;
    QTest::newRow("text in a node") << Doc("<Node name=\"a\">hello</Node>") << "unexpected text \"hello\""
                                    << 4;
    QTest::newRow("cdata in a node") << Doc("<Node name=\"a\"><![CDATA[ ]]></Node>") << "unexpected text"
                                     << 4;
    QTest::newRow("name missing") << Doc("<Node type=\"XmlGroup\"/>") << "\"name\" is missing" << 4;
    QTest::newRow("name given twice") << Doc("<Node name=\"a\" nameUtf16=\"0061\"/>") << "both" << 4;
    QTest::newRow("utf16 of odd length") << Doc("<Node nameUtf16=\"006\"/>") << "hexadecimal" << 4;
    QTest::newRow("utf16 not hex") << Doc("<Node nameUtf16=\"00zz\"/>") << "hexadecimal" << 4;
    QTest::newRow("text bytes not hex") << Doc("<Node name=\"a\" textBytes=\"4g\"/>") << "hexadecimal" << 4;
    QTest::newRow("unknown node descriptor")
        << Doc("<Node name=\"a\" type=\"NoSuchType\"/>") << "unknown descriptor \"NoSuchType\"" << 4;
    QTest::newRow("unknown value descriptor")
        << Doc(sValue.arg("NoSuchValue", "int", "1")) << "unknown descriptor \"NoSuchValue\"" << 4;
    QTest::newRow("node of a value type")
        << Doc("<Node name=\"a\" type=\"XmlInt\"/>") << "is a value type, not a node" << 4;
    QTest::newRow("value of a node type")
        << Doc(sValue.arg("XmlGroup", "int", "1")) << "is a node type, not a value" << 4;
    QTest::newRow("kind differs from descriptor")
        << Doc(sValue.arg("XmlInt", "double", "1.5"))
        << "of kind double, but its descriptor \"XmlInt\" is of kind int" << 4;
    QTest::newRow("unknown kind") << Doc(sValue.arg("XmlInt", "integer", "1")) << "unknown kind \"integer\""
                                  << 4;
    QTest::newRow("kind missing") << Doc("<Value name=\"v\" value=\"1\"/>") << "\"kind\" is missing" << 4;
    QTest::newRow("value missing") << Doc("<Value name=\"v\" kind=\"int\"/>") << "\"value\" is missing" << 4;
    QTest::newRow("int not a number")
        << Doc(sValue.arg("XmlInt", "int", "twelve")) << "no integer number" << 4;
    QTest::newRow("int with fraction") << Doc(sValue.arg("XmlInt", "int", "1.5")) << "no integer number" << 4;
    QTest::newRow("int with space") << Doc(sValue.arg("XmlInt", "int", " 1")) << "no integer number" << 4;
    QTest::newRow("int overflow") << Doc(sValue.arg("XmlInt", "int", "2147483648")) << "no integer number"
                                  << 4;
    QTest::newRow("int out of range")
        << Doc(sValue.arg("XmlIntRange", "int", "11")) << "out of the range [0, 10]" << 4;
    QTest::newRow("double with comma") << Doc(sValue.arg("XmlDouble", "double", "1,5")) << "no finite" << 4;
    QTest::newRow("double overflow") << Doc(sValue.arg("XmlDouble", "double", "1e400")) << "no finite" << 4;
    QTest::newRow("double infinite") << Doc(sValue.arg("XmlDouble", "double", "inf")) << "no finite" << 4;
    QTest::newRow("double nan") << Doc(sValue.arg("XmlDouble", "double", "nan")) << "no finite" << 4;
    QTest::newRow("double empty") << Doc(sValue.arg("XmlDouble", "double", "")) << "no finite" << 4;
    QTest::newRow("double out of range")
        << Doc(sValue.arg("XmlDoubleRange", "double", "1.5")) << "out of the range [-1, 1]" << 4;
    QTest::newRow("bool of another word")
        << Doc(sValue.arg("XmlBool", "bool", "yes")) << "neither true nor false" << 4;
    QTest::newRow("state not a number")
        << Doc("<Value name=\"v\" kind=\"int\" value=\"1\" state=\"deleted\"/>") << "\"state\"" << 4;
    QTest::newRow("current on a number")
        << Doc("<Value name=\"v\" kind=\"int\" value=\"1\" current=\"0\"/>") << "has no current entry" << 4;
    QTest::newRow("duplicate node names")
        << Doc("<Node name=\"p\">\n<Node name=\"a\"/>\n<Node name=\"a\"/></Node>")
        << "\"a\" is used twice below \"/p\"" << 6;
    QTest::newRow("node and value of one name")
        << Doc("<Node name=\"p\"><Node name=\"a\"/><Value name=\"a\" kind=\"int\" value=\"1\"/></Node>")
        << "\"a\" is used twice" << 4;
    QTest::newRow("duplicate top names")
        << Doc("<Node name=\"a\"/><Node name=\"a\"/>") << "used twice at the top" << 4;
    QTest::newRow("selection index past the end")
        << Doc(sSelection.arg("2", "")) << "current entry 2 is out of range" << 4;
    QTest::newRow("selection index negative")
        << Doc(sSelection.arg("-1", "")) << "current entry -1 is out of range" << 4;
    QTest::newRow("selection index without entries")
        << Doc("<Value name=\"s\" kind=\"selection\" current=\"0\"></Value>") << "has 0 entries" << 4;
    QTest::newRow("selection index missing")
        << Doc("<Value name=\"s\" kind=\"selection\"/>") << "\"current\" is missing" << 4;
    QTest::newRow("selection text disagrees")
        << Doc(sSelection.arg("1", " value=\"A\"")) << "reads \"A\", but its current entry is \"B\"" << 4;
    QTest::newRow("entry key missing") << Doc("<Value name=\"s\" kind=\"selection\" current=\"0\">"
                                              "<Entry name=\"A\" number=\"1\"/></Value>")
                                       << "\"key\" is missing" << 4;
    QTest::newRow("entry number bad") << Doc("<Value name=\"s\" kind=\"selection\" current=\"0\">"
                                             "<Entry name=\"A\" number=\"x\" key=\"1\"/></Value>")
                                      << "the number \"x\"" << 4;
    QTest::newRow("entry outside a selection") << Doc("<Value name=\"v\" kind=\"int\" value=\"1\"><Entry "
                                                      "name=\"A\" number=\"1\" key=\"1\"/></Value>")
                                               << "unexpected element <Entry> inside a value" << 4;
    QTest::newRow("node inside a value")
        << Doc("<Value name=\"v\" kind=\"int\" value=\"1\"><Node name=\"a\"/></Value>")
        << "unexpected element <Node> inside a value" << 4;
    QTest::newRow("entry at the top")
        << Doc("<Entry name=\"A\" number=\"1\" key=\"1\"/>") << "unexpected element <Entry>" << 4;
}

void TestVtXml::hostileText()
{
    QFETCH(QString, sText);
    QFETCH(QString, sFragment);
    QFETCH(int, nLine);

    // A target with content and an observer: after the refusal both are as they were.
    Node parent(QStringLiteral("Parent"));
    Node* pTarget = MakeSample(QStringLiteral("Target"));
    parent.AddItem(pTarget);
    const QString sBefore = Dump(&parent);
    Recorder recorder(pTarget);

    const Refusal refusal = RefusalOf([&] { VtXml::FromXml(pTarget, sText); });
    QVERIFY2(refusal.sMessage.contains(sFragment), qPrintable(refusal.sMessage));
    QVERIFY2(refusal.sMessage.contains(QLatin1String("line ")), qPrintable(refusal.sMessage));
    if (nLine > 0)
    {
        QCOMPARE(refusal.nLine, nLine);
        QVERIFY2(refusal.sMessage.contains(QStringLiteral("line %1, column ").arg(nLine)),
                 qPrintable(refusal.sMessage));
    }
    QCOMPARE(Dump(&parent), sBefore);
    QVERIFY(recorder.m_vecCodes.empty());

    // The node list reader refuses the same, except names repeated at the top, which
    // copies of nodes from different places may have.
    const Refusal listRefusal = RefusalOf([&] { VtXml document(sText); });
    if (QTest::currentDataTag() == QLatin1String("duplicate top names"))
        QCOMPARE(listRefusal.sMessage, QStringLiteral("<accepted>"));
    else
        QVERIFY2(listRefusal.sMessage.contains(sFragment), qPrintable(listRefusal.sMessage));
}

void TestVtXml::hostileTextIsRefusedQuickly_data()
{
    QTest::addColumn<QString>("sText");
    QTest::addColumn<QString>("sFragment");
    const int nDeep = 100000;
    QString sDeep = QStringLiteral("<!DOCTYPE Vt><Vt format=\"1\">");
    sDeep.reserve(nDeep * 32);
    for (int i = 0; i < nDeep; ++i)
        sDeep += QStringLiteral("<Node name=\"n\">");
    QTest::newRow("100000 levels deep") << sDeep << "nested deeper than 256 levels";
    QString sUnclosed = QStringLiteral("<!DOCTYPE Vt><Vt format=\"1\">") + QString(nDeep, QLatin1Char('<'));
    QTest::newRow("100000 open brackets") << sUnclosed << "malformed XML";
    QTest::newRow("gigantic attribute")
        << Doc(QStringLiteral("<Node name=\"%1\"/>")
                   .arg(QString(VtXml::s_nMaxAttributeLength + 1, QLatin1Char('n'))))
        << "more than 1048576";
    QTest::newRow("gigantic document") << QString::fromLatin1(QByteArray(VtXml::s_nMaxTextLength + 1, ' '))
                                       << "67108865 characters, more than 67108864";
    QString sMany = QStringLiteral("<!DOCTYPE Vt><Vt format=\"1\">");
    for (int i = 0; i < 5000; ++i)
        sMany += QStringLiteral("<Node name=\"%1\"/>").arg(i);
    sMany += QStringLiteral("<Node name=\"17\"/></Vt>");
    QTest::newRow("duplicate after many") << sMany << "\"17\" is used twice";
}

void TestVtXml::hostileTextIsRefusedQuickly()
{
    QFETCH(QString, sText);
    QFETCH(QString, sFragment);
    Node target(QStringLiteral("Target"));
    target.AddItem(new ValueInt(QStringLiteral("Kept"), &g_vdXmlInt, 7));
    const QString sBefore = DumpChildren(&target);
    const Refusal refusal = RefusalOf([&] { VtXml::FromXml(&target, sText); });
    QVERIFY2(refusal.sMessage.contains(sFragment), qPrintable(refusal.sMessage.left(300)));
    QCOMPARE(DumpChildren(&target), sBefore);
}

void TestVtXml::fromXmlReplacesContentInOneStep()
{
    Node parent(QStringLiteral("Parent"));
    parent.AddItem(new Node(QStringLiteral("Before"), &g_vdXmlGroup));
    Node* pTarget = new Node(QStringLiteral("Target"), &g_vdXmlRoot);
    parent.AddItem(pTarget);
    parent.AddItem(new Node(QStringLiteral("After"), &g_vdXmlGroup));
    pTarget->SetAsStdString("target text", nullptr);
    for (int i = 0; i < 50; ++i)
        pTarget->AddItem(new ValueInt(QStringLiteral("Old%1").arg(i), &g_vdXmlInt, i));
    ValueBase* pOld = pTarget->GetChildValue(QStringLiteral("Old3"));
    Recorder oldRecorder(pOld);
    oldRecorder.WatchValue(pOld);

    std::unique_ptr<Node> pSource(MakeSample(QStringLiteral("Elsewhere")));
    for (int i = 0; i < 50; ++i)
        pSource->AddItem(new Node(QStringLiteral("New%1").arg(i), &g_vdXmlGroup));
    Recorder recorder(pTarget);

    VtXml::FromXml(pTarget, VtXml::ToXml(pSource.get()));

    QCOMPARE(DumpChildren(pTarget), DumpChildren(pSource.get()));
    QCOMPARE(pTarget->GetName(), QStringLiteral("Target"));
    QCOMPARE(pTarget->GetValueDescriptor(), &g_vdXmlRoot);
    QCOMPARE(pTarget->GetParentNode(), &parent);
    QCOMPARE(parent.IndexOf(pTarget), 1);
    QCOMPARE(recorder.Count(CC_CHILDREN), 1);
    QCOMPARE(recorder.Count(CC_DELETING), 0);
    // The replaced value was told that it goes.
    QCOMPARE(oldRecorder.Count(CC_STATE), 1);
}

namespace
{

// Calls back on one change code of the node it observes, once.
class Reaction : public IObserver
{
public:
    Reaction(Node* pNode, TChangeCode code, std::function<void()> react)
        : m_pNode(pNode), m_code(code), m_react(std::move(react))
    {
        m_pNode->AddObserver(this);
    }
    ~Reaction() override
    {
        if (m_pNode)
            m_pNode->DeleteObserver(this);
    }
    void Update(Observable* /*pObservable*/, TChangeCode code) override
    {
        if (code == CC_DELETING)
        {
            Node* pNode = m_pNode;
            m_pNode = nullptr;
            pNode->DeleteObserver(this);
        }
        if (code == m_code && m_react)
        {
            const std::function<void()> react = std::move(m_react);
            m_react = nullptr;
            react();
        }
    }

private:
    Node* m_pNode;
    TChangeCode m_code;
    std::function<void()> m_react;
};

} // namespace

void TestVtXml::fromXmlWithObserversThatDelete_data()
{
    QTest::addColumn<int>("nCode");
    QTest::addColumn<bool>("bFillWhileDeleting");
    QTest::newRow("filled while it is being deleted") << int(CC_DELETING) << true;
    QTest::newRow("deleted when its text changes") << int(CC_MODIFIED) << false;
    QTest::newRow("deleted when its children change") << int(CC_CHILDREN) << false;
}

void TestVtXml::fromXmlWithObserversThatDelete()
{
    QFETCH(int, nCode);
    QFETCH(bool, bFillWhileDeleting);
    std::unique_ptr<Node> pSource(MakeSample(QStringLiteral("Source")));
    const QString sText = VtXml::ToXml(pSource.get());
    Node parent(QStringLiteral("Parent"));
    Node* pTarget = new Node(QStringLiteral("Target"));
    parent.AddItem(pTarget);
    pTarget->AddItem(new ValueInt(QStringLiteral("Old"), &g_vdXmlInt, 1));

    QString sMessage;
    Reaction reaction(pTarget, nCode,
                      [&]
                      {
                          if (bFillWhileDeleting)
                              sMessage = RefusalOf([&] { VtXml::FromXml(pTarget, sText); }).sMessage;
                          else
                              parent.DeleteItem(pTarget);
                      });
    if (bFillWhileDeleting)
    {
        parent.DeleteItem(pTarget);
        QVERIFY2(sMessage.contains(QLatin1String("\"/Target\": the node is being deleted")),
                 qPrintable(sMessage));
    }
    else
    {
        VtXml::FromXml(pTarget, sText);
    }
    QCOMPARE(parent.GetChildCount(), 0);
}

void TestVtXml::createNodeAt_data()
{
    QTest::addColumn<int>("nNodes");
    QTest::addColumn<int>("nIndex");
    QTest::addColumn<bool>("bNode");
    QTest::newRow("empty document") << 0 << 0 << false;
    QTest::newRow("negative") << 3 << -1 << false;
    QTest::newRow("first") << 3 << 0 << true;
    QTest::newRow("last") << 3 << 2 << true;
    QTest::newRow("past the last") << 3 << 3 << false;
    QTest::newRow("far past") << 3 << INT_MAX << false;
}

void TestVtXml::createNodeAt()
{
    QFETCH(int, nNodes);
    QFETCH(int, nIndex);
    QFETCH(bool, bNode);
    VtXml document;
    std::vector<std::unique_ptr<Node>> vecSources;
    for (int i = 0; i < nNodes; ++i)
    {
        vecSources.emplace_back(MakeSample(QStringLiteral("Group%1").arg(i)));
        document.AddNode(vecSources.back().get());
    }
    const QString sText = document.GetString();
    QVERIFY(sText.contains(QLatin1String("<!DOCTYPE Vt>")));
    const VtXml parsed(sText);
    QCOMPARE(parsed.GetNodeCount(), nNodes);
    std::unique_ptr<Node> pFirst(parsed.CreateNodeAt(nIndex));
    QCOMPARE(bool(pFirst), bNode);
    if (!bNode)
        return;
    QCOMPARE(Dump(pFirst.get()), Dump(vecSources[size_t(nIndex)].get()));
    QVERIFY(!pFirst->GetParentNode());
    // Every call makes a fresh node that the caller owns.
    std::unique_ptr<Node> pSecond(parsed.CreateNodeAt(nIndex));
    QVERIFY(pSecond.get() != pFirst.get());
    pFirst->AddItem(new ValueInt(QStringLiteral("Extra"), &g_vdXmlInt, 1));
    QCOMPARE(Dump(pSecond.get()), Dump(vecSources[size_t(nIndex)].get()));
}

void TestVtXml::documentKeepsCopies()
{
    std::unique_ptr<Node> pSource(MakeSample(QStringLiteral("Group")));
    const QString sOriginal = Dump(pSource.get());
    VtXml document;
    document.AddNode(pSource.get());
    document.AddNode(nullptr);
    pSource->GetChildValue(QStringLiteral("Count"))->SetAsString(QStringLiteral("99"));
    pSource->AddItem(new Node(QStringLiteral("Later")));
    QCOMPARE(document.GetNodeCount(), 1);
    std::unique_ptr<Node> pCopy(document.CreateNodeAt(0));
    QCOMPARE(Dump(pCopy.get()), sOriginal);
    const VtXml parsed(document.GetString());
    std::unique_ptr<Node> pParsed(parsed.CreateNodeAt(0));
    QCOMPARE(Dump(pParsed.get()), sOriginal);
}

void TestVtXml::nodeListSkipsTopLevelValues()
{
    // The content of a node read as a node list: its values at the top are no nodes.
    std::unique_ptr<Node> pSource(MakeSample(QStringLiteral("Group")));
    const VtXml parsed(VtXml::ToXml(pSource.get()));
    QCOMPARE(parsed.GetNodeCount(), 1);
    std::unique_ptr<Node> pNode(parsed.CreateNodeAt(0));
    QCOMPARE(Dump(pNode.get()), Dump(pSource->GetChildNode(QStringLiteral("Par"))));
}

void TestVtXml::copyAndPasteAsUtf8Text()
{
    // Copy two frequency definitions as an editor does, paste them into another list.
    Node source(QStringLiteral("Fds"), &g_vdXmlRoot);
    for (int i = 0; i < 2; ++i)
    {
        Node* pFd = new Node(QStringLiteral("Fd%1").arg(i), &g_vdXmlGroup);
        pFd->AddItem(new ValueDouble(QStringLiteral("FStart"), &g_vdXmlDouble, 88e6 + i * 0.1));
        pFd->AddItem(
            new ValueString(QStringLiteral("Name"), &g_vdXmlString, QStringLiteral("Ch\t%1\r\n").arg(i)));
        source.AddItem(pFd);
    }
    VtXml copy;
    for (const TreeItem* pItem : source.GetTreeItems())
        copy.AddNode(static_cast<const Node*>(pItem));
    // The clipboard and files carry the text as UTF-8: even names that are no valid
    // Unicode must come through that.
    Node* pOdd = new Node(QString(QChar(0xd800)) + QStringLiteral("lone"), &g_vdXmlGroup);
    source.AddItem(pOdd);
    copy.AddNode(pOdd);
    const QString sPasted = QString::fromUtf8(copy.GetString().toUtf8());
    QVERIFY(sPasted.contains(QLatin1String("<!DOCTYPE Vt>")));
    const VtXml paste(sPasted);
    Node target(QStringLiteral("Fds"), &g_vdXmlRoot);
    for (int i = 0;; ++i)
    {
        Node* pNode = paste.CreateNodeAt(i);
        if (!pNode)
            break;
        target.AddItemUnique(pNode);
    }
    QCOMPARE(DumpChildren(&target), DumpChildren(&source));
}

void TestVtXml::tooDeepTreeWritesButIsRefusedOnRead()
{
    // Copying never fails, but a tree beyond the reader's limit cannot come back in.
    Node source(QStringLiteral("Source"));
    Node* pNode = &source;
    for (int i = 0; i < VtXml::s_nMaxDepth + 10; ++i)
    {
        Node* pChild = new Node(QStringLiteral("L"));
        pNode->AddItem(pChild);
        pNode = pChild;
    }
    const QString sText = VtXml::ToXml(&source);
    Node target(QStringLiteral("Target"));
    const Refusal refusal = RefusalOf([&] { VtXml::FromXml(&target, sText); });
    QVERIFY2(refusal.sMessage.contains(QLatin1String("nested deeper than 256")),
             qPrintable(refusal.sMessage));
    QCOMPARE(target.GetChildCount(), 0);
}

QTEST_GUILESS_MAIN(TestVtXml)
#include "tst_vtxml.moc"
