#include "common/datarow.h"
#include "vcfixture.h"
#include "wendrisk/vccoordedit.h"

#include <QTest>

using namespace vcfixture;

const ValueDescriptor g_vdLat =
    ValueDescriptor::Double("TstLat", "/TstLat", 0.0, "deg", 0.0001, 0, -90.0, 90.0);
const ValueDescriptor g_vdLon =
    ValueDescriptor::Double("TstLon", "/TstLon", 0.0, "deg", 0.0001, 0, -180.0, 180.0);

class TestVCChoiceEditors : public QObject
{
    Q_OBJECT

private slots:
    // The operator moves through the entries with the keyboard and each choice is written; a
    // date-time is held as ISO text (UTC without a zone) or as seconds, and stepping the year
    // writes it back. A text that is no date-time shows as a hint and is kept until edited.
    void input_data()
    {
        QTest::addColumn<InputRow>("row");
        Row("selection one down", InputRow{8, "keys:d", false, "USB", "USB"});
        Row("no to yes", InputRow{9, "keys:d", false, "YES", "true"});
        Row("date-time text with zone", InputRow{10, "keys:u", false, "2025-05-06 07:08:09",
                                                 "2025-05-06T07:08:09", "2024-05-06T09:08:09+02:00"});
        Row("date-time seconds",
            InputRow{11, "keys:u", false, "2025-05-06 07:08:09", "1746515289", "1714979289"});
        Row("unreadable date-time is kept",
            InputRow{10, "keys:", true, "1970-01-01 00:00:00", "next tuesday", "next tuesday"});
        Row("unreadable date-time edited",
            InputRow{10, "keys:u", false, "1971-01-01 00:00:00", "1971-01-01T00:00:00", "next tuesday"});
    }
    void input()
    {
        QFETCH(InputRow, row);
        CheckInput(row);
    }

    // Each editor takes only a value of its kind; any other leaves it unbound and disabled with a
    // hint. When the value is deleted the editor lets go of it, is disabled, and outlives it.
    // A selection shows new entry lists at once.
    void binding_data()
    {
        QTest::addColumn<int>("editor");
        QTest::addColumn<int>("other"); // bind the value of that editor instead, -1 its own
        for (int nEditor : {0, 5, 7, 8, 9, 10})
            QTest::addRow("editor %d", nEditor) << nEditor << -1;
        Row("float spin given a text", 5, 1);
        Row("int spin given a text", 7, 1);
        Row("selection given a bool", 8, 9);
        Row("yes/no given a selection", 9, 8);
        Row("date-time given a bool", 10, 9);
    }
    void binding()
    {
        QFETCH(int, editor);
        QFETCH(int, other);
        Scratch scratch;
        values::ValueBase* pValue = scratch.Add(*g_apEditorValues[other < 0 ? editor : other]);
        QWidget* pEditor = Editor(editor, pValue);
        VCBinding* pBinding = dynamic_cast<VCBinding*>(pEditor);
        QCOMPARE(pBinding->GetBoundValue(), other < 0 ? pValue : nullptr);
        QCOMPARE(pBinding->HasError(), other >= 0);
        QCOMPARE(pEditor->isEnabled(), other < 0);
        if (editor == 8 && other < 0) // new entry lists show at once
        {
            static_cast<values::ValueSelection*>(pValue)->SetItems(
                {SelectionItem("CW", 4, 40), SelectionItem("LSB", 5, 50)});
            QVERIFY(static_cast<QComboBox*>(pEditor)->count() == 2 &&
                    Shown(pEditor) == pValue->GetAsString());
        }
        scratch.pNode->DeleteItem(pValue);
        QVERIFY(!pEditor->isEnabled() && !pBinding->IsBound());
        delete pEditor; // must not touch the freed value
    }

    // The coordinate editor writes only the half that was edited into its value and follows
    // both; without both values (a missing path, or a value deleted later) it is read-only.
    void coordEdit_data()
    {
        QTest::addColumn<int>("setup"); // 0 latitude, 1 longitude typed; 2 no latitude, 3 longitude gone
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("latitude"); // stored afterwards
        QTest::addColumn<double>("longitude");
        Row("latitude", 0, "48°30'00\"N", 48.5, 11.0);
        Row("longitude", 1, "-70.25", 47.0, -70.25);
        Row("no such latitude", 2, "10", 47.0, 11.0);
        Row("longitude deleted", 3, "10", 47.0, 0.0);
    }
    void coordEdit()
    {
        QFETCH(int, setup);
        QFETCH(QString, typed);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        Scratch scratch;
        auto* pLatitude = scratch.Add<values::ValueDouble>(g_vdLat);
        auto* pLongitude = scratch.Add<values::ValueDouble>(g_vdLon);
        pLatitude->SetValue(47.0);
        pLongitude->SetValue(11.0);
        VCCoordEdit edit(nullptr, nullptr);
        edit.SetFormat(1);
        QVERIFY(edit.SetLongitude_ValuePath(pLongitude->GetPathName()));
        QCOMPARE(edit.SetLatitude_ValuePath(setup == 2 ? "/No/Latitude" : pLatitude->GetPathName()),
                 setup != 2);
        QCOMPARE(edit.HasError(), setup == 2);
        QCOMPARE(edit.GetLatitude(), setup == 2 ? 0.0 : 47.0);
        if (setup == 3)
            scratch.pNode->DeleteItem(pLongitude);
        QCOMPARE(edit.isReadOnly(), setup >= 2);
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        TypeInto(setup == 1 ? edit.GetLongitudeEdit() : edit.GetLatitudeEdit(), typed);
        QCOMPARE(pLatitude->GetValue(), latitude);
        QCOMPARE(edit.GetLongitudeValue() == nullptr, setup == 3);
        if (setup == 3)
            return; // and the editor goes without touching the deleted value
        QCOMPARE(pLongitude->GetValue(), longitude);
        QCOMPARE(edit.HasError(), setup == 2);
        pLongitude->SetValue(-3.5);
        QCOMPARE(edit.GetLongitudeEdit()->text(), basecontrols::CoordEdit::FormatAngle(-3.5, false, 1));
    }
};

QTEST_MAIN(TestVCChoiceEditors)
#include "tst_vcchoiceeditors.moc"
