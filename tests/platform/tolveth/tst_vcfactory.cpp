// The editor factory picks the bound editor of each value kind, and tool tips describe a
// value type when its descriptor has no tip of its own.

#include "common/datarow.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valueselection.h"
#include "tolveth/tooltip.h"
#include "tolveth/vcfactory.h"
#include "wendrisk/vclineedit.h"

#include <QtTest>

using values::SelectionItem;
using values::ValueDescriptor;

namespace
{

std::vector<SelectionItem> Items(int nCount)
{
    std::vector<SelectionItem> vec;
    for (int i = 0; i < nCount; ++i)
        vec.emplace_back(QStringLiteral("E%1").arg(i), double(i), i);
    return vec;
}

const ValueDescriptor g_vd[] = {
    ValueDescriptor::Bool("FacBool", "/FacBool", true),
    ValueDescriptor::Selection("FacSel", "/FacSel", Items(3), 2),
    ValueDescriptor::Int("FacInt", "/FacInt", 5, "dB", -10, 40),
    ValueDescriptor::Double("FacFreq", "/FacFreq", 100e6, "Hz", 1000.0, 2, 0.0, 6e9),
    ValueDescriptor::String("FacText", "/FacText", "hello"),
    ValueDescriptor::String("FacWhenText", "/FacWhenText", "2024-01-02T03:04:05"),
    ValueDescriptor::Int("FacWhenInt", "/FacWhenInt", 0, "datetime"),
    ValueDescriptor::Double("TipOwn", "/TipOwn", 1.0, "Hz", 1.0, 0, 0.0, 10.0, "Start of the band"),
    ValueDescriptor::Int("TipLower", "/TipLower", 3, "", 1),
    ValueDescriptor::Double("TipUpper", "/TipUpper", 3.0, "s", 1.0, 0, -1e300, 60.0),
    ValueDescriptor::Selection("TipManySel", "/TipManySel", Items(15), 0),
};

} // namespace

class TestVCFactory : public QObject
{
    Q_OBJECT

private slots:
    // Each value kind gets its editor, bound, enabled, named after the value and with the tool
    // tip; the tool tip describes the type unless the descriptor has one of its own.
    void editorAndToolTip_data()
    {
        QTest::addColumn<QString>("descriptor");
        QTest::addColumn<QString>("editorClass"); // empty: not asked
        QTest::addColumn<int>("lineEditType");
        QTest::addColumn<QString>("toolTip"); // null: not asked
        auto row = [](const char* pszName, const char* pszClass, int nType, const char* pszTip)
        { Row(pszName, QString(pszName), QString(pszClass), nType, QString(pszTip)); };
        row("FacBool", "VCComboBool", -1, "FacBool\nYES or NO");
        row("FacSel", "VCComboSel", -1, "FacSel\nChoices: E0, E1, E2");
        row("FacInt", "VCSpinInt", -1, "FacInt [dB]\nRange: -10 dB to 40 dB");
        row("FacFreq", "VCLineEdit", VCLineEdit::TYPE_FREQUENCY, "FacFreq [MHz]\nRange: 0 MHz to 6000 MHz");
        row("FacWhenText", "VCDateTimeEdit", -1, nullptr); // by its default
        row("FacWhenInt", "VCDateTimeEdit", -1, nullptr);  // seconds, the unit in lower case
        row("TipOwn", "", -1, "Start of the band");
        row("TipLower", "", -1, "TipLower\nRange: from 1");
        row("TipUpper", "", -1, "TipUpper [s]\nRange: up to 60 s");
        row("TipManySel", "", -1,
            "TipManySel\nChoices: E0, E1, E2, E3, E4, E5, E6, E7, E8, E9, E10, E11 and 3 more");
    }
    void editorAndToolTip()
    {
        QFETCH(QString, descriptor);
        QFETCH(QString, editorClass);
        QFETCH(int, lineEditType);
        QFETCH(QString, toolTip);
        const ValueDescriptor* pDescriptor = ValueDescriptor::Find(descriptor);
        QVERIFY(pDescriptor);
        if (!toolTip.isNull())
            QCOMPARE(Tooltip::Retrieve(pDescriptor), toolTip);
        if (editorClass.isEmpty())
            return;
        values::Node node(QStringLiteral("Factory"));
        values::ValueBase* pValue = node.AddItem(pDescriptor->CreateItem())->AsValue();
        QWidget parent;
        QWidget* pEditor = VCFactory::Create(pValue, &parent);
        QCOMPARE(QString::fromLatin1(pEditor->metaObject()->className()), editorClass);
        QVERIFY(pEditor->parentWidget() == &parent && pEditor->objectName() == pValue->GetName());
        QCOMPARE(pEditor->toolTip(), Tooltip::Retrieve(pDescriptor));
        QVERIFY(lineEditType < 0 || qobject_cast<VCLineEdit*>(pEditor)->GetType() == lineEditType);
        VCBinding* pBinding = dynamic_cast<VCBinding*>(pEditor);
        QCOMPARE(pBinding->GetBoundValue(), pValue);
        QVERIFY(pEditor->isEnabled() && !pBinding->HasError());
    }
};

QTEST_MAIN(TestVCFactory)
#include "tst_vcfactory.moc"
