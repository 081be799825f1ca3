#include "quorlin/rgexception.h"

#include <QtTest>

using REPORTGENERATOR::ReportException;
using REPORTGENERATOR::RGException;

namespace
{
// The text a handler of the controls' input guards for E sees of a refusal.
template <class E> QString CatchAs()
{
    try
    {
        throw RGException("Unknown element <Foo> in <FFM_Settings>.", 4, 9,
                          "FrequencyStoreList::SetXmlString");
    }
    catch (const E& e)
    {
        return QString::fromUtf8(e.what());
    }
    catch (...)
    {
        return QStringLiteral("escaped");
    }
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
        auto row =
            [](const char* pszName, const QString& sError, int nLine, int nColumn, const QString& sPlace)
        { QTest::newRow(pszName) << sError << nLine << nColumn << sError + sPlace; };
        row("line and column", "Unknown demodulation \"XY\"", 3, 14, " (at 3:14)");
        row("line only", "Premature end of document.", 7, 0, " (at line 7)");
        row("no position", "The list is too long.", 0, 0, "");
        // Texts taken from documents may hold placeholders; they must come out as they are.
        row("placeholders in the error", "Unknown element <%2%1>", 2, 5, " (at 2:5)");
        row("non-ASCII", QString::fromUtf8("Unbekannter Kommentar \"Flughafen M\u00fcnchen\""), 1, 1,
            " (at 1:1)");
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
        QVERIFY(e.GetError() == error && e.GetLine() == line && e.GetColumn() == column);
    }

    void caughtByInputGuards()
    {
        const QString sText = QStringLiteral("Unknown element <Foo> in <FFM_Settings>. (at 4:9)");
        QCOMPARE(CatchAs<ReportException>(), sText);
        QCOMPARE(CatchAs<KVException>(), sText);
        QCOMPARE(CatchAs<std::exception>(), sText);
    }
};

QTEST_GUILESS_MAIN(TstRGException)
#include "tst_rgexception.moc"
