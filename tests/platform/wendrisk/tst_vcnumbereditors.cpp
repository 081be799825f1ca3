#include "common/datarow.h"
#include "vcfixture.h"

#include <QTest>

using namespace vcfixture;

class TestVCNumberEditors : public QObject
{
    Q_OBJECT

private slots:
    // Frequencies are read in the forms an operator types and shown in MHz. Text fields take
    // numbers in the unit as shown. Spin boxes show the number in the descriptor's basis and
    // unit with the decimals the step needs (plus the extra ones), read a plain number in the
    // unit as shown, never clamp typed numbers, and on leaving show the value again after a
    // refusal; arrows step by the descriptor's step and stop at the ends of the range.
    void input_data()
    {
        QTest::addColumn<InputRow>("row");
        Row("megahertz", InputRow{0, "50 MHz", false, "50 MHz", "50000000"});
        Row("exponent is hertz", InputRow{0, "1e6", false, "1 MHz", "1000000"});
        Row("decimal comma, giga", InputRow{0, "1,5 GHz", false, "1500 MHz", "1500000000"});
        Row("leaving the field", InputRow{0, "145.8 MHz", false, "145.8 MHz", "145800000", {}, false});
        Row("letters", InputRow{0, "abc", true, "abc", "100000000"});
        Row("above range", InputRow{0, "7 GHz", true, "7 GHz", "100000000"});
        Row("wrong unit", InputRow{0, "100 dB", true, "100 dB", "100000000"});
        Row("string", InputRow{1, "second", false, "second", "second"});
        Row("int", InputRow{2, "42", false, "42", "42"});
        Row("int not whole", InputRow{2, "4.5", true, "4.5", "5"});
        Row("dB with unit", InputRow{3, "12.5 dB", false, "12.5 dB", "12.5"});
        Row("spin plain is megahertz", InputRow{4, "101", false, "101.000 MHz", "101000000"});
        Row("spin kilohertz, leaving", InputRow{4, "2500 kHz", false, "2.500 MHz", "2500000", {}, false});
        Row("spin dB with unit", InputRow{5, "-7 dB", false, "-7.0 dB", "-7"});
        Row("spin dB above", InputRow{5, "60.1", true, "0.0 dB", "0"});
        Row("spin dB below, leaving", InputRow{5, "-25", true, "0.0 dB", "0", {}, false});
        Row("spin without unit, extra decimals", InputRow{6, "keys:", false, "-3.250", "-3.25", "-3.25"});
        Row("spin one up", InputRow{5, "keys:u", false, "10.1 dB", "10.1", "10"});
        Row("spin stops at the top", InputRow{5, "keys:uuu", false, "60.0 dB", "60", "59.95"});
        Row("int spin not whole", InputRow{7, "4.5", true, "5", "5"});
        Row("int spin above, leaving", InputRow{7, "101", true, "5", "5", {}, false});
        Row("int spin down to the bottom", InputRow{7, "keys:dddddddd", false, "0", "0"});
    }
    void input()
    {
        QFETCH(InputRow, row);
        CheckInput(row);
    }

    // Binding by path: a path that names no value, or a value of another kind, leaves the
    // editor unbound and disabled with a hint.
    void bindingByPath()
    {
        Scratch scratch;
        const QString sGain = scratch.Add(g_vdGain)->GetPathName();
        for (const QString& sPath : {sGain, scratch.Add(g_vdName)->GetPathName(), QStringLiteral("/No/Gain")})
        {
            VCNumericFloatSpin spin(nullptr, nullptr, false);
            const bool bBound = sPath == sGain;
            QCOMPARE(spin.SetNumeric_ValuePath(sPath), bBound);
            QVERIFY(spin.IsBound() == bBound && spin.isEnabled() == bBound && spin.HasError() != bBound);
        }
    }
};

QTEST_MAIN(TestVCNumberEditors)
#include "tst_vcnumbereditors.moc"
