#include "kvbase/zorvanstring.h"

#include <QtTest>

#include <cmath>

// Field splitting and number reading of the tab-separated frequency list and of typed input.
class TstZorvanString : public QObject
{
    Q_OBJECT

private slots:
    void separate_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("slotCount");
        QTest::addColumn<QStringList>("expected");
        const QString t = QStringLiteral("\t");
        QTest::newRow("empty line") << "" << t << 20 << QStringList{};
        QTest::newRow("one field") << "Frequency" << t << 20 << QStringList{"Frequency"};
        QTest::newRow("header") << "Frequency\tName\tBandwidth" << t << 20
                                << QStringList{"Frequency", "Name", "Bandwidth"};
        QTest::newRow("empty field between") << "1e6\t\t12500" << t << 20 << QStringList{"1e6", "", "12500"};
        QTest::newRow("trailing separator") << "a\t" << t << 20 << QStringList{"a", ""};
        QTest::newRow("leading separator") << "\ta" << t << 20 << QStringList{"", "a"};
        QTest::newRow("only a separator") << "\t" << t << 20 << QStringList{"", ""};
        QTest::newRow("blanks are text") << " a \t b " << t << 20 << QStringList{" a ", " b "};
        QTest::newRow("exactly as many as slots") << "a\tb\tc" << t << 3 << QStringList{"a", "b", "c"};
        // More fields than slots: the rest of the line stays whole in the last slot.
        QTest::newRow("overflow") << "a\tb\tc\td\te" << t << 3 << QStringList{"a", "b", "c\td\te"};
        QTest::newRow("overflow into one slot") << "a\tb" << t << 1 << QStringList{"a\tb"};
        QTest::newRow("multi-character separator") << "a, b,, c"
                                                   << ", " << 5 << QStringList{"a", "b,", "c"};
        QTest::newRow("empty separator") << "a\tb"
                                         << "" << 5 << QStringList{"a\tb"};
    }
    void separate()
    {
        QFETCH(QString, line);
        QFETCH(QString, separator);
        QFETCH(int, slotCount);
        QFETCH(QStringList, expected);
        // Like the paste: every slot is reset to the separator before each line, and stale
        // fields of a longer previous line must not survive.
        std::vector<QString> vecFields(size_t(slotCount), QStringLiteral("stale"));
        for (QString& s : vecFields)
            s = separator;
        const int nCount = Zorvan::separateString(line, vecFields.data(), slotCount);
        QCOMPARE(nCount, expected.size());
        for (int i = 0; i < slotCount; ++i)
            QCOMPARE(vecFields[size_t(i)], i < nCount ? expected.at(i) : QString());
    }

    void separateRefusesNoSlots()
    {
        QString aField[1] = {QStringLiteral("\t")};
        QCOMPARE(Zorvan::separateString(QStringLiteral("a\tb"), aField, 0), 0);
        QCOMPARE(aField[0], QStringLiteral("\t")); // untouched
        QCOMPARE(Zorvan::separateString(QStringLiteral("a\tb"), nullptr, 5), 0);
    }

    void separateFieldsCanBeReusedLineByLine()
    {
        QString aFields[20];
        auto split = [&aFields](const QString& sLine)
        {
            for (QString& s : aFields)
                s = QStringLiteral("\t");
            return Zorvan::separateString(sLine, aFields, 20);
        };
        QCOMPARE(split(QStringLiteral("1\t2\t3\t4")), 4);
        QCOMPARE(split(QStringLiteral("x")), 1);
        QCOMPARE(aFields[0], QStringLiteral("x"));
        QCOMPARE(aFields[1], QString());
    }

    void toDouble_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "100000000" << true << 1e8;
        QTest::newRow("point") << "12.5" << true << 12.5;
        QTest::newRow("comma") << "12,5" << true << 12.5;
        QTest::newRow("blanks around") << "  \t 433.92e6 \n" << true << 433.92e6;
        QTest::newRow("exponent") << "1.5E-3" << true << 1.5e-3;
        QTest::newRow("exponent plus") << "2e+6" << true << 2e6;
        QTest::newRow("comma and exponent") << "2,5e3" << true << 2500.0;
        QTest::newRow("negative") << "-3.25" << true << -3.25;
        QTest::newRow("plus") << "+7" << true << 7.0;
        QTest::newRow("leading decimal mark") << ".5" << true << 0.5;
        QTest::newRow("leading decimal comma negative") << "-,25" << true << -0.25;
        QTest::newRow("trailing decimal mark") << "5." << true << 5.0;
        QTest::newRow("zero") << "0" << true << 0.0;
        QTest::newRow("single comma is decimal") << "1,234" << true << 1.234;
        QTest::newRow("single point is decimal") << "1.234" << true << 1.234;
        QTest::newRow("comma thousands, point decimal") << "1,234,567.89" << true << 1234567.89;
        QTest::newRow("point thousands, comma decimal") << "1.234.567,89" << true << 1234567.89;
        QTest::newRow("repeated comma groups") << "1,234,567" << true << 1234567.0;
        QTest::newRow("repeated point groups") << "12.345.678" << true << 12345678.0;
        QTest::newRow("blank groups") << "1 234 567,5" << true << 1234567.5;
        QTest::newRow("no-break space groups") << QString::fromUtf8("2\xc2\xa0"
                                                                    "400\xc2\xa0"
                                                                    "000")
                                               << true << 2400000.0;
        QTest::newRow("apostrophe groups") << "1'000'000.25" << true << 1000000.25;
        QTest::newRow("groups and exponent") << "1,000.5e3" << true << 1000500.0;
        QTest::newRow("underflow is zero") << "1e-400" << true << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << "   " << false << 0.0;
        QTest::newRow("word") << "abc" << false << 0.0;
        QTest::newRow("unit suffix") << "100MHz" << false << 0.0;
        QTest::newRow("two numbers") << "12 34" << false << 0.0;
        QTest::newRow("bad groups") << "1,23.5" << false << 0.0;
        QTest::newRow("bad blank groups") << "1 23" << false << 0.0;
        QTest::newRow("two decimal marks") << "1.234,5.6" << false << 0.0;
        QTest::newRow("group of four") << "1,2345,678" << false << 0.0;
        QTest::newRow("mixed group marks") << "1 234'567" << false << 0.0;
        QTest::newRow("groups in fraction") << "1.234 567" << false << 0.0;
        QTest::newRow("sign only") << "-" << false << 0.0;
        QTest::newRow("mark only") << "." << false << 0.0;
        QTest::newRow("double sign") << "--1" << false << 0.0;
        QTest::newRow("exponent without digits") << "1e" << false << 0.0;
        QTest::newRow("exponent only") << "e5" << false << 0.0;
        QTest::newRow("decimal exponent") << "1e2.5" << false << 0.0;
        QTest::newRow("overflow") << "1e400" << false << 0.0;
        QTest::newRow("infinity") << "inf" << false << 0.0;
        QTest::newRow("not a number") << "nan" << false << 0.0;
        QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\xd9\xa1\xd9\xa2") << false << 0.0;
        QTest::newRow("very long") << QString(5000, QLatin1Char('1')) << false << 0.0;
    }
    void toDouble()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        bool bOk = !ok;
        const double dValue = Zorvan::toDoubleEx(text, &bOk);
        QCOMPARE(bOk, ok);
        QVERIFY2(std::fabs(dValue - value) <= 1e-9 * std::max(1.0, std::fabs(value)),
                 qPrintable(QString::number(dValue, 'g', 17)));
        // The flag is optional.
        QCOMPARE(Zorvan::toDoubleEx(text), dValue);
    }
};

QTEST_GUILESS_MAIN(TstZorvanString)
#include "tst_zorvanstring.moc"
