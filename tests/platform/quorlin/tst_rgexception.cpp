#include "quorlin/rgexception.h"

#include <QtTest>

using REPORTGENERATOR::ReportException;
using REPORTGENERATOR::RGException;

namespace
{

void ThrowRefusal()
{
    throw RGException(QStringLiteral("Unknown element <Foo> in <FFM_Settings>."), 4, 9,
                      QStringLiteral("FrequencyStoreList::SetXmlString"));
}

// Which handler of the controls' input guards catches the refusal, and the text it sees.
QString CatchWith(int nHandler)
{
    try
    {
        switch (nHandler)
        {
        case 0:
            try
            {
                ThrowRefusal();
            }
            catch (const ReportException& e)
            {
                return e.GetErrorText();
            }
            break;
        case 1:
            try
            {
                ThrowRefusal();
            }
            catch (const KVException& e)
            {
                return QString::fromUtf8(e.what());
            }
            break;
        default:
            try
            {
                ThrowRefusal();
            }
            catch (const std::exception& e)
            {
                return QString::fromUtf8(e.what());
            }
        }
    }
    catch (...)
    {
        return QStringLiteral("escaped");
    }
    return QStringLiteral("not thrown");
}

} // namespace

// The errors of report objects: their text names what and where, and every handler the
// controls place around input catches them.
class TstRGException : public QObject
{
    Q_OBJECT

private slots:
    void errorText_data()
    {
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("line and column")
            << "Unknown demodulation \"XY\"" << 3 << 14 << "Unknown demodulation \"XY\" (at 3:14)";
        QTest::newRow("line only") << "Premature end of document." << 7 << 0
                                   << "Premature end of document. (at line 7)";
        QTest::newRow("no position") << "The list is too long." << 0 << 0 << "The list is too long.";
        // Texts taken from documents may hold placeholders; they must come out as they are.
        QTest::newRow("placeholders in the error")
            << "Unknown element <%2%1>" << 2 << 5 << "Unknown element <%2%1> (at 2:5)";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Unbekannter Kommentar \"Flughafen M\xc3\xbcnchen\"")
                                   << 1 << 1
                                   << QString::fromUtf8(
                                          "Unbekannter Kommentar \"Flughafen M\xc3\xbcnchen\" (at 1:1)");
    }
    void errorText()
    {
        QFETCH(QString, error);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, expected);
        const RGException e(error, line, column, QStringLiteral("FrequencyStoreList::SetXmlString"));
        QCOMPARE(e.GetErrorText(), expected);
        QCOMPARE(QString::fromUtf8(e.what()), expected);
        QCOMPARE(e.GetError(), error);
        QCOMPARE(e.GetLine(), line);
        QCOMPARE(e.GetColumn(), column);
        QCOMPARE(e.GetFunction(), QStringLiteral("FrequencyStoreList::SetXmlString"));
    }

    void caughtByInputGuards_data()
    {
        QTest::addColumn<int>("handler");
        QTest::newRow("ReportException") << 0;
        QTest::newRow("KVException") << 1;
        QTest::newRow("std::exception") << 2;
    }
    void caughtByInputGuards()
    {
        QFETCH(int, handler);
        QCOMPARE(CatchWith(handler), QStringLiteral("Unknown element <Foo> in <FFM_Settings>. (at 4:9)"));
    }
};

QTEST_GUILESS_MAIN(TstRGException)
#include "tst_rgexception.moc"
