#include "vcfixture.h"
#include "wendrisk/vclineedit.h"
#include "wendrisk/vcnumericfloatspin.h"
#include "wendrisk/vcspinint.h"

#include <QSignalSpy>
#include <QTest>

using namespace vcfixture;

namespace
{
// Tells which notifications another view of the same value gets.
class Watcher : public IObserver
{
public:
    void Update(Observable*, TChangeCode code) override { m_listCodes << code; }
    QList<int> m_listCodes;
};
} // namespace

class TestVCNumberEditors : public QObject
{
    Q_OBJECT

private slots:
    // A frequency line edit reads the forms an operator types; everything else is refused with
    // a hint, the text stays for correction, and the value keeps its number.
    void frequencyLineEdit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("hertz");
        QTest::addColumn<QString>("shown");
        QTest::newRow("megahertz") << "100 MHz" << true << 100e6 << "100 MHz";
        QTest::newRow("prefix only") << "100.5M" << true << 100.5e6 << "100.5 MHz";
        QTest::newRow("kilo with blank") << "2.5 k" << true << 2500.0 << "0.0025 MHz";
        QTest::newRow("exponent is hertz") << "100e6" << true << 100e6 << "100 MHz";
        QTest::newRow("plain hertz") << "123456" << true << 123456.0 << "0.123456 MHz";
        QTest::newRow("decimal comma, giga") << "1,5 GHz" << true << 1.5e9 << "1500 MHz";
        QTest::newRow("lower case mhz") << "88.2 mhz" << true << 88.2e6 << "88.2 MHz";
        QTest::newRow("unit only") << "440 Hz" << true << 440.0 << "0.00044 MHz";
        QTest::newRow("letters") << "abc" << false << 50e6 << "";
        QTest::newRow("above range") << "7 GHz" << false << 50e6 << "";
        QTest::newRow("below range") << "-1 k" << false << 50e6 << "";
        QTest::newRow("empty") << "" << false << 50e6 << "";
        QTest::newRow("trailing words") << "100 MHz please" << false << 50e6 << "";
        QTest::newRow("wrong unit") << "100 dB" << false << 50e6 << "";
        QTest::newRow("too large") << "1e400" << false << 50e6 << "";
    }
    void frequencyLineEdit()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(double, hertz);
        QFETCH(QString, shown);
        Scratch scratch;
        auto* pValue = scratch.Add<values::ValueDouble>(Frequency());
        pValue->SetValue(50e6);
        VCLineEdit edit(nullptr, "freq", VCLineEdit::TYPE_FREQUENCY);
        edit.SetValueBase(pValue);
        QCOMPARE(edit.text(), QStringLiteral("50 MHz"));
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));

        TypeInto(&edit, &edit, typed);
        QCOMPARE(pValue->GetValue(), hertz);
        QCOMPARE(edit.HasError(), !accepted);
        if (accepted)
        {
            QCOMPARE(edit.text(), shown);
            QVERIFY(edit.GetHint().isEmpty());
        }
        else
        {
            QCOMPARE(edit.text(), typed);
            QVERIFY(!edit.GetHint().isEmpty());
            QCOMPARE(edit.toolTip(), edit.GetHint());
            QVERIFY(edit.styleSheet().contains(QStringLiteral("red")));
            // Escape brings the value's text back and the hint goes.
            QTest::keyClick(&edit, Qt::Key_Escape);
            QCOMPARE(edit.text(), QStringLiteral("50 MHz"));
            QVERIFY(!edit.HasError());
            QVERIFY(!edit.styleSheet().contains(QStringLiteral("red")));
        }
    }

    // A plain text edit writes strings as typed and numbers in the unit as shown.
    void textLineEdit_data()
    {
        QTest::addColumn<int>("kind"); // 0 string, 1 int, 2 double without unit, 3 double in dB
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("stored");
        QTest::newRow("string") << 0 << "second" << true << "second";
        QTest::newRow("empty string") << 0 << "" << true << "";
        QTest::newRow("int") << 1 << "42" << true << "42";
        QTest::newRow("int out of range") << 1 << "101" << false << "5";
        QTest::newRow("int not whole") << 1 << "4.5" << false << "5";
        QTest::newRow("double plain") << 2 << "-12.75" << true << "-12.75";
        QTest::newRow("double with unit") << 3 << "12.5 dB" << true << "12.5";
        QTest::newRow("double no number") << 3 << "loud" << false << "0";
        QTest::newRow("double out of range") << 3 << "61" << false << "0";
    }
    void textLineEdit()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, stored);
        Scratch scratch;
        const values::ValueDescriptor* pDescriptors[] = {&Name(), &Count(), &Plain(), &Gain()};
        auto* pValue = scratch.Add<values::ValueBase>(*pDescriptors[kind]);
        VCLineEdit edit(nullptr, nullptr);
        edit.SetValueBase(pValue);
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        TypeInto(&edit, &edit, typed);
        QCOMPARE(pValue->GetAsString(), stored);
        QCOMPARE(edit.HasError(), !accepted);
    }

    // Leaving the field takes the text; the editor writes as originator, so another observer
    // is told once and the editor keeps what it shows.
    void focusOutWritesOnce()
    {
        Scratch scratch;
        auto* pValue = scratch.Add<values::ValueDouble>(Frequency());
        Watcher watcher;
        pValue->AddObserver(&watcher);
        QWidget window;
        VCLineEdit* pEdit = new VCLineEdit(&window, "freq", VCLineEdit::TYPE_FREQUENCY);
        QLineEdit* pOther = new QLineEdit(&window);
        pOther->move(0, 40);
        pEdit->SetValueBase(pValue);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TypeInto(pEdit, pEdit, QStringLiteral("145.8 MHz"), Qt::Key_unknown);
        pOther->setFocus();
        QTRY_VERIFY(pOther->hasFocus());
        QCOMPARE(pValue->GetValue(), 145.8e6);
        QCOMPARE(watcher.m_listCodes, QList<int>{values::CC_VALUE});
        // Return and then leaving the field is one edit.
        TypeInto(pEdit, pEdit, QStringLiteral("146 MHz"));
        pOther->setFocus();
        QTRY_VERIFY(pOther->hasFocus());
        QCOMPARE(watcher.m_listCodes.size(), 2);
        pValue->DeleteObserver(&watcher);
    }

    // A change made elsewhere shows at once, and clears a pending refusal.
    void followsChangesElsewhere()
    {
        Scratch scratch;
        auto* pValue = scratch.Add<values::ValueDouble>(Frequency());
        VCLineEdit edit(nullptr, "freq", VCLineEdit::TYPE_FREQUENCY);
        edit.SetValueBase(pValue);
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        TypeInto(&edit, &edit, QStringLiteral("nonsense"));
        QVERIFY(edit.HasError());
        pValue->SetValue(2.5e6);
        QCOMPARE(edit.text(), QStringLiteral("2.5 MHz"));
        QVERIFY(!edit.HasError());
    }

    // When the value is deleted the editors let go of it, are disabled, and outlive it safely.
    void letGoOfDeletedValue_data()
    {
        QTest::addColumn<int>("editor"); // 0 line edit, 1 float spin, 2 int spin
        QTest::newRow("line edit") << 0;
        QTest::newRow("float spin") << 1;
        QTest::newRow("int spin") << 2;
    }
    void letGoOfDeletedValue()
    {
        QFETCH(int, editor);
        Scratch scratch;
        values::ValueBase* pValue =
            editor == 2 ? static_cast<values::ValueBase*>(scratch.Add<values::ValueInt>(Count()))
                        : scratch.Add<values::ValueDouble>(Gain());
        QWidget* pWidget = nullptr;
        if (editor == 0)
        {
            auto* pEdit = new VCLineEdit(nullptr, nullptr);
            pEdit->SetValueBase(pValue);
            pWidget = pEdit;
        }
        else if (editor == 1)
        {
            auto* pSpin = new VCNumericFloatSpin(nullptr, nullptr, true);
            pSpin->SetNumericValue(pValue);
            pWidget = pSpin;
        }
        else
        {
            auto* pSpin = new VCSpinInt(nullptr, nullptr);
            pSpin->SetValueInt(pValue);
            pWidget = pSpin;
        }
        QVERIFY(pWidget->isEnabled());
        scratch.Delete(pValue);
        QVERIFY(!pWidget->isEnabled());
        QCOMPARE(dynamic_cast<VCBinding*>(pWidget)->GetBoundValue(),
                 static_cast<values::ValueBase*>(nullptr));
        delete pWidget; // must not touch the freed value
    }

    // The spin box shows the number in the descriptor's basis with its unit, with as many
    // decimals as the step needs plus the extra precision.
    void floatSpinShowsUnitAndPrecision_data()
    {
        QTest::addColumn<int>("kind"); // 0 frequency (MHz), 1 gain (dB, step 0.1)
        QTest::addColumn<double>("number");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QString>("shown");
        QTest::newRow("frequency") << 0 << 433.92e6 << 0 << "433.920 MHz";
        QTest::newRow("frequency extra") << 0 << 433.92e6 << 2 << "433.92000 MHz";
        QTest::newRow("gain") << 1 << 12.5 << 0 << "12.5 dB";
        QTest::newRow("gain extra 3") << 1 << -3.25 << 3 << "-3.2500 dB";
    }
    void floatSpinShowsUnitAndPrecision()
    {
        QFETCH(int, kind);
        QFETCH(double, number);
        QFETCH(int, extra);
        QFETCH(QString, shown);
        Scratch scratch;
        auto* pValue = scratch.Add<values::ValueDouble>(kind == 0 ? Frequency() : Gain());
        pValue->SetValue(number);
        VCNumericFloatSpin spin(nullptr, nullptr, true);
        spin.setAdditionalPrecision(extra);
        QVERIFY(spin.SetNumeric_ValuePath(pValue->GetPathName()));
        QCOMPARE(spin.findChild<QLineEdit*>()->text(), shown);
    }

    // Typing into the spin box: numbers in the unit as shown (or with their own prefix) are
    // written; no number and out of range are refused with a hint, never clamped.
    void floatSpinTyping_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("stored");
        QTest::newRow("gain") << 1 << "12.5" << true << 12.5;
        QTest::newRow("gain with unit") << 1 << "-7 dB" << true << -7.0;
        QTest::newRow("gain at top") << 1 << "60" << true << 60.0;
        QTest::newRow("gain above") << 1 << "60.1" << false << 1.5;
        QTest::newRow("gain below") << 1 << "-25" << false << 1.5;
        QTest::newRow("gain letters") << 1 << "abc" << false << 1.5;
        QTest::newRow("frequency plain is megahertz") << 0 << "101" << true << 101e6;
        QTest::newRow("frequency in kilohertz") << 0 << "2500 kHz" << true << 2.5e6;
        QTest::newRow("frequency above") << 0 << "6001" << false << 1.5;
    }
    void floatSpinTyping()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(double, stored);
        Scratch scratch;
        auto* pValue = scratch.Add<values::ValueDouble>(kind == 0 ? Frequency() : Gain());
        pValue->SetValue(1.5);
        VCNumericFloatSpin spin(nullptr, nullptr, true);
        spin.SetNumericValue(pValue);
        spin.show();
        QVERIFY(QTest::qWaitForWindowActive(&spin));
        QLineEdit* pLine = spin.findChild<QLineEdit*>();
        TypeInto(&spin, pLine, typed);
        QCOMPARE(pValue->GetValue(), stored);
        QCOMPARE(spin.HasError(), !accepted);
        if (!accepted)
        {
            QVERIFY(!spin.GetHint().isEmpty());
            QCOMPARE(spin.toolTip(), spin.GetHint());
            QVERIFY(pLine->text().startsWith(typed)); // kept to be corrected (the unit follows)
        }
    }

    // Arrow keys step by the descriptor's step and stop at the ends of the range.
    void floatSpinArrows_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("ups");
        QTest::addColumn<double>("expected");
        QTest::newRow("one up") << 10.0 << 1 << 10.1;
        QTest::newRow("two down") << 10.0 << -2 << 9.8;
        QTest::newRow("stops at the top") << 59.95 << 3 << 60.0;
        QTest::newRow("stops at the bottom") << -19.95 << -2 << -20.0;
    }
    void floatSpinArrows()
    {
        QFETCH(double, start);
        QFETCH(int, ups);
        QFETCH(double, expected);
        Scratch scratch;
        auto* pValue = scratch.Add<values::ValueDouble>(Gain());
        pValue->SetValue(start);
        VCNumericFloatSpin spin(nullptr, nullptr, true);
        spin.SetNumericValue(pValue);
        spin.show();
        QVERIFY(QTest::qWaitForWindowActive(&spin));
        for (int i = 0; i < qAbs(ups); ++i)
            QTest::keyClick(&spin, ups > 0 ? Qt::Key_Up : Qt::Key_Down);
        QVERIFY(qAbs(pValue->GetValue() - expected) < 1e-9);
    }

    // Leaving a spin box with refused text shows the value again and keeps the reason.
    void floatSpinFocusOutRestores()
    {
        Scratch scratch;
        auto* pValue = scratch.Add<values::ValueDouble>(Gain());
        pValue->SetValue(3.0);
        QWidget window;
        auto* pSpin = new VCNumericFloatSpin(&window, nullptr, true);
        QLineEdit* pOther = new QLineEdit(&window);
        pOther->move(0, 40);
        pSpin->SetNumericValue(pValue);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TypeInto(pSpin, pSpin->findChild<QLineEdit*>(), QStringLiteral("99"), Qt::Key_unknown);
        pOther->setFocus();
        QTRY_VERIFY(pOther->hasFocus());
        QCOMPARE(pValue->GetValue(), 3.0);
        QVERIFY(pSpin->HasError());
        QCOMPARE(pSpin->findChild<QLineEdit*>()->text(), QStringLiteral("3.0 dB"));
    }

    void floatSpinBindings_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("bound");
        QTest::newRow("no such value") << "/Nowhere/Gain" << false;
        QTest::newRow("a string is no number") << "name" << false;
        QTest::newRow("the gain") << "gain" << true;
    }
    void floatSpinBindings()
    {
        QFETCH(QString, path);
        QFETCH(bool, bound);
        Scratch scratch;
        auto* pGain = scratch.Add<values::ValueDouble>(Gain());
        auto* pName = scratch.Add<values::ValueString>(Name());
        if (path == QLatin1String("gain"))
            path = pGain->GetPathName();
        else if (path == QLatin1String("name"))
            path = pName->GetPathName();
        VCNumericFloatSpin spin(nullptr, nullptr, false);
        QCOMPARE(spin.SetNumeric_ValuePath(path), bound);
        QCOMPARE(spin.GetNumericValue() != nullptr, bound);
        QCOMPARE(spin.isEnabled(), bound);
        QCOMPARE(spin.HasError(), !bound);
        if (bound)
            QCOMPARE(spin.findChild<QLineEdit*>()->text(), QStringLiteral("0.0")); // no unit asked for
    }

    void intSpin_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("arrows");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("stored");
        QTest::newRow("typed") << "42" << 0 << true << 42;
        QTest::newRow("typed zero") << "0" << 0 << true << 0;
        QTest::newRow("not whole") << "4.5" << 0 << false << 5;
        QTest::newRow("above") << "101" << 0 << false << 5;
        QTest::newRow("letters") << "many" << 0 << false << 5;
        QTest::newRow("arrow up") << "" << 2 << true << 7;
        QTest::newRow("arrow down to the bottom") << "" << -9 << true << 0;
    }
    void intSpin()
    {
        QFETCH(QString, typed);
        QFETCH(int, arrows);
        QFETCH(bool, accepted);
        QFETCH(int, stored);
        Scratch scratch;
        auto* pValue = scratch.Add<values::ValueInt>(Count());
        VCSpinInt spin;
        spin.SetValueInt(pValue);
        spin.show();
        QVERIFY(QTest::qWaitForWindowActive(&spin));
        if (!typed.isEmpty())
            TypeInto(&spin, spin.findChild<QLineEdit*>(), typed);
        for (int i = 0; i < qAbs(arrows); ++i)
            QTest::keyClick(&spin, arrows > 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(pValue->GetValue(), stored);
        QCOMPARE(spin.HasError(), !accepted);
    }
};

QTEST_MAIN(TestVCNumberEditors)
#include "tst_vcnumbereditors.moc"
