#include "kvbase/ctokenizer.h"

#include <QtTest>

// Line splitting as the frequency list paste uses it: line by line, empty lines kept, no
// phantom line after a final line break.
class TstCTokenizer : public QObject
{
    Q_OBJECT

private slots:
    void tokens_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two lines") << "a\nb"
                                   << "\n"
                                   << QStringList{"a", "b"};
        QTest::newRow("empty line kept") << "a\n\nb"
                                         << "\n"
                                         << QStringList{"a", "", "b"};
        QTest::newRow("final break adds nothing") << "a\nb\n"
                                                  << "\n"
                                                  << QStringList{"a", "b"};
        QTest::newRow("final empty line kept") << "a\nb\n\n"
                                               << "\n"
                                               << QStringList{"a", "b", ""};
        QTest::newRow("leading break") << "\na"
                                       << "\n"
                                       << QStringList{"", "a"};
        QTest::newRow("only a break") << "\n"
                                      << "\n"
                                      << QStringList{""};
        QTest::newRow("empty text") << ""
                                    << "\n"
                                    << QStringList{};
        QTest::newRow("no delimiter in text") << "FrequencyListCopyStruct"
                                              << "\n"
                                              << QStringList{"FrequencyListCopyStruct"};
        QTest::newRow("header only with break") << "FrequencyListCopyStruct\n"
                                                << "\n"
                                                << QStringList{"FrequencyListCopyStruct"};
        QTest::newRow("carriage return stays") << "a\r\nb"
                                               << "\n"
                                               << QStringList{"a\r", "b"};
        QTest::newRow("multi-character delimiter") << "a--b----c"
                                                   << "--" << QStringList{"a", "b", "", "c"};
        QTest::newRow("overlapping delimiter") << "a---b"
                                               << "--" << QStringList{"a", "-b"};
        QTest::newRow("empty delimiter") << "a\nb"
                                         << "" << QStringList{"a\nb"};
        QTest::newRow("blank lines are tokens") << "  \n\t"
                                                << "\n"
                                                << QStringList{"  ", "\t"};
    }
    void tokens()
    {
        QFETCH(QString, text);
        QFETCH(QString, delimiter);
        QFETCH(QStringList, expected);
        Zorvan::CTokenizer tokenizer(text, delimiter);
        QStringList actual;
        int nGuard = 0;
        while (tokenizer.HasMoreTokens() && nGuard++ < 100)
        {
            QCOMPARE(tokenizer.CountTokens(), expected.size() - actual.size());
            actual << tokenizer.NextToken();
        }
        QCOMPARE(actual, expected);
        QCOMPARE(tokenizer.CountTokens(), 0);
        // Asking past the end is harmless.
        QCOMPARE(tokenizer.NextToken(), QString());
        QVERIFY(!tokenizer.HasMoreTokens());
    }
};

QTEST_GUILESS_MAIN(TstCTokenizer)
#include "tst_ctokenizer.moc"
