#include "common/datarow.h"
#include "common/recordingobserver.h"
#include "common/valuetreetext.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"

#include <QtTest>
#include <cfloat>
#include <cstring>
#include <memory>

using namespace values;

namespace
{

// Built during static initialisation, before any descriptor of this file: a node made then
// must already find the generic node type.
Node g_staticNode(QStringLiteral("Static"));

const ValueDescriptor g_vdDev = ValueDescriptor::NodeType("DevType", "/Dev");
const ValueDescriptor g_vdAttr = ValueDescriptor::NodeType("AttrType", "/Attr");
const ValueDescriptor g_vdChild = ValueDescriptor::NodeType("ChildType", "/Child");
// Named by their kind, so that a table row names the kind it makes.
const ValueDescriptor g_vdInt = ValueDescriptor::Int("int", "/Count", 5, "", -10, 100);
const ValueDescriptor g_vdDouble =
    ValueDescriptor::Double("double", "/Attr/Freq", 100e6, "Hz", 1000.0, 2, 9e3, 6e9);
const ValueDescriptor g_vdString = ValueDescriptor::String("string", "Name", "unnamed");
const ValueDescriptor g_vdBool = ValueDescriptor::Bool("bool", "/Sub/On", true);
const ValueDescriptor g_vdMode = ValueDescriptor::Selection(
    "selection", "/Mode",
    {SelectionItem(QStringLiteral("AM"), 1.0, 10), SelectionItem(QStringLiteral("FM"), 2.0, 20),
     SelectionItem(QStringLiteral("USB"), 4.0, 30), SelectionItem(QStringLiteral("LSB"), 8.0, 40)},
    20);

std::unique_ptr<ValueBase> Make(const QString& sKind)
{
    return std::unique_ptr<ValueBase>(ValueDescriptor::Find(sKind)->CreateItem()->AsValue());
}

// The text of d, read back into another value, gives the same bits.
bool RoundTrips(double d)
{
    ValueDouble source(QStringLiteral("d"), nullptr, d);
    ValueDouble target(QStringLiteral("d"), nullptr);
    const double dBack = target.SetAsString(source.GetAsString()) ? target.GetValue() : qQNaN();
    return std::memcmp(&dBack, &d, sizeof d) == 0;
}

// Path of pItem (or "null") and the descriptors of the nodes on the way, from the root's child.
QString PathAndTypes(const TreeItem* pItem)
{
    QStringList list{pItem ? pItem->GetPathName() : QStringLiteral("null")};
    for (const TreeItem* p = pItem; p && p->GetParentNode(); p = p->GetParentNode())
        list.insert(1, p->GetValueDescriptor() ? p->GetValueDescriptor()->Name() : QStringLiteral("none"));
    return list.join(QLatin1Char(' '));
}

} // namespace

class TestValues : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Tree::Instance()->Clear();
        ValueDescriptor::SetBasePath(QString());
    }
    void cleanup() { init(); }

    void registry()
    {
        QCOMPARE(ValueDescriptor::Find(QStringLiteral("double")), &g_vdDouble);
        QCOMPARE(ValueDescriptor::FindNodeByItemName(QStringLiteral("Dev")), &g_vdDev);
        QCOMPARE(ValueDescriptor::FindNodeByItemName(QStringLiteral("Freq")), nullptr); // no node type
        {
            const ValueDescriptor local = ValueDescriptor::NodeType("DscTstLocal", "/Local");
            QCOMPARE(ValueDescriptor::FindNodeByItemName(QStringLiteral("Local")), &local);
            {
                // A second of the same name does not hide the first, nor take it along.
                const ValueDescriptor twin = ValueDescriptor::NodeType("DscTstLocal", "/Local");
                QCOMPARE(ValueDescriptor::Find(QStringLiteral("DscTstLocal")), &local);
            }
            QCOMPARE(ValueDescriptor::Find(QStringLiteral("DscTstLocal")), &local);
        }
        QCOMPARE(ValueDescriptor::Find(QStringLiteral("DscTstLocal")), nullptr);
        QCOMPARE(ValueDescriptor::FindNodeByItemName(QStringLiteral("Local")), nullptr);
        QCOMPARE(g_staticNode.GetValueDescriptor(), ValueDescriptor::GenericNode());
        // Items take the last segment of the path as name; an unknown default key selects the first entry.
        const ValueDescriptor mode = ValueDescriptor::Selection(
            "Mode7", "/Mode",
            {SelectionItem(QStringLiteral("A"), 1, 1), SelectionItem(QStringLiteral("B"), 2, 2)}, 7);
        std::unique_ptr<TreeItem> pName(g_vdString.CreateItem());
        std::unique_ptr<TreeItem> pMode(mode.CreateItem(QStringLiteral("Other")));
        QVERIFY(pName->GetName() == QLatin1String("Name") && dynamic_cast<ValueString*>(pName.get()));
        QVERIFY(pMode->GetName() == QLatin1String("Other") && pMode->GetValueDescriptor() == &mode);
        QCOMPARE(static_cast<ValueSelection*>(pMode.get())->GetAsString(), QStringLiteral("A"));
    }

    void create_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("base"); // without a descriptor: the absolute path of a node
        QTest::addColumn<QString>("descriptor");
        QTest::addColumn<QString>("expected"); // path of the item made or found, and the types on the way
        Row("at the root, typed intermediate", "", "", "double", "/Attr/Freq AttrType double");
        Row("missing base nodes are made", "", "/Dev/Plain", "int",
            "/Dev/Plain/Count DevType GenericNode int");
        Row("a node", "", "/Dev", "ChildType", "/Dev/Child DevType ChildType");
        Row("below an existing node", "Dev{Attr{x=1}}", "/Dev", "double",
            "/Dev/Attr/Freq GenericNode GenericNode double");
        Row("an existing item of another kind", "Attr{Freq=text}", "", "double",
            "/Attr/Freq GenericNode none");
        Row("the way runs through a value", "Dev{Attr=1}", "/Dev", "double", "null");
        Row("absolute, typed by item name", "", "/Dev/Attr/Other", "",
            "/Dev/Attr/Other DevType AttrType GenericNode");
        Row("absolute, existing nodes keep their type", "Dev{}", "/Dev/Child", "",
            "/Dev/Child GenericNode ChildType");
        Row("absolute through a value", "Dev=1", "/Dev/Child", "", "null");
    }
    void create()
    {
        QFETCH(QString, tree);
        QFETCH(QString, base);
        QFETCH(QString, descriptor);
        QFETCH(QString, expected);
        Node* pRoot = Tree::Instance()->GetRoot();
        ValueTreeText::Build(pRoot, tree);
        RecordingObserver observer(QStringLiteral("view"));
        const auto create = [&]() -> TreeItem*
        {
            if (descriptor.isEmpty())
                return ValueDescriptor::CreateNodeAbsolute(base, &observer);
            ValueDescriptor::SetBasePath(base);
            return ValueDescriptor::Find(descriptor)->Create(&observer);
        };
        TreeItem* pItem = create();
        QCOMPARE(PathAndTypes(pItem), expected);
        if (!pItem)
            return;
        QCOMPARE(Tree::Instance()->GetItem(pItem->GetPathName()), pItem);
        // Asked again, the same item is found, nothing new is made, the observer is there once.
        const QString sAfter = ValueTreeText::Dump(pRoot);
        QCOMPARE(create(), pItem);
        QCOMPARE(ValueTreeText::Dump(pRoot), sAfter);
        QCOMPARE(pItem->CountObservers(), 1);
        if (ValueBase* pValue = pItem->AsValue())
            pValue->SetState(5);
        QCOMPARE(observer.Codes(), pItem->AsValue() ? QList<int>{CC_STATE} : QList<int>());
        pItem->DeleteObserver(&observer);
    }

    void createAtIsRelative()
    {
        ValueDescriptor::SetBasePath(QStringLiteral("/Dev"));
        Node holder(QStringLiteral("Holder"));
        QVERIFY(g_vdBool.CreateAt(&holder, nullptr));
        QCOMPARE(ValueTreeText::Dump(&holder), QStringLiteral("Sub{On=true}"));
        QCOMPARE(Tree::Instance()->GetRoot()->GetChildCount(), 0);
        QCOMPARE(g_vdBool.CreateAt(nullptr, nullptr), nullptr);
    }
    void setAsString_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("error"); // a part of the reason given
        Row("int", "int", "42", true, "42", "");
        Row("int same, other spelling", "int", "+5", true, "5", "");
        Row("int below the minimum", "int", "-11", false, "5", "minimum");
        Row("int above the maximum", "int", "101", false, "5", "maximum");
        Row("int empty", "int", "", false, "5", "needed");
        Row("int fraction", "int", "2.5", false, "5", "whole");
        Row("int overflow", "int", "99999999999", false, "5", "too large");
        Row("double", "double", "145.5e6", true, "145500000", "");
        Row("double same, other spelling", "double", "1e8", true, "100000000", "");
        Row("double below the minimum", "double", "8999.999", false, "100000000", "minimum");
        Row("double infinity", "double", "inf", false, "100000000", "");
        Row("double overflowing text", "double", "1e400", false, "100000000", "");
        Row("double comma", "double", "1,5", false, "100000000", "not a number");
        Row("string any text", "string", " \tÄ\n𝄞 ", true, " \tÄ\n𝄞 ", "");
        Row("string same", "string", "unnamed", true, "unnamed", "");
        Row("bool OFF", "bool", "OFF", true, "false", "");
        Row("bool same", "bool", "yes", true, "true", "");
        Row("bool maybe", "bool", "maybe", false, "true", "truth value");
        Row("selection by name", "selection", "USB", true, "USB", "");
        Row("selection by key", "selection", "#40", true, "LSB", "");
        Row("selection same by key", "selection", "#20", true, "FM", "");
        Row("selection unknown key", "selection", "#41", false, "FM", "key 41");
        Row("selection names are exact", "selection", "usb", false, "FM", "usb");
        // "n:" first: set as a number.
        Row("number: int nan", "int", "n:nan", false, "5", "");
        Row("number: int fraction", "int", "n:12.5", false, "5", "");
        Row("number: double", "double", "n:1e9", true, "1000000000", "");
        Row("number: selection picks the closest", "selection", "n:3.5", true, "USB", "");
        Row("number: selection tie takes the first", "selection", "n:1.5", true, "AM", "");
        Row("number: selection nan", "selection", "n:nan", false, "FM", "");
        Row("number: a string holds none", "string", "n:1", false, "unnamed", "");
    }
    void setAsString()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, after);
        QFETCH(QString, error);
        std::unique_ptr<ValueBase> pValue = Make(kind);
        const QString sBefore = pValue->GetAsString();
        RecordingObserver editor(QStringLiteral("editor"));
        RecordingObserver other(QStringLiteral("other"));
        editor.Observe(pValue.get());
        other.Observe(pValue.get());
        QCOMPARE(text.startsWith(QLatin1String("n:")) ? pValue->SetNumber(text.mid(2).toDouble(), &editor)
                                                      : pValue->SetAsString(text, &editor),
                 ok);
        QCOMPARE(pValue->GetAsString(), after);
        QCOMPARE(pValue->GetLastError().isEmpty(), ok);
        QVERIFY2(pValue->GetLastError().contains(error), qPrintable(pValue->GetLastError()));
        // Only a real change is told, and not to the editor that made it.
        QCOMPARE(editor.Codes(), QList<int>());
        QCOMPARE(other.Codes(), after != sBefore ? QList<int>{CC_VALUE} : QList<int>());
        // A success clears the reason of an earlier refusal.
        QVERIFY(pValue->SetAsString(pValue->GetAsString()));
        QVERIFY(pValue->GetLastError().isEmpty());
    }

    void doubleTextRoundTrips()
    {
        for (double d : {0.1, 1.0 / 3.0, -0.0, 5e-324, 2.2250738585072009e-308, DBL_MIN, DBL_MAX, -DBL_MAX,
                         145.675e6, 9007199254740994.0, 1e17, 1e-5, -123.456e-7, 1.0000000000000002})
            QVERIFY2(RoundTrips(d), qPrintable(QString::number(d, 'g', 17)));
    }

    void selectionEntries()
    {
        ValueSelection mode(QStringLiteral("m"), &g_vdMode);
        QVERIFY(!mode.SelectIndex(4) && !mode.SelectIndex(-1) && !mode.SelectKey(11));
        QVERIFY(mode.SelectIndex(3));
        QCOMPARE(mode.GetNumber(), 8.0);
        QVERIFY(mode.SelectKey(10));
        QCOMPARE(mode.GetAsString(), QStringLiteral("AM"));
        // A selection with its own entries, as the device types are.
        ValueSelection value(
            QStringLiteral("types"), nullptr,
            {SelectionItem(QStringLiteral("A"), 0, 1), SelectionItem(QStringLiteral("B"), 0, 2)}, 1);
        RecordingObserver observer(QStringLiteral("v"));
        observer.Observe(&value);
        value.SetItems({SelectionItem(QStringLiteral("B2"), 0, 2), SelectionItem(QStringLiteral("C"), 0, 3)});
        QCOMPARE(value.GetAsString(), QStringLiteral("B2")); // the chosen key is kept
        value.SetItems({SelectionItem(QStringLiteral("D"), 0, 4)});
        QCOMPARE(value.GetCurrentKey(), 4); // gone: the first entry
        value.SetItems({});
        QCOMPARE(value.GetCurrentKey(), -1);
        QCOMPARE(value.GetCurrentItem(), nullptr);
        QCOMPARE(value.GetAsString(), QString());
        QVERIFY(!value.SelectClosestValue(1.0));
        QVERIFY(!value.SetAsString(QString()));
        QCOMPARE(observer.Codes(), (QList<int>{CC_VALUE, CC_VALUE, CC_VALUE}));
    }

    void resetAndState()
    {
        ValueInt value(QStringLiteral("n"), &g_vdInt);
        RecordingObserver observer(QStringLiteral("v"));
        observer.Observe(&value);
        QVERIFY(value.SetValue(50));
        value.Reset();
        QCOMPARE(value.GetValue(), 5);
        value.SetState(7);
        value.SetState(7);
        QCOMPARE(observer.Codes(), (QList<int>{CC_VALUE, CC_VALUE, CC_STATE}));
    }
};

QTEST_APPLESS_MAIN(TestValues)
#include "tst_values.moc"
