#include "kvbase/errorhandler.h"
#include "kvbase/kvexception.h"

#include <QtTest>

#include <vector>

// Diagnostics of the base library: what the level mask lets through, what a sink sees, and
// the texts of the exception type.
class TstErrorHandler : public QObject
{
    Q_OBJECT

private:
    std::vector<ErrorHandler::Report> m_vecReports;
    int m_nSavedLevel = 0;

    void Record()
    {
        ErrorHandler::Instance()->SetSink([this](const ErrorHandler::Report& r)
                                          { m_vecReports.push_back(r); });
    }

private slots:
    void init()
    {
        m_vecReports.clear();
        m_nSavedLevel = ErrorHandler::Instance()->GetLevel();
        Record();
    }
    void cleanup()
    {
        ErrorHandler::Instance()->SetSink(ErrorHandler::Sink());
        ErrorHandler::Instance()->SetLevel(m_nSavedLevel);
    }

    void assertGatedByLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("condition");
        QTest::addColumn<int>("expectedReports");
        QTest::newRow("assert bit, failing") << int(ErrorHandler::LEVEL_ASSERT) << false << 1;
        QTest::newRow("assert bit, holding") << int(ErrorHandler::LEVEL_ASSERT) << true << 0;
        QTest::newRow("no bits, failing") << 0 << false << 0;
        QTest::newRow("trace bit only, failing") << int(ErrorHandler::LEVEL_TRACE) << false << 0;
        QTest::newRow("error bit only, failing") << int(ErrorHandler::LEVEL_ERROR) << false << 0;
        QTest::newRow("all bits, failing") << 0xFF << false << 1;
        QTest::newRow("raw 0x02, failing") << 0x02 << false << 1;
    }
    void assertGatedByLevel()
    {
        QFETCH(int, level);
        QFETCH(bool, condition);
        QFETCH(int, expectedReports);
        ErrorHandler::Instance()->SetLevel(level);
        const void* pNode = condition ? this : nullptr;
        KV_ASSERT(pNode, "controls/dravinelcontrols/frequencyviewctrl", 42);
        QCOMPARE(int(m_vecReports.size()), expectedReports);
        if (expectedReports)
        {
            const ErrorHandler::Report& r = m_vecReports.front();
            QCOMPARE(r.eKind, ErrorHandler::KIND_ASSERT);
            QCOMPARE(r.sText, QStringLiteral("pNode")); // the asserted expression as written
            QCOMPARE(r.sSource, QStringLiteral("controls/dravinelcontrols/frequencyviewctrl"));
            QCOMPARE(r.nLine, 42);
        }
    }

    void assertDoesNotEvaluateWhenOff()
    {
        // Switched-off assertions must cost nothing, side effects included.
        ErrorHandler::Instance()->SetLevel(0);
        int nCalls = 0;
        auto check = [&nCalls]()
        {
            ++nCalls;
            return false;
        };
        KV_ASSERT(check(), "x", 1);
        QCOMPARE(nCalls, 0);
    }

    void reportsCarryTextSourceLine_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("line");
        QTest::newRow("trace") << int(ErrorHandler::KIND_TRACE) << "EXCEPTION WHILE PASTING FREQUENCIES:"
                               << "controls/dravinelcontrols/frequencyviewctrl" << 862;
        QTest::newRow("assert") << int(ErrorHandler::KIND_ASSERT) << "pTi->GetNode()"
                                << "controls/dravinelcontrols/tvidcd" << 7;
        QTest::newRow("trace with percent")
            << int(ErrorHandler::KIND_TRACE) << "_GETVALUE %1 failed - ignored"
            << "src" << 0;
    }
    void reportsCarryTextSourceLine()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, source);
        QFETCH(int, line);
        if (kind == ErrorHandler::KIND_TRACE)
            ErrorHandler::Instance()->_Q_Trace(text, source, line);
        else
            ErrorHandler::Instance()->_Q_assert(text, source, line);
        QCOMPARE(int(m_vecReports.size()), 1);
        QCOMPARE(int(m_vecReports[0].eKind), kind);
        QCOMPARE(m_vecReports[0].sText, text);
        QCOMPARE(m_vecReports[0].sSource, source);
        QCOMPARE(m_vecReports[0].nLine, line);
    }

    void interfaceReportsException()
    {
        const KVException e(QStringLiteral("Could not read file."), QStringLiteral("VtFile::Read"),
                            QStringLiteral("oskevo/vtfile"), QStringLiteral("/tmp/x.xml"), 12, 5);
        ErrorHandler::Instance()->Interface(e);
        QCOMPARE(int(m_vecReports.size()), 1);
        QCOMPARE(m_vecReports[0].eKind, ErrorHandler::KIND_EXCEPTION);
        QCOMPARE(m_vecReports[0].sText, e.GetText());
        QCOMPARE(m_vecReports[0].sSource, QStringLiteral("oskevo/vtfile"));
        QCOMPARE(m_vecReports[0].nLine, 12);
    }

    void emptySinkRestoresWarning()
    {
        ErrorHandler::Sink old = ErrorHandler::Instance()->SetSink(ErrorHandler::Sink());
        QVERIFY(bool(old)); // the recording sink of init() comes back
        QTest::ignoreMessage(QtWarningMsg, "assertion: pValue (src/file:3)");
        ErrorHandler::Instance()->_Q_assert(QStringLiteral("pValue"), QStringLiteral("src/file"), 3);
        QVERIFY(m_vecReports.empty());
    }

    void sinkMayReplaceItselfWhileReporting()
    {
        // A sink that swaps itself out during a report (e.g. a test helper that listens for
        // exactly one report) must not pull the running function from under itself.
        int nFirst = 0;
        int nSecond = 0;
        ErrorHandler::Instance()->SetSink(
            [&](const ErrorHandler::Report& r)
            {
                ++nFirst;
                const QString sCopy = r.sText; // touches state after the swap below
                ErrorHandler::Instance()->SetSink([&nSecond](const ErrorHandler::Report&) { ++nSecond; });
                QCOMPARE(sCopy, r.sText);
                QCOMPARE(nFirst, 1);
            });
        ErrorHandler::Instance()->_Q_Trace(QStringLiteral("one"), QStringLiteral("s"), 1);
        ErrorHandler::Instance()->_Q_Trace(QStringLiteral("two"), QStringLiteral("s"), 2);
        QCOMPARE(nFirst, 1);
        QCOMPARE(nSecond, 1);
    }

    void exceptionTexts_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("message only") << "Bad XML."
                                      << ""
                                      << ""
                                      << "" << 0 << "Bad XML.";
        QTest::newRow("create node")
            << "Could not create node according to value descriptor Fd."
            << "CreateNode"
            << ""
            << "" << 0 << "Could not create node according to value descriptor Fd. [CreateNode]";
        QTest::newRow("source and line") << "Wrong type assumed for Start."
                                         << "CreateValue"
                                         << "controls/dravinelcontrols/frequencyviewctrl"
                                         << "" << 88
                                         << "Wrong type assumed for Start. [CreateValue] "
                                            "(controls/dravinelcontrols/frequencyviewctrl:88)";
        QTest::newRow("source without line") << "Cannot open."
                                             << ""
                                             << "job.xml"
                                             << "" << 0 << "Cannot open. (job.xml)";
        QTest::newRow("everything") << "Cannot parse."
                                    << "VtXml::FromXml"
                                    << "doc"
                                    << "unexpected <x>" << 3
                                    << "Cannot parse. [VtXml::FromXml] (doc:3): unexpected <x>";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Datei \xc3\xa4 fehlt.") << ""
                                   << ""
                                   << "" << 0 << QString::fromUtf8("Datei \xc3\xa4 fehlt.");
    }
    void exceptionTexts()
    {
        QFETCH(QString, message);
        QFETCH(QString, function);
        QFETCH(QString, source);
        QFETCH(QString, detail);
        QFETCH(int, line);
        QFETCH(QString, text);
        try
        {
            throw KVException(message, function, source, detail, line, 9);
        }
        catch (const std::exception& e)
        {
            // Callers that only know std::exception still get the full text.
            QCOMPARE(QString::fromUtf8(e.what()), text);
            const KVException* pKv = dynamic_cast<const KVException*>(&e);
            QVERIFY(pKv);
            QCOMPARE(pKv->GetText(), text);
            QCOMPARE(pKv->GetCode(), 9);
            return;
        }
        QFAIL("not caught");
    }
};

QTEST_GUILESS_MAIN(TstErrorHandler)
#include "tst_errorhandler.moc"
