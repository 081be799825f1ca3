#include "common/datarow.h"
#include "common/diagnostics.h"
#include "common/modifyrecorder.h"
#include "dravinelcontrols/tableitem.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "wendrisk/vclineedit.h"

#include <QApplication>
#include <QItemDelegate>
#include <QPainter>
#include <QTableWidget>
#include <QTest>

namespace
{
enum Kind
{
    KIND_FREQUENCY,
    KIND_GAIN,
    KIND_BOOL,
    KIND_TEXT,
    KIND_INT,
    KIND_SELECTION,
};

const values::ValueDescriptor& Descriptor(int nKind)
{
    static const values::ValueDescriptor s_vdFrequency =
        values::ValueDescriptor::Double("TstItemFreq", "/TstItemFreq", 0.0, "Hz", 1.0, 2, -1e12, 1e12);
    static const values::ValueDescriptor s_vdGain =
        values::ValueDescriptor::Double("TstItemGain", "/TstItemGain", 0.0, "dB", 0.1, 0, -100.0, 100.0);
    static const values::ValueDescriptor s_vdBool =
        values::ValueDescriptor::Bool("TstItemBool", "/TstItemBool", false);
    static const values::ValueDescriptor s_vdText =
        values::ValueDescriptor::String("TstItemText", "/TstItemText");
    static const values::ValueDescriptor s_vdInt =
        values::ValueDescriptor::Int("TstItemInt", "/TstItemInt", 0);
    static const values::ValueDescriptor s_vdSelection = values::ValueDescriptor::Selection(
        "TstItemSel", "/TstItemSel", {values::SelectionItem("AM", 1, 1), values::SelectionItem("FM", 2, 2)},
        1);
    const values::ValueDescriptor* pAll[] = {&s_vdFrequency, &s_vdGain, &s_vdBool,
                                             &s_vdText,      &s_vdInt,  &s_vdSelection};
    return *pAll[nKind];
}

// Values below a node of their own, cells in a table of their own.
class Cells
{
public:
    Cells()
    {
        static int s_nCounter = 0;
        m_pNode = static_cast<values::Node*>(values::Tree::Instance()->GetRoot()->AddItem(
            new values::Node(QStringLiteral("ItemCells%1").arg(++s_nCounter))));
        m_table.setColumnCount(2);
        m_table.setRowCount(2);
    }
    ~Cells()
    {
        m_table.clear();
        m_pNode->GetParentNode()->DeleteItem(m_pNode);
    }

    values::ValueBase* Value(int nKind, const QString& sText = QString())
    {
        auto* pValue = static_cast<values::ValueBase*>(
            m_pNode->AddItem(Descriptor(nKind).CreateItem(QStringLiteral("v%1").arg(++m_nValues))));
        if (!sText.isNull())
            pValue->SetAsString(sText);
        return pValue;
    }
    // What the list views do: make the cell, put it in, fill its text.
    TableItem* Cell(values::ValueBase* pValue, int nRow = 0, int nCol = 0)
    {
        auto* pItem = new TableItem(pValue, &m_table, QString());
        m_table.setItem(nRow, nCol, pItem);
        pItem->Text(pValue);
        return pItem;
    }
    void Delete(values::TreeItem* pItem) { m_pNode->DeleteItem(pItem); }

    QTableWidget m_table;
    values::Node* m_pNode;
    int m_nValues = 0;
};

// The list views' delegate: the cell gives the editor, the editor writes the value itself.
class CellDelegate : public QItemDelegate
{
public:
    explicit CellDelegate(QTableWidget* pTable) : m_pTable(pTable) {}
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        return static_cast<TableItem*>(m_pTable->item(index.row(), index.column()))->createEditor();
    }
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

private:
    QTableWidget* m_pTable;
};
} // namespace

class TestTableItem : public QObject
{
    Q_OBJECT

private slots:
    // The fixed text of each value kind.
    void texts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("centred");
        Row("frequency", int(KIND_FREQUENCY), "123456789", "123.456789 MHz", false);
        Row("frequency zero", int(KIND_FREQUENCY), "0", "0.000000 MHz", false);
        Row("frequency rounds", int(KIND_FREQUENCY), "1.6", "0.000002 MHz", false);
        Row("negative", int(KIND_FREQUENCY), "-1500", "-0.001500 MHz", false);
        Row("other unit still megahertz", int(KIND_GAIN), "12.6", "0.000013 MHz", false);
        Row("true", int(KIND_BOOL), "true", "YES", true);
        Row("false", int(KIND_BOOL), "false", "NO", true);
        Row("text", int(KIND_TEXT), "Tower 7", "Tower 7", false);
        Row("int", int(KIND_INT), "-42", "-42", false);
        Row("selection", int(KIND_SELECTION), "FM", "FM", false);
    }
    void texts()
    {
        QFETCH(int, kind);
        QFETCH(QString, stored);
        QFETCH(QString, text);
        QFETCH(bool, centred);
        Cells cells;
        TableItem* pItem = cells.Cell(cells.Value(kind, stored));
        QCOMPARE(pItem->text(), text);
        QCOMPARE(pItem->textAlignment() == int(Qt::AlignHCenter | Qt::AlignVCenter), centred);
        QVERIFY(!pItem->IsModified());
    }

    // A change of the value refreshes the text and marks the cell modified.
    void followsValueChanges_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<QString>("text");
        Row("frequency", int(KIND_FREQUENCY), "433920000", "433.920000 MHz");
        Row("bool", int(KIND_BOOL), "true", "YES");
        Row("text", int(KIND_TEXT), "renamed", "renamed");
    }
    void followsValueChanges()
    {
        QFETCH(int, kind);
        QFETCH(QString, changed);
        QFETCH(QString, text);
        Cells cells;
        values::ValueBase* pValue = cells.Value(kind);
        TableItem* pItem = cells.Cell(pValue);
        ModifyRecorder observer;
        pItem->SetObserver(&observer);
        QVERIFY(pValue->SetAsString(changed));
        QCOMPARE(pItem->text(), text);
        QVERIFY(pItem->IsModified());
        QCOMPARE(observer.m_listCalls, QList<bool>{true});
    }

    // Covering hides the text without unbinding; uncovering shows it at once or at the next
    // change, as asked.
    void covered_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("refresh");
        QTest::addColumn<QString>("afterUncover");
        QTest::addColumn<QString>("afterChange");
        Row("bool, refresh", int(KIND_BOOL), true, "YES", "NO");
        Row("bool, no refresh", int(KIND_BOOL), false, "", "NO");
        Row("frequency, refresh", int(KIND_FREQUENCY), true, "100.000000 MHz", "0.000000 MHz");
        Row("frequency, no refresh", int(KIND_FREQUENCY), false, "", "0.000000 MHz");
    }
    void covered()
    {
        QFETCH(int, kind);
        QFETCH(bool, refresh);
        QFETCH(QString, afterUncover);
        QFETCH(QString, afterChange);
        Cells cells;
        values::ValueBase* pValue = cells.Value(kind, kind == KIND_BOOL ? "true" : "100000000");
        TableItem* pItem = cells.Cell(pValue);
        pItem->SetbCovered(true, true);
        QCOMPARE(pItem->text(), QString());
        // Still bound while covered: a change keeps the cell empty.
        pValue->SetAsString(kind == KIND_BOOL ? "false" : "5");
        pValue->SetAsString(kind == KIND_BOOL ? "true" : "100000000");
        QCOMPARE(pItem->text(), QString());
        pItem->SetbCovered(false, refresh);
        QCOMPARE(pItem->text(), afterUncover);
        pValue->SetAsString(kind == KIND_BOOL ? "false" : "0");
        QCOMPARE(pItem->text(), afterChange);
    }

    // Which notifications mark the cell modified, change its text, unbind it or raise the
    // development assertion.
    void notifications_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("fromBound");
        QTest::addColumn<bool>("deleteState");
        QTest::addColumn<bool>("assertOn");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("stillBound");
        QTest::addColumn<int>("assertions");
        QTest::addColumn<QString>("text"); // the text stays, except that 3 shows the notifying value
        const QString s1 = QStringLiteral("1.000000 MHz");
        Row("2 bound, deleting", 2, true, true, true, false, false, 0, s1);
        Row("2 bound, normal", 2, true, false, true, false, true, 0, s1);
        Row("2 other, deleting, asserts on", 2, false, true, true, true, true, 1, s1);
        Row("2 other, deleting, asserts off", 2, false, true, false, true, true, 0, s1);
        Row("2 other, normal", 2, false, false, true, true, true, 0, s1);
        Row("3 bound", 3, true, false, true, true, true, 0, s1);
        Row("3 other", 3, false, false, true, true, true, 0, QStringLiteral("2.000000 MHz"));
        Row("1 bound", 1, true, false, true, true, true, 0, s1);
        Row("18 other", 18, false, false, true, true, true, 0, s1);
    }
    void notifications()
    {
        QFETCH(int, code);
        QFETCH(bool, fromBound);
        QFETCH(bool, deleteState);
        QFETCH(bool, assertOn);
        QFETCH(bool, modified);
        QFETCH(bool, stillBound);
        QFETCH(int, assertions);
        QFETCH(QString, text);
        Cells cells;
        values::ValueBase* pBound = cells.Value(KIND_FREQUENCY, "1000000");
        values::ValueBase* pOther = cells.Value(KIND_FREQUENCY, "2000000");
        TableItem* pItem = cells.Cell(pBound);
        pOther->AddObserver(pItem);
        ModifyRecorder observer;
        pItem->SetObserver(&observer);
        Diagnostics reports(assertOn ? ErrorHandler::LEVEL_ASSERT : 0);

        values::ValueBase* pSource = fromBound ? pBound : pOther;
        if (deleteState)
            pSource->SetState(values::VS_DELETE); // sends 2
        else
            pSource->NotifyObservers(code);

        QCOMPARE(pItem->IsModified(), modified);
        QCOMPARE(observer.m_listCalls.size(), modified ? 1 : 0);
        QCOMPARE(pItem->GetValue() == pBound, stillBound);
        QCOMPARE(pBound->HasObserver(pItem), stillBound);
        QCOMPARE(reports.m_listReports,
                 assertions ? QStringList{"dynamic_cast<values::ValueBase*>(pValue)->GetState() != VS_DELETE|"
                                          "controls/dravinelcontrols/tableitem|229"}
                            : QStringList());
        QCOMPARE(pItem->text(), text);
        pOther->DeleteObserver(pItem);
        pBound->SetState(values::VS_NORMAL);
        pOther->SetState(values::VS_NORMAL);
    }

    // The bound value deleted from the tree: the cell lets go, keeps its text, is not marked,
    // and can be destroyed afterwards without touching the freed value.
    void boundValueDeleted()
    {
        Cells cells;
        values::ValueBase* pValue = cells.Value(KIND_TEXT, "gone soon");
        TableItem* pItem = cells.Cell(pValue);
        ModifyRecorder observer;
        pItem->SetObserver(&observer);
        cells.Delete(pValue);
        QCOMPARE(pItem->GetValue(), static_cast<values::ValueBase*>(nullptr));
        QCOMPARE(pItem->text(), QStringLiteral("gone soon"));
        QVERIFY(!pItem->IsModified());
        QVERIFY(observer.m_listCalls.isEmpty());
        QCOMPARE(pItem->createEditor(), static_cast<QWidget*>(nullptr));
        cells.m_table.removeRow(0);
    }

    // The modification observer hears every SetbModified, also one that changes nothing.
    void modifiedReporting_data()
    {
        QTest::addColumn<QList<bool>>("sets");
        QTest::addColumn<bool>("observed");
        Row("false on unmodified", QList<bool>{false}, true);
        Row("true twice", QList<bool>{true, true}, true);
        Row("true then false", QList<bool>{true, false}, true);
        Row("no observer", QList<bool>{true}, false);
    }
    void modifiedReporting()
    {
        QFETCH(QList<bool>, sets);
        QFETCH(bool, observed);
        Cells cells;
        TableItem* pItem = cells.Cell(cells.Value(KIND_INT));
        ModifyRecorder observer;
        pItem->SetObserver(observed ? &observer : nullptr);
        for (bool b : sets)
            pItem->SetbModified(b);
        QCOMPARE(observer.m_listCalls, observed ? sets : QList<bool>{});
        QCOMPARE(pItem->IsModified(), sets.last());
    }

    // The editor of each kind of cell: a frequency line edit for hertz, none for other
    // floating-point units, the value editor of its kind otherwise; all on the viewport.
    void editorPerKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("className");
        Row("frequency", int(KIND_FREQUENCY), "VCLineEdit");
        Row("other unit", int(KIND_GAIN), "");
        Row("bool", int(KIND_BOOL), "VCComboBool");
        Row("selection", int(KIND_SELECTION), "VCComboSel");
        Row("int", int(KIND_INT), "VCSpinInt");
        Row("text", int(KIND_TEXT), "VCLineEdit");
    }
    void editorPerKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, className);
        Cells cells;
        TableItem* pItem = cells.Cell(cells.Value(kind));
        QWidget* pEditor = pItem->createEditor();
        if (className.isEmpty())
        {
            QCOMPARE(pEditor, static_cast<QWidget*>(nullptr));
            return;
        }
        QVERIFY(pEditor);
        QVERIFY(pEditor->inherits(className.toLatin1().constData()));
        QCOMPARE(pEditor->parentWidget(), cells.m_table.viewport());
        QVERIFY(pEditor->isEnabled());
        delete pEditor;
    }

    // The operator double-clicks a frequency cell, types a new frequency and presses Return:
    // the value changes and the cell shows it; refused text leaves the value alone.
    void editingAFrequencyCell_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("hertz");
        QTest::addColumn<QString>("text");
        Row("megahertz", "101 MHz", 101e6, "101.000000 MHz");
        Row("kilohertz", "7100 k", 7.1e6, "7.100000 MHz");
        Row("refused", "later", 100e6, "100.000000 MHz");
    }
    void editingAFrequencyCell()
    {
        QFETCH(QString, typed);
        QFETCH(double, hertz);
        QFETCH(QString, text);
        Cells cells;
        auto* pValue = static_cast<values::ValueDouble*>(cells.Value(KIND_FREQUENCY, "100000000"));
        TableItem* pItem = cells.Cell(pValue, 1, 1);
        CellDelegate delegate(&cells.m_table);
        cells.m_table.setItemDelegate(&delegate);
        cells.m_table.resize(400, 200);
        cells.m_table.show();
        QVERIFY(QTest::qWaitForWindowActive(&cells.m_table));
        const QPoint center = cells.m_table.visualItemRect(pItem).center();
        QTest::mouseClick(cells.m_table.viewport(), Qt::LeftButton, Qt::NoModifier, center);
        QTest::mouseDClick(cells.m_table.viewport(), Qt::LeftButton, Qt::NoModifier, center);
        QTRY_VERIFY(qobject_cast<VCLineEdit*>(QApplication::focusWidget()));
        auto* pEdit = qobject_cast<VCLineEdit*>(QApplication::focusWidget());
        pEdit->selectAll();
        QTest::keyClicks(pEdit, typed);
        QTest::keyClick(pEdit, Qt::Key_Return);
        QCOMPARE(pValue->GetValue(), hertz);
        QCOMPARE(pItem->text(), text);
        QCOMPARE(pItem->IsModified(), hertz != 100e6);
        cells.m_table.setItemDelegate(nullptr);
    }

    // The check box of a boolean cell: centred on its background, ticked and unticked told apart,
    // the painter's pen left as the cell's text colour. Cells of other kinds paint nothing.
    void painting_data()
    {
        QTest::addColumn<bool>("selected");
        Row("plain", false);
        Row("selected", true);
    }
    void painting()
    {
        QFETCH(bool, selected);
        const QPalette palette;
        QImage aImages[3];
        for (int n = 0; n < 3; ++n)
        {
            Cells cells;
            TableItem* pItem = cells.Cell(n < 2 ? cells.Value(KIND_BOOL, n ? "true" : "false")
                                                : cells.Value(KIND_TEXT, "x"));
            QImage image(21, 17, QImage::Format_RGB32);
            image.fill(Qt::magenta);
            QPainter painter(&image);
            pItem->paint(&painter, QRect(100, 100, 21, 17), selected);
            if (n < 2)
                QCOMPARE(painter.pen().color(),
                         palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
            painter.end();
            aImages[n] = image;
        }
        QImage untouched(21, 17, QImage::Format_RGB32);
        untouched.fill(Qt::magenta);
        QCOMPARE(aImages[2], untouched);
        const QRgb background = palette.color(selected ? QPalette::Highlight : QPalette::Base).rgb();
        for (int n = 0; n < 2; ++n)
        {
            for (QPoint corner : {QPoint(0, 0), QPoint(20, 0), QPoint(0, 16), QPoint(20, 16)})
                QCOMPARE(aImages[n].pixel(corner), background);
            QVERIFY(aImages[n].pixel(10, 8) != background); // the box sits in the middle
        }
        QVERIFY(aImages[0] != aImages[1]);
    }
};

QTEST_MAIN(TestTableItem)
#include "tst_tableitem.moc"
