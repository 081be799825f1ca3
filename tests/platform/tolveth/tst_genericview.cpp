// The generic form: one labelled row per value, editors bound both ways, rows following the
// node's values, and the modified state reported to the host.

#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "tolveth/aliasmap.h"
#include "tolveth/aliastable.h"
#include "tolveth/genericview.h"
#include "tolveth/genericviewctrl.h"
#include "tolveth/genericviewitem.h"
#include "wendrisk/vcbinding.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using values::SelectionItem;
using values::ValueDescriptor;

namespace
{

const ValueDescriptor g_vdFrmFreq =
    ValueDescriptor::Double("FrmFreq", "/Freq", 100e6, "Hz", 1000.0, 2, 0.0, 6e9);
const ValueDescriptor g_vdFrmLevel =
    ValueDescriptor::Double("FrmLevel", "/Level", 2.5, "dBm", 0.5, 0, -50.0, 50.0);
const ValueDescriptor g_vdFrmGain = ValueDescriptor::Int("FrmGain", "/Gain", 5, "dB", -10, 40);
const ValueDescriptor g_vdFrmMode = ValueDescriptor::Selection(
    "FrmMode", "/Mode",
    {SelectionItem("AM", 1.0, 10), SelectionItem("FM", 2.0, 20), SelectionItem("USB", 3.0, 30)}, 20);
const ValueDescriptor g_vdFrmEnabled = ValueDescriptor::Bool("FrmEnabled", "/Enabled", true);
const ValueDescriptor g_vdFrmComment = ValueDescriptor::String("FrmComment", "/Comment", "first");
// Values added later to a form.
const ValueDescriptor g_vdFrmExtraA = ValueDescriptor::String("FrmExtraA", "/ExtraA", "a");
const ValueDescriptor g_vdFrmExtraB = ValueDescriptor::Int("FrmExtraB", "/ExtraB", 1);
const ValueDescriptor g_vdFrmSub = ValueDescriptor::NodeType("FrmSub", "/Sub");

const ValueDescriptor g_vdFrmStartTime =
    ValueDescriptor::String("FrmStartTime", "/StartTime", "2024-01-02T03:04:05");

class TestAliases : public AliasTable
{
public:
    TestAliases()
    {
        Add(QStringLiteral("Level"), QStringLiteral("Signal level"));
        Add(QStringLiteral("Mode"), QStringLiteral("Demodulation"));
    }
};

class OtherAliases : public AliasTable
{
public:
    OtherAliases() { Add(QStringLiteral("Level"), QStringLiteral("Pegel")); }
};

class ModifyRecorder : public values::IModifyObserver
{
public:
    void NotifyModified(bool bModified) override { m_vecReports.push_back(bModified); }
    std::vector<bool> m_vecReports;
};

QString ShownText(QWidget* pEditor)
{
    if (QComboBox* pCombo = qobject_cast<QComboBox*>(pEditor))
        return pCombo->currentText();
    if (QAbstractSpinBox* pSpin = qobject_cast<QAbstractSpinBox*>(pEditor))
        return pSpin->text();
    if (QLineEdit* pEdit = qobject_cast<QLineEdit*>(pEditor))
        return pEdit->text();
    return QString();
}

// The label texts of the form, top to bottom, as the operator reads them.
QStringList LabelsInOrder(GenericView* pView)
{
    QStringList lst;
    QVBoxLayout* pForm = pView->GetFormLayout();
    for (int i = 0; i < pForm->count(); ++i)
    {
        QLayout* pRow = pForm->itemAt(i)->layout();
        if (!pRow)
            continue;
        QGridLayout* pGrid = qobject_cast<QGridLayout*>(pRow->itemAt(0)->layout());
        QLayoutItem* pCell = pGrid ? pGrid->itemAtPosition(0, 0) : nullptr;
        QLabel* pLabel = pCell ? qobject_cast<QLabel*>(pCell->widget()) : nullptr;
        lst << (pLabel ? pLabel->text() : QStringLiteral("?"));
    }
    return lst;
}

// Types text into an editor the way an operator replaces a field's content.
void TypeInto(QWidget* pEditor, const QString& sText)
{
    pEditor->setFocus();
    if (QAbstractSpinBox* pSpin = qobject_cast<QAbstractSpinBox*>(pEditor))
        pSpin->selectAll();
    else if (QLineEdit* pEdit = qobject_cast<QLineEdit*>(pEditor))
        pEdit->selectAll();
    QTest::keyClicks(pEditor, sText);
    QTest::keyClick(pEditor, Qt::Key_Return);
}

} // namespace

class TestGenericView : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_pRoot.reset(new values::Node(QStringLiteral("Root")));
        m_pNode = static_cast<values::Node*>(m_pRoot->AddItem(new values::Node(QStringLiteral("Form"))));
        for (const ValueDescriptor* pDescriptor : {&g_vdFrmFreq, &g_vdFrmLevel, &g_vdFrmGain, &g_vdFrmMode,
                                                   &g_vdFrmEnabled, &g_vdFrmComment, &g_vdFrmStartTime})
            m_pNode->AddItem(pDescriptor->CreateItem());
        m_pAliasTable.reset(new TestAliases);
        m_pAliasMap.reset(new AliasMap);
        m_pAliasMap->AddTable(m_pAliasTable.get());

        m_pWindow.reset(new QWidget);
        m_pWindow->setLayout(new QVBoxLayout);
        m_pView = new GenericView(m_pWindow.get(), QStringLiteral("Form"));
        m_pWindow->layout()->addWidget(m_pView);
        m_pView->SetAliasMap(m_pAliasMap.get());
        m_pView->SetObserver(&m_recorder);
        m_pView->Init(m_pNode);
        m_pWindow->resize(600, 500);
        m_pWindow->show();
        m_pWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_pWindow.get()));
        m_recorder.m_vecReports.clear();
    }
    void cleanup()
    {
        m_pWindow.reset();
        m_pRoot.reset();
        m_pAliasMap.reset();
        m_pAliasTable.reset();
    }

    void rowPerValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("editorClass");
        QTest::addColumn<QString>("shown");

        QTest::newRow("frequency") << "Freq"
                                   << "Freq [MHz]"
                                   << "VCLineEdit"
                                   << "100 MHz";
        QTest::newRow("alias and unit") << "Level"
                                        << "Signal level [dBm]"
                                        << "VCNumericFloatSpin"
                                        << "2.5";
        QTest::newRow("integer") << "Gain"
                                 << "Gain [dB]"
                                 << "VCSpinInt"
                                 << "5 dB";
        QTest::newRow("selection") << "Mode"
                                   << "Demodulation"
                                   << "VCComboSel"
                                   << "FM";
        QTest::newRow("boolean") << "Enabled"
                                 << "Enabled"
                                 << "VCComboBool"
                                 << "YES";
        QTest::newRow("text") << "Comment"
                              << "Comment"
                              << "VCLineEdit"
                              << "first";
        QTest::newRow("date-time, no unit in label") << "StartTime"
                                                     << "StartTime"
                                                     << "VCDateTimeEdit"
                                                     << "2024-01-02 03:04:05";
    }
    void rowPerValue()
    {
        QFETCH(QString, value);
        QFETCH(QString, label);
        QFETCH(QString, editorClass);
        QFETCH(QString, shown);

        values::ValueBase* pValue = m_pNode->GetChildValue(value);
        QVERIFY(pValue);
        GenericViewItem* pItem = m_pView->GetCtrl()->GetViewItem(pValue);
        QVERIFY(pItem);
        QCOMPARE(pItem->GetLabel()->text(), label);
        QVERIFY(pItem->GetLabel()->isVisible());

        QWidget* pEditor = m_pView->findChild<QWidget*>(value);
        QVERIFY(pEditor);
        QCOMPARE(pEditor, pItem->GetEditor());
        QCOMPARE(QString::fromLatin1(pEditor->metaObject()->className()), editorClass);
        QVERIFY(pEditor->isVisible());
        QVERIFY(pEditor->isEnabled());
        QCOMPARE(ShownText(pEditor), shown);
        QCOMPARE(pItem->GetLabel()->buddy(), pEditor);
    }

    void formShowsAllValuesInChildOrder()
    {
        QCOMPARE(LabelsInOrder(m_pView), QStringList({"Freq [MHz]", "Signal level [dBm]", "Gain [dB]",
                                                      "Demodulation", "Enabled", "Comment", "StartTime"}));
        QVERIFY(m_pView->IsLoaded());
        QVERIFY(!m_pView->IsModified());
    }

    // Typing into an editor writes the value, marks the form modified and tells the host.
    void typingWritesValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("input"); // text, or a key name for combo boxes and steps
        QTest::addColumn<QString>("expected");

        QTest::newRow("frequency with prefix") << "Freq"
                                               << "433.92 MHz"
                                               << "433920000";
        QTest::newRow("frequency plain hertz") << "Freq"
                                               << "2500000"
                                               << "2500000";
        QTest::newRow("floating point") << "Level"
                                        << "-12.5"
                                        << "-12.5";
        QTest::newRow("integer") << "Gain"
                                 << "17"
                                 << "17";
        QTest::newRow("selection by key") << "Mode"
                                          << "key:Down"
                                          << "USB";
        QTest::newRow("boolean by key") << "Enabled"
                                        << "key:Up"
                                        << "false";
        QTest::newRow("text") << "Comment"
                              << "second thoughts"
                              << "second thoughts";
        QTest::newRow("date-time stepped") << "StartTime"
                                           << "key:Up"
                                           << "2025-01-02T03:04:05";
    }
    void typingWritesValue()
    {
        QFETCH(QString, value);
        QFETCH(QString, input);
        QFETCH(QString, expected);

        values::ValueBase* pValue = m_pNode->GetChildValue(value);
        QWidget* pEditor = m_pView->findChild<QWidget*>(value);
        QVERIFY(pValue && pEditor);

        if (input.startsWith(QLatin1String("key:")))
        {
            pEditor->setFocus();
            QTest::keyClick(pEditor, input == QLatin1String("key:Up") ? Qt::Key_Up : Qt::Key_Down);
        }
        else
        {
            TypeInto(pEditor, input);
        }
        QCOMPARE(pValue->GetAsString(), expected);
        QVERIFY(!dynamic_cast<VCBinding*>(pEditor)->HasError());
        QVERIFY(m_pView->IsModified());
        QVERIFY(!m_recorder.m_vecReports.empty());
        QCOMPARE(m_recorder.m_vecReports.back(), true);
    }

    // A value changed elsewhere shows in its editor at once.
    void valueChangedElsewhereShows_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");

        QTest::newRow("frequency") << "Freq"
                                   << "88500000"
                                   << "88.5 MHz";
        QTest::newRow("floating point") << "Level"
                                        << "-3"
                                        << "-3.0";
        QTest::newRow("integer") << "Gain"
                                 << "-7"
                                 << "-7 dB";
        QTest::newRow("selection") << "Mode"
                                   << "AM"
                                   << "AM";
        QTest::newRow("boolean") << "Enabled"
                                 << "false"
                                 << "NO";
        QTest::newRow("text") << "Comment"
                              << "from the device"
                              << "from the device";
        QTest::newRow("date-time") << "StartTime"
                                   << "2030-12-31T23:59:58"
                                   << "2030-12-31 23:59:58";
    }
    void valueChangedElsewhereShows()
    {
        QFETCH(QString, value);
        QFETCH(QString, text);
        QFETCH(QString, shown);

        values::ValueBase* pValue = m_pNode->GetChildValue(value);
        QVERIFY(pValue->SetAsString(text));
        QCOMPARE(ShownText(m_pView->findChild<QWidget*>(value)), shown);
        // A change by someone else is a change of the form's node as well.
        QVERIFY(m_pView->IsModified());
    }

    // A refused input shows a hint and leaves the value as it was.
    void refusedInputLeavesValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("input");

        QTest::newRow("frequency not a number") << "Freq"
                                                << "fast";
        QTest::newRow("frequency above range") << "Freq"
                                               << "7 GHz";
        QTest::newRow("frequency wrong unit") << "Freq"
                                              << "100 dB";
        QTest::newRow("floating point above range") << "Level"
                                                    << "51";
        QTest::newRow("integer below range") << "Gain"
                                             << "-11";
    }
    void refusedInputLeavesValue()
    {
        QFETCH(QString, value);
        QFETCH(QString, input);

        values::ValueBase* pValue = m_pNode->GetChildValue(value);
        const QString sBefore = pValue->GetAsString();
        QWidget* pEditor = m_pView->findChild<QWidget*>(value);
        TypeInto(pEditor, input);

        QCOMPARE(pValue->GetAsString(), sBefore);
        VCBinding* pBinding = dynamic_cast<VCBinding*>(pEditor);
        QVERIFY(pBinding->HasError());
        QVERIFY(!pBinding->GetHint().isEmpty());
        QVERIFY(!m_pView->IsModified());
    }

    // Rows follow values added to and removed from the node, in the node's order.
    void rowsFollowValues_data()
    {
        QTest::addColumn<int>("insertAt"); // child index, -1 appends
        QTest::addColumn<QStringList>("labels");

        QTest::newRow("appended") << -1
                                  << QStringList({"Freq [MHz]", "Signal level [dBm]", "Gain [dB]",
                                                  "Demodulation", "Enabled", "Comment", "StartTime",
                                                  "ExtraA"});
        QTest::newRow("first") << 0
                               << QStringList({"ExtraA", "Freq [MHz]", "Signal level [dBm]", "Gain [dB]",
                                               "Demodulation", "Enabled", "Comment", "StartTime"});
        QTest::newRow("in the middle")
            << 3
            << QStringList({"Freq [MHz]", "Signal level [dBm]", "Gain [dB]", "ExtraA", "Demodulation",
                            "Enabled", "Comment", "StartTime"});
    }
    void rowsFollowValues()
    {
        QFETCH(int, insertAt);
        QFETCH(QStringList, labels);

        values::TreeItem* pAdded = m_pNode->AddItem(g_vdFrmExtraA.CreateItem(), nullptr, insertAt);
        QCOMPARE(LabelsInOrder(m_pView), labels);
        QWidget* pEditor = m_pView->findChild<QWidget*>(QStringLiteral("ExtraA"));
        QVERIFY(pEditor);
        QVERIFY(pEditor->isVisible());
        QVERIFY(m_pView->IsModified());

        // The new row is bound like the others.
        TypeInto(pEditor, QStringLiteral("typed"));
        QCOMPARE(static_cast<values::ValueBase*>(pAdded)->GetAsString(), QStringLiteral("typed"));

        // Removing the value takes its label and editor away.
        QPointer<QWidget> pGuardEditor(pEditor);
        QPointer<QLabel> pGuardLabel(m_pView->GetCtrl()->GetViewItem(pAdded)->GetLabel());
        m_pNode->DeleteItem(pAdded);
        QVERIFY(pGuardEditor.isNull());
        QVERIFY(pGuardLabel.isNull());
        labels.removeAll(QStringLiteral("ExtraA"));
        QCOMPARE(LabelsInOrder(m_pView), labels);
    }

    void rowsFollowReorderAndRename()
    {
        std::vector<values::TreeItem*> vecOrder(m_pNode->GetTreeItems().rbegin(),
                                                m_pNode->GetTreeItems().rend());
        QVERIFY(m_pNode->ReorderChildren(vecOrder));
        QCOMPARE(LabelsInOrder(m_pView), QStringList({"StartTime", "Comment", "Enabled", "Demodulation",
                                                      "Gain [dB]", "Signal level [dBm]", "Freq [MHz]"}));

        QVERIFY(m_pNode->GetChildValue(QStringLiteral("Comment"))->SetName(QStringLiteral("Mode2")));
        QCOMPARE(LabelsInOrder(m_pView).at(1), QStringLiteral("Mode2"));
    }

    void childNodesGetNoRow()
    {
        values::Node* pSub = static_cast<values::Node*>(m_pNode->AddItem(g_vdFrmSub.CreateItem()));
        QVERIFY(pSub);
        pSub->AddItem(g_vdFrmExtraB.CreateItem());
        QCOMPARE(LabelsInOrder(m_pView).size(), 7);
        QVERIFY(!m_pView->GetCtrl()->GetViewItem(pSub));
        QVERIFY(!m_pView->findChild<QWidget*>(QStringLiteral("ExtraB")));
    }

    // Several values at once (one notification for the lot) all get their rows.
    void valuesCopiedInAtOnce()
    {
        values::Node source(QStringLiteral("Source"));
        source.AddItem(g_vdFrmExtraA.CreateItem());
        source.AddItem(g_vdFrmExtraB.CreateItem());
        m_pNode->DeleteChildren();
        QVERIFY(LabelsInOrder(m_pView).isEmpty());
        m_pNode->Copy(&source);
        QCOMPARE(LabelsInOrder(m_pView), QStringList({"ExtraA", "ExtraB"}));
    }

    void aliasMapRenamesLabels()
    {
        OtherAliases other;
        AliasMap otherMap;
        otherMap.AddTable(&other);
        m_pView->SetAliasMap(&otherMap);
        QCOMPARE(LabelsInOrder(m_pView).mid(0, 4),
                 QStringList({"Freq [MHz]", "Pegel [dBm]", "Gain [dB]", "Mode"}));
        m_pView->SetAliasMap(nullptr);
        QCOMPARE(LabelsInOrder(m_pView).at(1), QStringLiteral("Level [dBm]"));
    }

    void deletingTheNodeUnloads()
    {
        QPointer<QWidget> pEditor(m_pView->findChild<QWidget*>(QStringLiteral("Freq")));
        QVERIFY(pEditor);
        m_pRoot->DeleteItem(m_pNode);
        m_pNode = nullptr;
        QVERIFY(!m_pView->IsLoaded());
        QVERIFY(pEditor.isNull());
        QVERIFY(LabelsInOrder(m_pView).isEmpty());
        // The form can show another node afterwards.
        values::Node* pOther =
            static_cast<values::Node*>(m_pRoot->AddItem(new values::Node(QStringLiteral("Other"))));
        pOther->AddItem(g_vdFrmExtraA.CreateItem());
        m_pView->Load(pOther);
        QCOMPARE(LabelsInOrder(m_pView), QStringList({"ExtraA"}));
    }

    void loadingAnotherNodeReplacesRows()
    {
        values::Node* pOther =
            static_cast<values::Node*>(m_pRoot->AddItem(new values::Node(QStringLiteral("Other"))));
        pOther->AddItem(g_vdFrmExtraB.CreateItem());
        values::ValueBase* pFreq = m_pNode->GetChildValue(QStringLiteral("Freq"));
        const int nObserversBefore = pFreq->CountObservers();
        m_pView->Load(pOther);
        QCOMPARE(LabelsInOrder(m_pView), QStringList({"ExtraB"}));
        // The rows of the old node let go of its values.
        QVERIFY(pFreq->CountObservers() < nObserversBefore);
        QVERIFY(pFreq->SetAsString(QStringLiteral("1000")));
        m_pView->Unload();
        QVERIFY(!m_pView->IsLoaded());
        QVERIFY(LabelsInOrder(m_pView).isEmpty());
    }

    void destroyingTheViewLetsGoOfValues()
    {
        values::ValueBase* pFreq = m_pNode->GetChildValue(QStringLiteral("Freq"));
        m_pWindow.reset();
        QCOMPARE(pFreq->CountObservers(), 0);
        QCOMPARE(m_pNode->CountObservers(), 0);
        QVERIFY(pFreq->SetAsString(QStringLiteral("1000")));
    }

    void modifiedFlagIsClearedForAll()
    {
        TypeInto(m_pView->findChild<QWidget*>(QStringLiteral("Comment")), QStringLiteral("x"));
        QVERIFY(m_pView->IsModified());
        m_recorder.m_vecReports.clear();
        m_pView->SetbModified(false);
        QVERIFY(!m_pView->IsModified());
        QCOMPARE(m_recorder.m_vecReports, std::vector<bool>({false}));
        // The next edit is reported again.
        TypeInto(m_pView->findChild<QWidget*>(QStringLiteral("Gain")), QStringLiteral("3"));
        QVERIFY(m_pView->IsModified());
        QCOMPARE(m_recorder.m_vecReports.back(), true);
    }

    // A node with more values than the display area can hold scrolls instead of squeezing.
    void manyValuesScroll()
    {
        m_pNode->DeleteChildren();
        for (int i = 0; i < 60; ++i)
            m_pNode->AddItem(g_vdFrmExtraA.CreateItem(QStringLiteral("Row%1").arg(i)));
        m_pWindow->resize(600, 300);
        QScrollArea* pScroll = m_pView->findChild<QScrollArea*>();
        QVERIFY(pScroll);
        QTRY_VERIFY(pScroll->verticalScrollBar()->maximum() > 0);
        QWidget* pLast = m_pView->findChild<QWidget*>(QStringLiteral("Row59"));
        QVERIFY(pLast);
        QVERIFY(pLast->height() >= pLast->minimumSizeHint().height());
        pScroll->ensureWidgetVisible(pLast);
        QVERIFY(pScroll->verticalScrollBar()->value() > 0);
    }

    void viewWithoutNode()
    {
        GenericView view(nullptr, QStringLiteral("Empty"));
        QVERIFY(!view.IsLoaded());
        view.Init(nullptr);
        QVERIFY(!view.IsLoaded());
        QVERIFY(LabelsInOrder(&view).isEmpty());
        QVERIFY(!view.IsModified());
    }

private:
    std::unique_ptr<values::Node> m_pRoot;
    values::Node* m_pNode = nullptr;
    std::unique_ptr<TestAliases> m_pAliasTable;
    std::unique_ptr<AliasMap> m_pAliasMap;
    std::unique_ptr<QWidget> m_pWindow;
    GenericView* m_pView = nullptr;
    ModifyRecorder m_recorder;
};

QTEST_MAIN(TestGenericView)
#include "tst_genericview.moc"
