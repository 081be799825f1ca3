#include "paltrey/coordedit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using basecontrols::CoordEdit;

class TestCoordEdit : public QObject
{
    Q_OBJECT

private:
    // What an operator does: click into the field, select everything, type, press Return.
    static void Type(QLineEdit* pEdit, const QString& sText, Qt::Key finish = Qt::Key_Return)
    {
        QTest::mouseClick(pEdit, Qt::LeftButton);
        pEdit->selectAll();
        QTest::keyClick(pEdit, Qt::Key_Backspace);
        QTest::keyClicks(pEdit, sText);
        QTest::keyClick(pEdit, finish);
    }

private slots:
    void formats_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("latitudeText");
        QTest::addColumn<QString>("longitudeText");
        QTest::newRow("decimal") << 0 << 48.137 << 11.575278 << "48.137000"
                                 << "11.575278";
        QTest::newRow("dms") << 1 << 48.137 << 11.575278 << "48°08'13.2\"N"
                             << "011°34'31.0\"E";
        QTest::newRow("dm") << 2 << 48.137 << 11.575278 << "48°08.220'N"
                            << "011°34.517'E";
        QTest::newRow("decimal south west") << 0 << -22.9068 << -43.1729 << "-22.906800"
                                            << "-43.172900";
        QTest::newRow("dms south west") << 1 << -22.9068 << -43.1729 << "22°54'24.5\"S"
                                        << "043°10'22.4\"W";
        QTest::newRow("dm south west") << 2 << -22.9068 << -43.1729 << "22°54.408'S"
                                       << "043°10.374'W";
    }
    void formats()
    {
        QFETCH(int, format);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, latitudeText);
        QFETCH(QString, longitudeText);
        CoordEdit edit(nullptr, "coord", latitude, longitude);
        QVERIFY(edit.SetFormat(format));
        QCOMPARE(edit.GetLatitudeEdit()->text(), latitudeText);
        QCOMPARE(edit.GetLongitudeEdit()->text(), longitudeText);
        // Switching the format only changes the text, never the position.
        QVERIFY(edit.SetFormat((format + 1) % 3));
        QVERIFY(edit.SetFormat(format));
        QCOMPARE(edit.GetLatitude(), latitude);
        QCOMPARE(edit.GetLongitude(), longitude);
    }

    // Typed text in any format is taken; bad or out-of-range text is refused with a hint and
    // the position stays, the text stays for correction.
    void typing_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("latitudeField");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("decimal") << 0 << true << "48.5" << true << 48.5 << 2.0;
        QTest::newRow("decimal comma") << 0 << true << "48,5" << true << 48.5 << 2.0;
        QTest::newRow("dms into decimal field") << 0 << true << "48°30'00\"N" << true << 48.5 << 2.0;
        QTest::newRow("dms south") << 1 << true << "12°15'00\"S" << true << -12.25 << 2.0;
        QTest::newRow("longitude west") << 1 << false << "-179.5" << true << 1.0 << -179.5;
        QTest::newRow("longitude at the edge") << 0 << false << "180" << true << 1.0 << 180.0;
        QTest::newRow("latitude above 90") << 0 << true << "91" << false << 1.0 << 2.0;
        QTest::newRow("latitude below -90") << 1 << true << "90°00'01\"S" << false << 1.0 << 2.0;
        QTest::newRow("longitude past 180") << 0 << false << "-180.5" << false << 1.0 << 2.0;
        QTest::newRow("not an angle") << 0 << true << "abc" << false << 1.0 << 2.0;
        QTest::newRow("empty") << 0 << false << "" << false << 1.0 << 2.0;
        QTest::newRow("hemisphere of the other axis") << 1 << true << "10 E" << false << 1.0 << 2.0;
        QTest::newRow("minutes past 59") << 1 << true << "10°61'00\"N" << false << 1.0 << 2.0;
    }
    void typing()
    {
        QFETCH(int, format);
        QFETCH(bool, latitudeField);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(double, latitude);
        QFETCH(double, longitude);

        CoordEdit edit(nullptr, "coord", 1.0, 2.0);
        edit.SetFormat(format);
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        QSignalSpy spy(&edit, SIGNAL(SignalCoordChanged(double, double)));
        QLineEdit* pField = latitudeField ? edit.GetLatitudeEdit() : edit.GetLongitudeEdit();
        Type(pField, typed);

        QCOMPARE(edit.GetLatitude(), latitude);
        QCOMPARE(edit.GetLongitude(), longitude);
        QCOMPARE(edit.HasError(), !accepted);
        QCOMPARE(spy.count(), accepted ? 1 : 0);
        if (accepted)
        {
            QCOMPARE(spy.at(0).at(0).toDouble(), latitude);
            QCOMPARE(spy.at(0).at(1).toDouble(), longitude);
            QCOMPARE(pField->text(),
                     CoordEdit::FormatAngle(latitudeField ? latitude : longitude, latitudeField, format));
            QVERIFY(!edit.styleSheet().contains(QStringLiteral("red")));
        }
        else
        {
            QVERIFY(!edit.GetHint().isEmpty());
            QCOMPARE(edit.toolTip(), edit.GetHint());
            QVERIFY(edit.styleSheet().contains(QStringLiteral("red")));
            QCOMPARE(pField->text(), typed);
            // Escape gives the position back and the hint goes.
            QTest::keyClick(pField, Qt::Key_Escape);
            QVERIFY(!edit.HasError());
            QCOMPARE(pField->text(),
                     CoordEdit::FormatAngle(latitudeField ? 1.0 : 2.0, latitudeField, format));
        }
    }

    // Leaving the field takes the text as Return does; pressing Return and then leaving
    // reports one change, not two.
    void leavingTheFieldTakesTheText()
    {
        QWidget window;
        CoordEdit* pEdit = new CoordEdit(&window, "coord", 0.0, 0.0);
        QLineEdit* pOther = new QLineEdit(&window);
        pOther->move(0, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy spy(pEdit, SIGNAL(SignalCoordChanged(double, double)));
        Type(pEdit->GetLongitudeEdit(), QStringLiteral("12.25"));
        pOther->setFocus();
        QTRY_VERIFY(pOther->hasFocus());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(pEdit->GetLongitude(), 12.25);

        QTest::mouseClick(pEdit->GetLatitudeEdit(), Qt::LeftButton);
        pEdit->GetLatitudeEdit()->selectAll();
        QTest::keyClicks(pEdit->GetLatitudeEdit(), QStringLiteral("-5"));
        pOther->setFocus();
        QTRY_VERIFY(pOther->hasFocus());
        QCOMPARE(spy.count(), 2);
        QCOMPARE(pEdit->GetLatitude(), -5.0);
    }

    // Programmatic changes are no operator edits: no signal; out-of-range numbers are refused.
    void programmaticChanges_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<bool>("taken");
        QTest::newRow("inside") << 45.0 << -120.0 << true;
        QTest::newRow("corner") << -90.0 << 180.0 << true;
        QTest::newRow("latitude outside") << 90.5 << 0.0 << false;
        QTest::newRow("longitude outside") << 0.0 << -181.0 << false;
        QTest::newRow("not a number") << qQNaN() << 0.0 << false;
    }
    void programmaticChanges()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(bool, taken);
        CoordEdit edit(nullptr, nullptr, 1.0, 2.0);
        QSignalSpy spy(&edit, SIGNAL(SignalCoordChanged(double, double)));
        QCOMPARE(edit.SetCoord(latitude, longitude), taken);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(edit.GetLatitude(), taken ? latitude : 1.0);
        QCOMPARE(edit.GetLongitude(), taken ? longitude : 2.0);
        QCOMPARE(edit.GetLatitudeEdit()->text(), CoordEdit::FormatAngle(edit.GetLatitude(), true, 0));
    }

    void readOnlyTakesNothing()
    {
        CoordEdit edit(nullptr, nullptr, 1.0, 2.0);
        edit.setReadOnly(true);
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        QSignalSpy spy(&edit, SIGNAL(SignalCoordChanged(double, double)));
        Type(edit.GetLatitudeEdit(), QStringLiteral("33"));
        QCOMPARE(edit.GetLatitude(), 1.0);
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(TestCoordEdit)
#include "tst_coordedit.moc"
