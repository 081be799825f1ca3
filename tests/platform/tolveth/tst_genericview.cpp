// The generic form: one labelled row per value, editors bound both ways, rows following the
// node's values, and the modified state reported to the host.

#include "common/datarow.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valueselection.h"
#include "tolveth/aliasmap.h"
#include "tolveth/aliastable.h"
#include "tolveth/genericview.h"
#include "tolveth/genericviewctrl.h"
#include "tolveth/genericviewitem.h"
#include "treefixture.h"
#include "wendrisk/vcbinding.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>
#include <utility>

using values::SelectionItem;
using values::ValueDescriptor;

namespace
{

const ValueDescriptor g_vd[] = {
    ValueDescriptor::Double("FrmFreq", "/Freq", 100e6, "Hz", 1000.0, 2, 0.0, 6e9),
    ValueDescriptor::Double("FrmLevel", "/Level", 2.5, "dBm", 0.5, 0, -50.0, 50.0),
    ValueDescriptor::Int("FrmGain", "/Gain", 5, "dB", -10, 40),
    ValueDescriptor::Selection("FrmMode", "/Mode", {SelectionItem("AM", 1, 10), SelectionItem("FM", 2, 20)},
                               20),
    ValueDescriptor::Bool("FrmEnabled", "/Enabled", true),
    ValueDescriptor::String("FrmComment", "/Comment", "first"),
    ValueDescriptor::String("FrmStartTime", "/StartTime", "2024-01-02T03:04:05"),
    ValueDescriptor::String("FrmExtraA", "/ExtraA", "a"), // values added later
    ValueDescriptor::Int("FrmExtraB", "/ExtraB", 1),
    ValueDescriptor::NodeType("FrmSub", "/Sub"),
};
const QString s_sAll = "Freq [MHz]|Signal level [dBm]|Gain [dB]|Demodulation|Enabled|Comment|StartTime";

class Aliases : public AliasTable
{
public:
    explicit Aliases(const QString& sLevel)
    {
        Add("Level", sLevel);
        Add("Mode", "Demodulation");
    }
};

QString Shown(QWidget* pEditor)
{
    return pEditor->property(pEditor->inherits("QComboBox") ? "currentText" : "text").toString();
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
        for (int i = 0; i < 7; ++i)
            m_pNode->AddItem(g_vd[i].CreateItem());
        m_aliasMap.AddTable(&m_aliases);
        m_pWindow.reset(new QWidget);
        m_pWindow->setLayout(new QVBoxLayout);
        m_pView = new GenericView(m_pWindow.get(), QStringLiteral("Form"));
        m_pWindow->layout()->addWidget(m_pView);
        m_pView->SetAliasMap(&m_aliasMap);
        m_pView->SetObserver(&m_recorder);
        m_pView->Init(m_pNode);
        m_pWindow->resize(600, 500);
        m_pWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(m_pWindow.get()));
        m_recorder.m_listCalls.clear();
    }
    void cleanup()
    {
        m_pWindow.reset();
        m_pRoot.reset();
    }

    // Each value gets a visible labelled row (alias, unit in its basis) with its bound editor.
    // What the operator types is written, marks the form modified and tells the host; what is
    // refused leaves the value and the form unmodified. Changes made elsewhere show at once
    // (and count as changes of the form's node).
    void rowPerValue_data()
    {
        QTest::addColumn<QStringList>("row"); // value, label, editor, shown, input, stored, elsewhere, shown
        auto row = [](const char* pszName, const QStringList& lst) { Row(pszName, lst); };
        row("frequency", {"Freq", "Freq [MHz]", "VCLineEdit", "100 MHz", "433.92 MHz", "433920000",
                          "88500000", "88.5 MHz"});
        row("frequency refused", {"Freq", "Freq [MHz]", "VCLineEdit", "100 MHz", "7 GHz", "100000000"});
        row("alias and unit",
            {"Level", "Signal level [dBm]", "VCNumericFloatSpin", "2.5", "-12.5", "-12.5", "-3", "-3.0"});
        row("integer", {"Gain", "Gain [dB]", "VCSpinInt", "5 dB", "17", "17", "-7", "-7 dB"});
        row("selection", {"Mode", "Demodulation", "VCComboSel", "FM", "key:Up", "AM", "FM", "FM"});
        row("date-time, no unit in the label",
            {"StartTime", "StartTime", "VCDateTimeEdit", "2024-01-02 03:04:05", "key:Up",
             "2025-01-02T03:04:05", "2030-12-31T23:59:58", "2030-12-31 23:59:58"});
    }
    void rowPerValue()
    {
        QFETCH(QStringList, row);
        values::ValueBase* pValue = m_pNode->GetChildValue(row[0]);
        GenericViewItem* pItem = m_pView->GetCtrl()->GetViewItem(pValue);
        QWidget* pEditor = m_pView->findChild<QWidget*>(row[0]);
        QVERIFY(pItem && pEditor == pItem->GetEditor() && pItem->GetLabel()->buddy() == pEditor);
        QCOMPARE(pItem->GetLabel()->text(), row[1]);
        QCOMPARE(QString::fromLatin1(pEditor->metaObject()->className()), row[2]);
        QVERIFY(pItem->GetLabel()->isVisible() && pEditor->isVisible() && pEditor->isEnabled());
        QCOMPARE(Shown(pEditor), row[3]);
        pEditor->setFocus();
        if (row[4].startsWith("key:"))
            QTest::keyClick(pEditor, Qt::Key_Up);
        else
        {
            QLineEdit* pLine = qobject_cast<QLineEdit*>(pEditor);
            (pLine ? pLine : pEditor->findChild<QLineEdit*>())->selectAll();
            QTest::keyClicks(pEditor, row[4]);
            QTest::keyClick(pEditor, Qt::Key_Return);
        }
        const bool bRefused = row.size() < 7;
        QCOMPARE(pValue->GetAsString(), row[5]);
        QCOMPARE(dynamic_cast<VCBinding*>(pEditor)->HasError(), bRefused);
        QCOMPARE(m_pView->IsModified(), !bRefused);
        QCOMPARE(m_recorder.m_listCalls, bRefused ? QList<bool>() : QList<bool>{true});
        if (bRefused)
            return;
        m_pView->SetbModified(false); // for all rows, and reported
        QCOMPARE(m_recorder.m_listCalls, (QList<bool>{true, false}));
        QVERIFY(pValue->SetAsString(row[6]));
        QCOMPARE(Shown(pEditor), row[7]);
        QVERIFY(m_pView->IsModified());
    }

    // Rows follow the node's values, in the node's order; child nodes get no row. Steps: add the
    // value i (at index j), del Name, ren Name New, reverse, sub (a child node with a value),
    // copy (values 7 and 8 copied in at once, one notice for the lot), alias (another alias
    // map), noalias, unload, load (another node), delete (the node).
    void rowsFollowValues_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("labels");
        Row("appended", "add 7", QString(s_sAll + "|ExtraA"));
        Row("in the middle, another deleted", "add 7 3;del Gain",
            "Freq [MHz]|Signal level [dBm]|ExtraA|Demodulation|Enabled|Comment|StartTime");
        Row("reordered and renamed", "reverse;ren Comment Mode2",
            "StartTime|Mode2|Enabled|Demodulation|Gain [dB]|Signal level [dBm]|Freq [MHz]");
        Row("child node", "sub", s_sAll);
        Row("copied in at once", "copy", QString("ExtraA|ExtraB"));
        Row("other alias map", "alias",
            "Freq [MHz]|Pegel [dBm]|Gain [dB]|Demodulation|Enabled|Comment|StartTime");
        Row("unloaded, another node", "unload;load", QString("ExtraB"));
        Row("node deleted, another loaded", "delete;load", QString("ExtraB"));
    }
    void rowsFollowValues()
    {
        QFETCH(QString, steps);
        QFETCH(QString, labels);
        auto* pOther =
            static_cast<values::Node*>(m_pRoot->AddItem(new values::Node(QStringLiteral("Other"))));
        pOther->AddItem(g_vd[8].CreateItem());
        Aliases aliases(QStringLiteral("Pegel"));
        AliasMap map;
        map.AddTable(&aliases);
        values::ValueBase* pFreq = m_pNode->GetChildValue(QStringLiteral("Freq"));
        const int nObservers = pFreq->CountObservers();
        for (const QString& sStep : steps.split(';'))
        {
            const QStringList lst = sStep.split(' ');
            if (lst[0] == "add")
                m_pNode->AddItem(g_vd[lst[1].toInt()].CreateItem(), nullptr, lst.value(2, "-1").toInt());
            else if (lst[0] == "del")
                m_pNode->DeleteItem(m_pNode->GetChildValue(lst[1]));
            else if (lst[0] == "ren")
                QVERIFY(m_pNode->GetChildValue(lst[1])->SetName(lst[2]));
            else if (lst[0] == "reverse")
                QVERIFY(m_pNode->ReorderChildren(
                    {m_pNode->GetTreeItems().rbegin(), m_pNode->GetTreeItems().rend()}));
            else if (lst[0] == "sub")
                static_cast<values::Node*>(m_pNode->AddItem(g_vd[9].CreateItem()))
                    ->AddItem(g_vd[8].CreateItem());
            else if (lst[0] == "copy")
            {
                values::Node source(QStringLiteral("Source"));
                source.AddItem(g_vd[7].CreateItem());
                source.AddItem(g_vd[8].CreateItem());
                m_pNode->DeleteChildren();
                m_pNode->Copy(&source);
            }
            else if (lst[0] == "alias" || lst[0] == "noalias")
                m_pView->SetAliasMap(lst[0] == "alias" ? &map : nullptr);
            else if (lst[0] == "unload")
                m_pView->Unload();
            else if (lst[0] == "load")
                m_pView->Load(pOther);
            else if (lst[0] == "delete")
                m_pRoot->DeleteItem(std::exchange(m_pNode, nullptr));
        }
        QStringList lstLabels; // top to bottom, as the operator reads them
        QVBoxLayout* pForm = m_pView->GetFormLayout();
        for (int i = 0; i < pForm->count(); ++i)
        {
            QGridLayout* pGrid =
                pForm->itemAt(i)->layout()
                    ? qobject_cast<QGridLayout*>(pForm->itemAt(i)->layout()->itemAt(0)->layout())
                    : nullptr;
            QLayoutItem* pCell = pGrid ? pGrid->itemAtPosition(0, 0) : nullptr;
            if (pCell)
                lstLabels << static_cast<QLabel*>(pCell->widget())->text();
        }
        QCOMPARE(lstLabels.join('|'), labels);
        QCOMPARE(m_pView->IsLoaded(), !labels.isEmpty());
        // Every row is bound, and rows that went let go of their values.
        for (const QString& sLabel : lstLabels)
        {
            QLabel* pLabel = nullptr;
            for (QLabel* p : m_pView->findChildren<QLabel*>())
                pLabel = p->text() == sLabel ? p : pLabel;
            QVERIFY(pLabel && dynamic_cast<VCBinding*>(pLabel->buddy())->IsBound());
        }
        QCOMPARE(m_pView->findChildren<QLabel*>().size(), lstLabels.size());
        if (steps.startsWith("unload"))
            QVERIFY(pFreq->CountObservers() < nObservers);
        QVERIFY(!steps.startsWith("add") || m_pView->IsModified());
        m_pView->SetAliasMap(nullptr); // the local map goes
    }

    // The form lets go of everything when it goes.
    void destroyingTheViewLetsGoOfValues()
    {
        values::ValueBase* pFreq = m_pNode->GetChildValue(QStringLiteral("Freq"));
        m_pWindow.reset();
        QVERIFY(pFreq->CountObservers() == 0 && m_pNode->CountObservers() == 0);
        QVERIFY(pFreq->SetAsString(QStringLiteral("1000")));
    }

    // A node with more values than the display area can hold scrolls instead of squeezing.
    void manyValuesScroll()
    {
        m_pNode->DeleteChildren();
        for (int i = 0; i < 60; ++i)
            m_pNode->AddItem(g_vd[7].CreateItem(QStringLiteral("Row%1").arg(i)));
        m_pWindow->resize(600, 300);
        QScrollArea* pScroll = m_pView->findChild<QScrollArea*>();
        QTRY_VERIFY(pScroll->verticalScrollBar()->maximum() > 0);
        QWidget* pLast = m_pView->findChild<QWidget*>(QStringLiteral("Row59"));
        QVERIFY(pLast->height() >= pLast->minimumSizeHint().height());
        pScroll->ensureWidgetVisible(pLast);
        QVERIFY(pScroll->verticalScrollBar()->value() > 0);
    }

private:
    std::unique_ptr<values::Node> m_pRoot;
    values::Node* m_pNode = nullptr;
    Aliases m_aliases{QStringLiteral("Signal level")};
    AliasMap m_aliasMap;
    std::unique_ptr<QWidget> m_pWindow;
    GenericView* m_pView = nullptr;
    ModifyRecorder m_recorder;
};

QTEST_MAIN(TestGenericView)
#include "tst_genericview.moc"
