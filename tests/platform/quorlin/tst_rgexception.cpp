#include "common/datarow.h"
#include "quorlin/rgexception.h"

#include <QtTest>

using REPORTGENERATOR::ReportException;
using REPORTGENERATOR::RGException;

namespace
{
// The text a handler of the controls' input guards for E sees of a refusal.
template <class E> QString CatchAs(const RGException& exception)
{
    try
    {
        throw exception;
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
        QTest::addColumn<QString>("place");
        Row("line and column", "Unknown element <%2%1>", 3, 14, " (at 3:14)");
        Row("line only", "Premature end of document.", 7, 0, " (at line 7)");
        Row("no position", QString::fromUtf8("Kommentar \"M\u00fcnchen\""), 0, 0, "");
    }
    void errorText()
    {
        QFETCH(QString, error);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, place);
        const RGException e(error, line, column, QStringLiteral("FrequencyStoreList::SetXmlString"));
        QCOMPARE(e.GetErrorText(), error + place);
        for (const QString& sCaught :
             {CatchAs<ReportException>(e), CatchAs<KVException>(e), CatchAs<std::exception>(e)})
            QCOMPARE(sCaught, error + place);
    }
};

QTEST_GUILESS_MAIN(TstRGException)
#include "tst_rgexception.moc"
