// The editor factory picks the bound editor of each value kind, and tool tips describe a
// value type when its descriptor has no tip of its own.

#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "tolveth/tooltip.h"
#include "tolveth/vcfactory.h"
#include "wendrisk/vccombobool.h"
#include "wendrisk/vccombosel.h"
#include "wendrisk/vcdatetimeedit.h"
#include "wendrisk/vclineedit.h"
#include "wendrisk/vcnumericfloatspin.h"
#include "wendrisk/vcspinint.h"

#include <QtTest>
#include <memory>

using values::SelectionItem;
using values::ValueDescriptor;

namespace
{

const ValueDescriptor g_vdFacBool = ValueDescriptor::Bool("FacBool", "/FacBool", true);
const ValueDescriptor g_vdFacSel = ValueDescriptor::Selection(
    "FacSel", "/FacSel",
    {SelectionItem("AM", 1.0, 10), SelectionItem("FM", 2.0, 20), SelectionItem("USB", 3.0, 30)}, 20);
const ValueDescriptor g_vdFacInt = ValueDescriptor::Int("FacInt", "/FacInt", 5, "dB", -10, 40);
const ValueDescriptor g_vdFacFreq =
    ValueDescriptor::Double("FacFreq", "/FacFreq", 100e6, "Hz", 1000.0, 2, 0.0, 6e9);
const ValueDescriptor g_vdFacLevel =
    ValueDescriptor::Double("FacLevel", "/FacLevel", 2.5, "dBm", 0.1, 0, -50.0, 50.0);
const ValueDescriptor g_vdFacText = ValueDescriptor::String("FacText", "/FacText", "hello");
const ValueDescriptor g_vdFacWhenText =
    ValueDescriptor::String("FacWhenText", "/FacWhenText", "2024-01-02T03:04:05");
const ValueDescriptor g_vdFacWhenInt = ValueDescriptor::Int("FacWhenInt", "/FacWhenInt", 0, "datetime");

// Tool tip descriptors.
const ValueDescriptor g_vdTipOwn =
    ValueDescriptor::Double("TipOwn", "/TipOwn", 1.0, "Hz", 1.0, 0, 0.0, 10.0, "Start of the band");
const ValueDescriptor g_vdTipRange =
    ValueDescriptor::Double("TipRange", "/TipRange", 1e6, "Hz", 1.0, 2, 0.0, 6e9);
const ValueDescriptor g_vdTipFree = ValueDescriptor::Double("TipFree", "/TipFree", 1.0);
const ValueDescriptor g_vdTipLower = ValueDescriptor::Int("TipLower", "/TipLower", 3, "", 1);
const ValueDescriptor g_vdTipUpper =
    ValueDescriptor::Double("TipUpper", "/TipUpper", 3.0, "s", 1.0, 0, -1e300, 60.0);
const ValueDescriptor g_vdTipInt = ValueDescriptor::Int("TipInt", "/TipInt", 5, "dB", -10, 40);
const ValueDescriptor g_vdTipBool = ValueDescriptor::Bool("TipBool", "/TipBool", false);
const ValueDescriptor g_vdTipText = ValueDescriptor::String("TipText", "/TipText");
const ValueDescriptor g_vdTipNode = ValueDescriptor::NodeType("TipNode", "/TipNode");

std::vector<SelectionItem> ManyItems(int nCount)
{
    std::vector<SelectionItem> vec;
    for (int i = 0; i < nCount; ++i)
        vec.emplace_back(QStringLiteral("E%1").arg(i), double(i), i);
    return vec;
}
const ValueDescriptor g_vdTipSel = ValueDescriptor::Selection("TipSel", "/TipSel", ManyItems(3), 0);
const ValueDescriptor g_vdTipManySel =
    ValueDescriptor::Selection("TipManySel", "/TipManySel", ManyItems(15), 0);

const ValueDescriptor* DescriptorByName(const QString& sName)
{
    return ValueDescriptor::Find(sName);
}

} // namespace

class TestVCFactory : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_pNode.reset(new values::Node(QStringLiteral("Factory")));
        m_pParent.reset(new QWidget);
        m_pParent->resize(400, 100);
        m_pParent->show();
    }
    void cleanup()
    {
        m_pParent.reset();
        m_pNode.reset();
    }

    void editorPerKind_data()
    {
        QTest::addColumn<QString>("descriptor");
        QTest::addColumn<QString>("editorClass");
        QTest::addColumn<int>("lineEditType");

        QTest::newRow("bool") << "FacBool"
                              << "VCComboBool" << -1;
        QTest::newRow("selection") << "FacSel"
                                   << "VCComboSel" << -1;
        QTest::newRow("int") << "FacInt"
                             << "VCSpinInt" << -1;
        QTest::newRow("double in hertz") << "FacFreq"
                                         << "VCLineEdit" << int(VCLineEdit::TYPE_FREQUENCY);
        QTest::newRow("double in another unit") << "FacLevel"
                                                << "VCNumericFloatSpin" << -1;
        QTest::newRow("string") << "FacText"
                                << "VCLineEdit" << int(VCLineEdit::TYPE_TEXT);
        QTest::newRow("date-time text by its default") << "FacWhenText"
                                                       << "VCDateTimeEdit" << -1;
        QTest::newRow("date-time seconds, unit in lower case") << "FacWhenInt"
                                                               << "VCDateTimeEdit" << -1;
    }
    void editorPerKind()
    {
        QFETCH(QString, descriptor);
        QFETCH(QString, editorClass);
        QFETCH(int, lineEditType);

        const ValueDescriptor* pDescriptor = DescriptorByName(descriptor);
        QVERIFY(pDescriptor);
        values::ValueBase* pValue = m_pNode->AddItem(pDescriptor->CreateItem())->AsValue();
        QVERIFY(pValue);

        QWidget* pEditor = VCFactory::Create(pValue, m_pParent.get());
        QVERIFY(pEditor);
        QCOMPARE(QString::fromLatin1(pEditor->metaObject()->className()), editorClass);
        QCOMPARE(pEditor->parentWidget(), m_pParent.get());
        QCOMPARE(pEditor->objectName(), pValue->GetName());
        QCOMPARE(pEditor->toolTip(), Tooltip::Retrieve(pDescriptor));
        if (lineEditType >= 0)
            QCOMPARE(qobject_cast<VCLineEdit*>(pEditor)->GetType(), lineEditType);

        // Bound: the editor shows the value and is enabled.
        VCBinding* pBinding = dynamic_cast<VCBinding*>(pEditor);
        QVERIFY(pBinding);
        QCOMPARE(pBinding->GetBoundValue(), pValue);
        QVERIFY(pEditor->isEnabled());
        QVERIFY(!pBinding->HasError());
    }

    void nullValueGivesNoEditor()
    {
        QCOMPARE(VCFactory::Create(nullptr, m_pParent.get()), static_cast<QWidget*>(nullptr));
        QVERIFY(!VCFactory::IsDateTime(nullptr));
    }

    void tooltip_data()
    {
        QTest::addColumn<QString>("descriptor");
        QTest::addColumn<QString>("expected");

        QTest::newRow("own tip wins") << "TipOwn"
                                      << "Start of the band";
        QTest::newRow("range in the unit's basis") << "TipRange"
                                                   << "TipRange [MHz]\nRange: 0 MHz to 6000 MHz";
        QTest::newRow("no unit, no range") << "TipFree"
                                           << "TipFree";
        QTest::newRow("lower bound only") << "TipLower"
                                          << "TipLower\nRange: from 1";
        QTest::newRow("upper bound only") << "TipUpper"
                                          << "TipUpper [s]\nRange: up to 60 s";
        QTest::newRow("integer range") << "TipInt"
                                       << "TipInt [dB]\nRange: -10 dB to 40 dB";
        QTest::newRow("boolean") << "TipBool"
                                 << "TipBool\nYES or NO";
        QTest::newRow("text") << "TipText"
                              << "TipText";
        QTest::newRow("node") << "TipNode"
                              << "TipNode";
        QTest::newRow("selection lists its choices") << "TipSel"
                                                     << "TipSel\nChoices: E0, E1, E2";
        QTest::newRow("long selection is cut with a count")
            << "TipManySel"
            << "TipManySel\nChoices: E0, E1, E2, E3, E4, E5, E6, E7, E8, E9, E10, E11 and 3 more";
    }
    void tooltip()
    {
        QFETCH(QString, descriptor);
        QFETCH(QString, expected);
        const ValueDescriptor* pDescriptor = DescriptorByName(descriptor);
        QVERIFY(pDescriptor);
        QCOMPARE(Tooltip::Retrieve(pDescriptor), expected);
    }

    void tooltipOfNothingIsEmpty() { QVERIFY(Tooltip::Retrieve(nullptr).isEmpty()); }

private:
    std::unique_ptr<values::Node> m_pNode;
    std::unique_ptr<QWidget> m_pParent;
};

QTEST_MAIN(TestVCFactory)
#include "tst_vcfactory.moc"
