#include "vcfixture.h"
#include "wendrisk/vccombobool.h"
#include "wendrisk/vccombosel.h"
#include "wendrisk/vccoordedit.h"
#include "wendrisk/vcdatetimeedit.h"

#include <QTest>

using namespace vcfixture;

class TestVCChoiceEditors : public QObject
{
    Q_OBJECT

private slots:
    // The operator moves through the entries with the keyboard; each choice is written.
    void comboSelection_data()
    {
        QTest::addColumn<int>("downs");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("stay") << 0 << 20 << "FM";
        QTest::newRow("one down") << 1 << 30 << "USB";
        QTest::newRow("one up") << -1 << 10 << "AM";
        QTest::newRow("past the end stays at the last") << 3 << 30 << "USB";
    }
    void comboSelection()
    {
        QFETCH(int, downs);
        QFETCH(int, key);
        QFETCH(QString, text);
        Scratch scratch;
        auto* pMode = scratch.Add<values::ValueSelection>(Mode());
        VCComboSel combo;
        combo.SetValueSel(pMode);
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.currentText(), QStringLiteral("FM"));
        combo.show();
        QVERIFY(QTest::qWaitForWindowActive(&combo));
        for (int i = 0; i < qAbs(downs); ++i)
            QTest::keyClick(&combo, downs > 0 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(pMode->GetCurrentKey(), key);
        QCOMPARE(combo.currentText(), text);
    }

    // Changes made elsewhere show at once, also new entry lists.
    void comboSelectionFollowsValue()
    {
        Scratch scratch;
        auto* pMode = scratch.Add<values::ValueSelection>(Mode());
        VCComboSel combo;
        combo.SetValueSel(pMode);
        pMode->SelectKey(10);
        QCOMPARE(combo.currentText(), QStringLiteral("AM"));
        pMode->SetItems({values::SelectionItem("CW", 4.0, 40), values::SelectionItem("LSB", 5.0, 50)});
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.itemText(pMode->GetCurrentIndex()), combo.currentText());
    }

    void comboBool_data()
    {
        QTest::addColumn<bool>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("stored");
        QTest::newRow("no to yes") << false << int(Qt::Key_Down) << true;
        QTest::newRow("yes to no") << true << int(Qt::Key_Up) << false;
        QTest::newRow("no stays no") << false << int(Qt::Key_Up) << false;
    }
    void comboBool()
    {
        QFETCH(bool, start);
        QFETCH(int, key);
        QFETCH(bool, stored);
        Scratch scratch;
        auto* pFlag = scratch.Add<values::ValueBool>(Flag());
        pFlag->SetValue(start);
        VCComboBool combo;
        combo.SetValueBool(pFlag);
        QCOMPARE(combo.currentText(), start ? QStringLiteral("YES") : QStringLiteral("NO"));
        combo.show();
        QVERIFY(QTest::qWaitForWindowActive(&combo));
        QTest::keyClick(&combo, Qt::Key(key));
        QCOMPARE(pFlag->GetValue(), stored);
        pFlag->SetValue(!stored);
        QCOMPARE(combo.currentIndex(), stored ? 0 : 1);
    }

    // Each editor takes only its own kind of value; any other leaves it unbound with a hint.
    void wrongKindIsRefused_data()
    {
        QTest::addColumn<int>("editor"); // 0 selection, 1 bool, 2 date-time
        QTest::newRow("selection given a bool") << 0;
        QTest::newRow("bool given a selection") << 1;
        QTest::newRow("date-time given a bool") << 2;
    }
    void wrongKindIsRefused()
    {
        QFETCH(int, editor);
        Scratch scratch;
        auto* pFlag = scratch.Add<values::ValueBool>(Flag());
        auto* pMode = scratch.Add<values::ValueSelection>(Mode());
        VCBinding* pBinding = nullptr;
        QWidget* pWidget = nullptr;
        if (editor == 0)
        {
            auto* p = new VCComboSel;
            p->SetValueSel(pFlag);
            pBinding = p;
            pWidget = p;
        }
        else if (editor == 1)
        {
            auto* p = new VCComboBool;
            p->SetValueBool(pMode);
            pBinding = p;
            pWidget = p;
        }
        else
        {
            auto* p = new VCDateTimeEdit;
            p->SetValueDateTime(pFlag);
            pBinding = p;
            pWidget = p;
        }
        QVERIFY(!pBinding->IsBound());
        QVERIFY(pBinding->HasError());
        QVERIFY(!pWidget->isEnabled());
        delete pWidget;
    }

    // A date-time held as ISO text or as seconds; stepping the year writes it back.
    void dateTime_data()
    {
        QTest::addColumn<bool>("asText");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("afterStep");
        QTest::newRow("text") << true << "2024-05-06T07:08:09"
                              << "2024-05-06 07:08:09"
                              << "2025-05-06T07:08:09";
        QTest::newRow("text with zone") << true << "2024-05-06T09:08:09+02:00"
                                        << "2024-05-06 07:08:09"
                                        << "2025-05-06T07:08:09";
        QTest::newRow("seconds") << false << "1714979289"
                                 << "2024-05-06 07:08:09"
                                 << "1746515289";
    }
    void dateTime()
    {
        QFETCH(bool, asText);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, afterStep);
        Scratch scratch;
        values::ValueBase* pValue =
            asText ? static_cast<values::ValueBase*>(scratch.Add<values::ValueString>(Time()))
                   : scratch.Add<values::ValueInt>(Seconds());
        QVERIFY(pValue->SetAsString(stored));
        VCDateTimeEdit edit;
        edit.SetValueDateTime(pValue);
        QCOMPARE(edit.text(), shown);
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.setCurrentSection(QDateTimeEdit::YearSection);
        QTest::keyClick(&edit, Qt::Key_Up);
        QCOMPARE(pValue->GetAsString(), afterStep);
    }

    // A text that is no date-time is shown as a hint and left alone until edited.
    void unreadableDateTimeIsKept()
    {
        Scratch scratch;
        auto* pValue = scratch.Add<values::ValueString>(Time());
        pValue->SetValue(QStringLiteral("next tuesday"));
        VCDateTimeEdit edit;
        edit.SetValueDateTime(pValue);
        QVERIFY(edit.HasError());
        QVERIFY(edit.GetHint().contains(QStringLiteral("next tuesday")));
        QVERIFY(edit.Commit());
        QCOMPARE(pValue->GetValue(), QStringLiteral("next tuesday"));
    }

    // The coordinate editor writes the half that was edited into its value and follows both.
    void coordEditWritesAndFollows_data()
    {
        QTest::addColumn<bool>("latitudeField");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("latitude") << true << "48°30'00\"N" << 48.5 << 11.0 << true;
        QTest::newRow("longitude") << false << "-70.25" << 47.0 << -70.25 << true;
        QTest::newRow("latitude out of range") << true << "95" << 47.0 << 11.0 << false;
    }
    void coordEditWritesAndFollows()
    {
        QFETCH(bool, latitudeField);
        QFETCH(QString, typed);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(bool, accepted);
        Scratch scratch;
        auto* pLatitude = scratch.Add<values::ValueDouble>(Latitude());
        auto* pLongitude = scratch.Add<values::ValueDouble>(Longitude());
        pLatitude->SetValue(47.0);
        pLongitude->SetValue(11.0);
        VCCoordEdit edit(nullptr, nullptr, 0.0, 0.0);
        edit.SetFormat(1);
        QVERIFY(edit.SetLatitude_ValuePath(pLatitude->GetPathName()));
        QVERIFY(edit.SetLongitude_ValuePath(pLongitude->GetPathName()));
        QVERIFY(!edit.isReadOnly());
        QCOMPARE(edit.GetLatitude(), 47.0);
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        QLineEdit* pLine = latitudeField ? edit.GetLatitudeEdit() : edit.GetLongitudeEdit();
        TypeInto(pLine, pLine, typed);
        QCOMPARE(pLatitude->GetValue(), latitude);
        QCOMPARE(pLongitude->GetValue(), longitude);
        QCOMPARE(edit.HasError(), !accepted);

        pLongitude->SetValue(-3.5);
        QCOMPARE(edit.GetLongitude(), -3.5);
        QCOMPARE(edit.GetLongitudeEdit()->text(), basecontrols::CoordEdit::FormatAngle(-3.5, false, 1));
    }

    // Without both values the editor cannot write: missing path, or a value deleted later.
    void coordEditWithoutBothValues_data()
    {
        QTest::addColumn<bool>("missingPath");
        QTest::newRow("no such latitude") << true;
        QTest::newRow("longitude deleted") << false;
    }
    void coordEditWithoutBothValues()
    {
        QFETCH(bool, missingPath);
        Scratch scratch;
        auto* pLatitude = scratch.Add<values::ValueDouble>(Latitude());
        auto* pLongitude = scratch.Add<values::ValueDouble>(Longitude());
        auto* pEdit = new VCCoordEdit(nullptr, nullptr, 0.0, 0.0);
        pEdit->SetLongitude_ValuePath(pLongitude->GetPathName());
        if (missingPath)
        {
            QVERIFY(!pEdit->SetLatitude_ValuePath(QStringLiteral("/No/Latitude")));
            QVERIFY(pEdit->HasError());
        }
        else
        {
            QVERIFY(pEdit->SetLatitude_ValuePath(pLatitude->GetPathName()));
            QVERIFY(!pEdit->isReadOnly());
            scratch.Delete(pLongitude);
            QCOMPARE(pEdit->GetLongitudeValue(), static_cast<values::ValueBase*>(nullptr));
        }
        QVERIFY(pEdit->isReadOnly());
        delete pEdit; // must not touch a freed value
    }
};

QTEST_MAIN(TestVCChoiceEditors)
#include "tst_vcchoiceeditors.moc"
