#include "common/datarow.h"
#include "paltrey/coordedit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using basecontrols::CoordEdit;

// Typing into a field of an editor at 1, 2, with Return or only by leaving the field.
struct Typing
{
    int nFormat; // -1: decimal and read-only
    bool bLatitudeField, bViaReturn;
    QString sTyped;
    QList<double> listPosition; // latitude, longitude afterwards
    bool bRefused;
};
Q_DECLARE_METATYPE(Typing)

class TestCoordEdit : public QObject
{
    Q_OBJECT

private slots:
    // Text in any format is taken once; a refused one stays with a hint until Escape.
    void typing_data()
    {
        QTest::addColumn<Typing>("input");
        Row("decimal comma, leaving", Typing{0, true, false, "48,5", {48.5, 2.0}, false});
        Row("dms into decimal field", Typing{0, true, true, "48°30'00\"N", {48.5, 2.0}, false});
        Row("read-only takes nothing", Typing{-1, true, true, "33", {1.0, 2.0}, false});
        Row("latitude above 90", Typing{0, true, true, "91", {1.0, 2.0}, true});
        Row("longitude past 180, leaving", Typing{2, false, false, "-180.5", {1.0, 2.0}, true});
        Row("empty", Typing{0, false, true, "", {1.0, 2.0}, true});
        Row("hemisphere of the other axis", Typing{1, true, true, "10 E", {1.0, 2.0}, true});
    }
    void typing()
    {
        QFETCH(Typing, input);
        CoordEdit edit(nullptr, "coord", 1.0, 2.0);
        QSignalSpy spy(&edit, SIGNAL(SignalCoordChanged(double, double)));
        // Set by the program: no signal, positions outside the ranges refused.
        QVERIFY(!edit.SetCoord(90.5, 0.0) && !edit.SetCoord(qQNaN(), 0.0) && !edit.SetFormat(3));
        // Switching formats never moves the position: the rounded text is not read back.
        QVERIFY(edit.SetCoord(-22.9068, -43.1729) && edit.SetFormat(1) && edit.SetFormat(2));
        QCOMPARE((QList<double>{edit.GetLatitude(), edit.GetLongitude()}),
                 (QList<double>{-22.9068, -43.1729}));
        QVERIFY(edit.SetCoord(1.0, 2.0) && spy.isEmpty());
        edit.setReadOnly(input.nFormat < 0);
        const int nFormat = qMax(input.nFormat, 0);
        edit.SetFormat(nFormat);
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        QLineEdit* pField = input.bLatitudeField ? edit.GetLatitudeEdit() : edit.GetLongitudeEdit();
        QTest::mouseClick(pField, Qt::LeftButton);
        pField->selectAll();
        QTest::keyClick(pField, Qt::Key_Backspace);
        QTest::keyClicks(pField, input.sTyped);
        if (input.bViaReturn)
            QTest::keyClick(pField, Qt::Key_Return);
        pField->clearFocus(); // after Return, no second change
        QCOMPARE((QList<double>{edit.GetLatitude(), edit.GetLongitude()}), input.listPosition);
        QCOMPARE(edit.HasError(), input.bRefused);
        QCOMPARE(edit.styleSheet().contains(QStringLiteral("red")), input.bRefused);
        QCOMPARE(spy.count(), input.listPosition == QList<double>({1.0, 2.0}) ? 0 : 1);
        if (!spy.isEmpty())
            QCOMPARE(spy.at(0), (QList<QVariant>{input.listPosition[0], input.listPosition[1]}));
        const QString sShown = CoordEdit::FormatAngle(input.listPosition[input.bLatitudeField ? 0 : 1],
                                                      input.bLatitudeField, nFormat);
        QCOMPARE(pField->text(), input.bRefused ? input.sTyped : sShown);
        if (!input.bRefused)
            return;
        QVERIFY(!edit.GetHint().isEmpty() && edit.toolTip() == edit.GetHint());
        QTest::keyClick(pField, Qt::Key_Escape);
        QVERIFY(!edit.HasError());
        QCOMPARE(pField->text(), sShown);
    }
};

QTEST_MAIN(TestCoordEdit)
#include "tst_coordedit.moc"
