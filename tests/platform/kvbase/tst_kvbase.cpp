// The base library without widgets: notification, diagnostics, and reading and writing the
// texts of tables, numbers and positions.

#include "common/datarow.h"
#include "common/recordingobserver.h"
#include "kvbase/coord.h"
#include "kvbase/ctokenizer.h"
#include "kvbase/errorhandler.h"
#include "kvbase/kvexception.h"
#include "kvbase/observable.h"
#include "kvbase/zorvanstring.h"

#include <QtTest>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <utility>

namespace
{
// Observers A, B, C registered on one observable in that order, D not; each leaves the
// observable when it is deleted, as the controls' observers do. Run() takes steps: +X add,
// -X remove, ^X make first, xX delete (xO the observable), 0 remove all, n notify code 5,
// oX: the next notification comes from X, t: throw.
struct Scene
{
    QStringList log;
    Observable* pObservable = new Observable;
    std::shared_ptr<const bool> spAlive = pObservable->GetAliveFlag();
    std::map<QString, RecordingObserver*> observers;
    RecordingObserver* pOriginator = nullptr;

    Scene()
    {
        for (const char* sTag : {"A", "B", "C", "D"})
            (observers[sTag] = new RecordingObserver(sTag, &log))->Observe(pObservable);
        pObservable->DeleteObserver(observers["D"]);
    }
    ~Scene()
    {
        for (auto& entry : observers)
            delete entry.second;
        if (*spAlive)
            delete pObservable;
    }
    void Run(const QString& sSteps)
    {
        for (const QString& s : sSteps.split(' ', Qt::SkipEmptyParts))
        {
            RecordingObserver* p = observers.count(s.mid(1)) ? observers[s.mid(1)] : nullptr; // "N": null
            if (s[0] == '+')
                pObservable->AddObserver(p);
            else if (s[0] == '-')
                pObservable->DeleteObserver(p);
            else if (s[0] == '^')
                pObservable->MakeFirstObserver(p);
            else if (s == "xO")
                delete pObservable;
            else if (s[0] == 'x')
                delete std::exchange(observers[s.mid(1)], nullptr);
            else if (s == "0")
                pObservable->DeleteObservers();
            else if (s == "n")
                pObservable->NotifyObservers(5);
            else if (s[0] == 'o')
                pOriginator = p;
            else if (s == "t")
                throw std::runtime_error("refused");
        }
    }
    QString Notify(TChangeCode code)
    {
        pObservable->NotifyObservers(code, std::exchange(pOriginator, nullptr));
        return std::exchange(log, QStringList()).join(' ');
    }
};

// The text with "*" standing for the degree sign.
QString T(const char* psz)
{
    return QString::fromLatin1(psz).replace('*', QChar(0x00B0));
}

bool Near(double d1, double d2, double dTolerance)
{
    return std::fabs(d1 - d2) <= dTolerance;
}
} // namespace

class TstKvBase : public QObject
{
    Q_OBJECT
    std::vector<ErrorHandler::Report> m_vecReports;
    int m_nSavedLevel = 0;

    // Kind, text, source and line of each report so far.
    QStringList Reports() const
    {
        QStringList list;
        for (const ErrorHandler::Report& r : m_vecReports)
            list << QString::number(r.eKind) + ' ' + r.sText + ' ' + r.sSource + ':' +
                        QString::number(r.nLine);
        return list;
    }

private slots:
    void init()
    {
        m_vecReports.clear();
        m_nSavedLevel = ErrorHandler::Instance()->GetLevel();
        ErrorHandler::Instance()->SetSink([this](const ErrorHandler::Report& r)
                                          { m_vecReports.push_back(r); });
    }
    void cleanup()
    {
        ErrorHandler::Instance()->SetSink(ErrorHandler::Sink());
        ErrorHandler::Instance()->SetLevel(m_nSavedLevel);
    }

    void notify_data()
    {
        QTest::addColumn<QString>("steps");  // run before; "|" what B does when told code 1; "|" when told 5
        QTest::addColumn<QString>("first");  // log of the notification with code 1
        QTest::addColumn<QString>("second"); // log of a following notification with code 2; "-": deleted
        auto row = [](const char* pszName, const char* pszSteps, const char* pszFirst, const char* pszSecond)
        { Row(pszName, QString(pszSteps), QString(pszFirst), QString(pszSecond)); };
        // The one who made the change is not told.
        row("first is originator", "oA", "B:1 C:1", "A:2 B:2 C:2");
        row("last is originator", "oC", "A:1 B:1", "A:2 B:2 C:2");
        row("unregistered originator", "oD", "A:1 B:1 C:1", "A:2 B:2 C:2");
        // Registration.
        row("added twice counts once", "0 +A +A +B", "A:1 B:1", "A:2 B:2");
        row("removing an unknown one is harmless", "0 +A -D", "A:1", "A:2");
        row("make first of a new one registers it", "0 +A ^B", "B:1 A:1", "B:2 A:2");
        row("make first moves, never duplicates", "^C ^C", "C:1 A:1 B:1", "C:2 A:2 B:2");
        row("null is ignored", "+N ^N -N", "A:1 B:1 C:1", "A:2 B:2 C:2");
        // Re-entrancy: what B does while it is told.
        row("deletes itself", "|xB", "A:1 B:1 C:1", "A:2 C:2");
        row("deletes the next", "|xC", "A:1 B:1", "A:2 B:2");
        row("deletes the previous", "|xA", "A:1 B:1 C:1", "B:2 C:2");
        row("deletes the observable", "|xO", "A:1 B:1", "-");
        row("unregisters everyone", "|0", "A:1 B:1", "");
        row("adds one: told from the next time", "|+D", "A:1 B:1 C:1", "A:2 B:2 C:2 D:2");
        row("puts a new one first", "|^D", "A:1 B:1 C:1", "D:2 A:2 B:2 C:2");
        row("puts the next one first: told once", "|^C", "A:1 B:1 C:1", "C:2 A:2 B:2");
        row("re-registers the next: told from the next time", "|-C +C", "A:1 B:1", "A:2 B:2 C:2");
        row("deletes the next, a new one registers", "|xC +D", "A:1 B:1", "A:2 B:2 D:2");
        row("nested notification", "|n", "A:1 B:1 A:5 B:5 C:5 C:1", "A:2 B:2 C:2");
        row("unregisters the next, then nests", "|-C n", "A:1 B:1 A:5 B:5", "A:2 B:2");
        row("nests, then deletes itself", "|n xB", "A:1 B:1 A:5 B:5 C:5 C:1", "A:2 C:2");
        row("deletes the observable inside a nested notification", "|n|xO", "A:1 B:1 A:5 B:5", "-");
        // An observer that throws leaves the observable usable: no longer notifying, everyone told again.
        row("throws", "|t", "throws: A:1 B:1", "A:2 B:2 C:2");
        row("throws inside a nested notification", "|n|-C t", "throws: A:1 B:1 A:5 B:5", "A:2 B:2");
    }
    void notify()
    {
        QFETCH(QString, steps);
        QFETCH(QString, first);
        QFETCH(QString, second);
        Scene scene;
        scene.Run(steps.section('|', 0, 0));
        if (RecordingObserver* pB = scene.observers["B"])
            pB->SetReaction(
                [&scene, steps](RecordingObserver*, Observable*, TChangeCode code) {
                    scene.Run(steps.section('|', code == 1 ? 1 : code == 5 ? 2 : 3).section('|', 0, 0));
                });
        QString sFirst;
        try
        {
            sFirst = scene.Notify(1);
        }
        catch (const std::runtime_error&)
        {
            sFirst = "throws: " + std::exchange(scene.log, QStringList()).join(' ');
        }
        QCOMPARE(sFirst, first);
        QCOMPARE(*scene.spAlive, second != "-");
        if (!*scene.spAlive)
            return;
        QCOMPARE(scene.pObservable->CountObservers(), second.count(':'));
        QCOMPARE(scene.Notify(2), second);
    }

    void assertionsAreGatedByLevel()
    {
        // The expression as written; switched-off assertions cost nothing, side effects included.
        for (auto [nLevel, bOn] : std::initializer_list<std::pair<int, bool>>{
                 {0x02, true}, {0xFF, true}, {0, false}, {0x21, false}})
        {
            m_vecReports.clear();
            ErrorHandler::Instance()->SetLevel(nLevel);
            int nEvaluated = 0;
            const void* pNode = nullptr;
            KV_ASSERT(++nEvaluated && pNode, "controls/frequencyviewctrl", 42);
            KV_ASSERT(&nEvaluated, "holds", 43);
            QVERIFY2(Reports() == (bOn ? QStringList{"0 ++nEvaluated && pNode controls/frequencyviewctrl:42"}
                                       : QStringList()),
                     qPrintable(QString::number(nLevel) + ": " + Reports().join('|')));
            QCOMPARE(nEvaluated, bOn ? 1 : 0);
        }
    }

    void reportsReachTheSink()
    {
        ErrorHandler* pHandler = ErrorHandler::Instance();
        pHandler->_Q_Trace(QStringLiteral("_GETVALUE %1 failed - ignored"), QStringLiteral("src"), 0);
        pHandler->_Q_assert(QStringLiteral("pTi->GetNode()"), QStringLiteral("tvidcd"), 7);
        // Exceptions with their text: the message, then whatever of function, source, line and detail is
        // known.
        for (const char* pszParts : {"Bad XML.||||0", "Wrong type.|CreateValue|viewctrl||88",
                                     "Could not read file.|VtFile::Read|oskevo/vtfile|/tmp/x.xml|12"})
        {
            const QStringList p = QString(pszParts).split('|');
            pHandler->Interface(KVException(p[0], p[1], p[2], p[3], p[4].toInt()));
        }
        QCOMPARE(Reports(),
                 (QStringList{"1 _GETVALUE %1 failed - ignored src:0", "0 pTi->GetNode() tvidcd:7",
                              "2 Bad XML. :0", "2 Wrong type. [CreateValue] (viewctrl:88) viewctrl:88",
                              "2 Could not read file. [VtFile::Read] (oskevo/vtfile:12): /tmp/x.xml "
                              "oskevo/vtfile:12"}));
        // Callers that only know std::exception still get the full text.
        const KVException e(QString::fromUtf8("Datei \u00e4 fehlt."), "", "", "", 0, 9);
        QCOMPARE(QString::fromUtf8(static_cast<const std::exception&>(e).what()),
                 QString::fromUtf8("Datei \u00e4 fehlt."));
        // An empty sink restores the default, a warning; the old sink comes back.
        QVERIFY(bool(pHandler->SetSink(ErrorHandler::Sink())));
        QTest::ignoreMessage(QtWarningMsg, "assertion: pValue (src/file:3)");
        pHandler->_Q_assert(QStringLiteral("pValue"), QStringLiteral("src/file"), 3);
        QCOMPARE(m_vecReports.size(), size_t(5));
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
            });
        ErrorHandler::Instance()->_Q_Trace(QStringLiteral("one"), QStringLiteral("s"), 1);
        ErrorHandler::Instance()->_Q_Trace(QStringLiteral("two"), QStringLiteral("s"), 2);
        QCOMPARE(QList<int>({nFirst, nSecond}), QList<int>({1, 1}));
    }

    // Lines and fields of the tab-separated frequency list paste: the tokenizer (no slots) keeps
    // empty lines and adds none after a final break; the field splitter gets slots that hold the
    // separator before each line, and stale fields of a longer previous line must not survive.
    void split_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("slotCount"); // 0: the tokenizer
        QTest::addColumn<QStringList>("expected");
        auto row = [](const char* pszName, const char* pszText, const char* pszSeparator, int nSlots,
                      const QStringList& list)
        { Row(pszName, QString(pszText), QString(pszSeparator), nSlots, list); };
        row("lines: empty line kept", "a\n\nb", "\n", 0, {"a", "", "b"});
        row("lines: final break adds nothing", "a\nb\n", "\n", 0, {"a", "b"});
        row("lines: empty text", "", "\n", 0, {});
        row("lines: carriage return stays", "a\r\nb", "\n", 0, {"a\r", "b"});
        row("lines: multi-character delimiter", "a--b----c", "--", 0, {"a", "b", "", "c"});
        row("lines: empty delimiter", "a\nb", "", 0, {"a\nb"});
        row("fields: empty line", "", "\t", 20, {});
        row("fields: empty fields between, before, after", "\t1e6\t\t12500\t", "\t", 20,
            {"", "1e6", "", "12500", ""});
        // More fields than slots: the rest of the line stays whole in the last slot.
        row("fields: overflow", "a\tb\tc\td\te", "\t", 3, {"a", "b", "c\td\te"});
        row("fields: multi-character separator", "a, b,, c", ", ", 5, {"a", "b,", "c"});
        row("fields: empty separator", "a\tb", "", 5, {"a\tb"});
    }
    void split()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(int, slotCount);
        QFETCH(QStringList, expected);
        QStringList actual;
        if (slotCount == 0)
        {
            Zorvan::CTokenizer tokenizer(text, separator);
            while (tokenizer.HasMoreTokens() && actual.size() < 100)
            {
                QCOMPARE(tokenizer.CountTokens(), expected.size() - actual.size());
                actual << tokenizer.NextToken();
            }
            QCOMPARE(tokenizer.CountTokens(), 0);
            QCOMPARE(tokenizer.NextToken(), QString()); // asking past the end is harmless
        }
        else
        {
            std::vector<QString> vecFields(size_t(slotCount), separator);
            const int nCount = Zorvan::separateString(text, vecFields.data(), slotCount);
            actual = QStringList(vecFields.begin(), vecFields.begin() + nCount);
            QVERIFY(std::all_of(vecFields.begin() + nCount, vecFields.end(),
                                [](const QString& s) { return s.isEmpty(); }));
            // No slots: nothing read, nothing written.
            QCOMPARE(Zorvan::separateString(text, vecFields.data(), 0) +
                         Zorvan::separateString(text, nullptr, 5),
                     0);
            QCOMPARE(vecFields[0], nCount ? expected.at(0) : QString());
        }
        QCOMPARE(actual, expected);
    }

    // Numbers as people type them.
    void toDouble_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<double>("value"); // of every text; NaN: refused
        const double no = std::nan("");
        auto row = [](const char* pszName, const QStringList& texts, double dValue)
        { Row(pszName, texts, dValue); };
        row("decimal point or comma", {"12.5", "12,5", "  \t 12.5 \n", "+12.5", "1.25E1", "1,25e+1"}, 12.5);
        row("negative", {"-,25", "-0.25", "-2.5e-1"}, -0.25);
        row("underflow is zero", {"0", "1e-400"}, 0.0);
        row("single mark is decimal", {"1,234", "1.234"}, 1.234);
        row("groups and decimal", {"1,234,567.89", "1.234.567,89", "1 234 567,89", "1'234'567.89"},
            1234567.89);
        row("not numbers", {"", "   ", "abc", "100MHz", "12 34", "-", ".", "--1", "e5", "0x10"}, no);
        row("bad groups", {"1,23.5", "1 23", "1.234,5.6", "1,2345,678", "1 234'567", "1.234 567"}, no);
        row("bad exponents and limits",
            {"1e", "1e2.5", "1e400", "inf", "nan", QString(5000, QLatin1Char('1'))}, no);
        row("other digits", {QString::fromUtf8("\xd9\xa1\xd9\xa2")}, no);
    }
    void toDouble()
    {
        QFETCH(QStringList, texts);
        QFETCH(double, value);
        for (const QString& sText : texts)
        {
            bool bOk = std::isnan(value);
            const double dValue = Zorvan::toDoubleEx(sText, &bOk);
            const double dExpected = std::isnan(value) ? 0.0 : value;
            QVERIFY2(bOk == !std::isnan(value) &&
                         Near(dValue, dExpected, 1e-9 * std::max(1.0, std::fabs(dExpected))),
                     qPrintable(sText + ": " + QString::number(dValue, 'g', 17)));
            QCOMPARE(Zorvan::toDoubleEx(sText), dValue); // the flag is optional
        }
    }

    // Positions as the scenario tables show them and as the coordinate editor reads them back.
    void coordText_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* pszName, double dLon, double dLat, int nFormat, const char* pszText)
        { Row(pszName, dLon, dLat, nFormat, T(pszText)); };
        row("Munich DMS", 11.575278, 48.137, 1, "48*08'13.2\"N 011*34'31.0\"E");
        row("Munich DM", 11.575278, 48.137, 2, "48*08.220'N 011*34.517'E");
        row("Rio west", -43.1729, -22.9068, 1, "22*54'24.5\"S 043*10'22.4\"W");
        // Rounding must carry into minutes and degrees instead of writing 60 seconds.
        row("carry seconds", 10.999999, 47.99999, 1, "48*00'00.0\"N 011*00'00.0\"E");
        row("carry DM", 0.99999999, 0.0, 2, "00*00.000'N 001*00.000'E");
        // A value that rounds to zero has no southern or western sign.
        row("tiny negative", -1e-9, -1e-9, 1, "00*00'00.0\"N 000*00'00.0\"E");
        row("tiny but visible", -0.0001, 0.0001, 1, "00*00'00.4\"N 000*00'00.4\"W");
        row("poles and date line", -180.0, 90.0, 1, "90*00'00.0\"N 180*00'00.0\"W");
        // Invalid positions keep their raw numbers visible in every format.
        row("latitude out of range", 10.0, 91.0, 1, "91.000000 10.000000");
        row("unknown format", 11.575278, 48.137, 7, "48.137000 11.575278");
    }
    void coordText()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QFETCH(int, format);
        QFETCH(QString, expected);
        const Coord c(longitude, latitude);
        QCOMPARE(c.GetText(format), expected);
        // Valid positions: an editor with two fields shows the same texts as the table cell, and
        // every format reads back within half its last digit.
        const double dTolerance[] = {0.5e-6 + 1e-12, 0.05 / 3600.0 + 1e-12, 0.0005 / 60.0 + 1e-12};
        for (int n = 0; n < 3 && c.IsValid(); ++n)
        {
            const QString sText = c.GetText(n);
            QCOMPARE(Coord::LatitudeText(latitude, n) + ' ' + Coord::LongitudeText(longitude, n), sText);
            bool bOk = false;
            const Coord back = Coord::FromText(sText, &bOk);
            QVERIFY2(bOk && Near(back.GetLatitude(), latitude, dTolerance[n]) &&
                         Near(back.GetLongitude(), longitude, dTolerance[n]),
                     qPrintable(sText));
        }
        const double dNan = std::numeric_limits<double>::quiet_NaN(); // shown, not crashed
        QVERIFY(!Coord(dNan, 0.0).IsValid() &&
                Coord(dNan, 0.0).GetText(1).contains("nan", Qt::CaseInsensitive));
        QVERIFY(!Coord(0.0, HUGE_VAL).IsValid() &&
                Coord(0.0, HUGE_VAL).GetText(1).contains("inf", Qt::CaseInsensitive));
        QVERIFY(Coord(1e300, 1e300).GetText(1).startsWith(QLatin1String("1000")));
    }

    void coordFromText_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("expected"); // the numbers; or "!" and a part of the error
        auto row = [](const char* pszName, const QStringList& texts, const char* pszExpected)
        { Row(pszName, texts, QString(pszExpected)); };
        row("decimal, any separator",
            {"48,137 11,575", "48.137, 11.575", "48.137;11.575", " 48.137 / 11.575 "}, "48.137 11.575");
        row("letters before, after, in any order", {"N 48.137 E 11.575", "11.575E 48.137N"}, "48.137 11.575");
        row("whole numbers", {"48,11", "+48 +11", T("48*N 11*E")}, "48 11");
        row("signs and letters", {"-33.8688 -151.2093", "33.8688S 151.2093W", "S33.8688 W151.2093"},
            "-33.8688 -151.2093");
        row("DMS", {T("48*08'13.2''N 11*34'31''E"), T("48*08'13,2\"N 011*34'31\"E")}, "48.137 11.5752778");
        row("DM", {T("48*8.22'N 11*34.517'E")}, "48.137 11.5752833");
        row("empty", {"", "   "}, "!No position");
        row("not a position", {"Munich", "48.137", "48 11 5", "48 11 x"}, "!Not a position");
        row("latitude beyond a pole", {"90.5 10", "91S 10E"}, "!Latitude");
        row("longitude beyond the date line", {"10 180.01"}, "!Longitude");
        row("sixty minutes or seconds", {T("48*60'00\"N 11E"), T("48*10'60\"N 11E")}, "!below 60");
        row("two latitudes", {"48N 11S"}, "!Two latitudes");
        row("sign and letter", {"-48N 11E"}, "!sign");
        row("decimal degrees, then minutes", {T("48.5*30'N 11E")}, "!Degrees with decimals");
        row("seconds without minutes", {T("48*10\"N 11E")}, "!Seconds need minutes");
        // One part alone ("lat:", "lon:"), for editors with two fields.
        row("latitude", {T("lat:48*08'13.2\"N")}, "48.137");
        row("western longitude", {T("lon:011*34'31.0\"W")}, "-11.5752778");
        row("part refused", {"lat:12.5E", "lat:90.0001", "lon:N12", "lon:-200", "lon:12 13", "lon:"}, "!");
    }
    void coordFromText()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, expected);
        const bool bRefused = expected.startsWith('!');
        for (const QString& sText : texts)
        {
            bool bOk = false;
            QString sError;
            QList<double> values;
            if (sText.startsWith("lat:") || sText.startsWith("lon:"))
                values << (sText[1] == 'a' ? Coord::LatitudeFromText
                                           : Coord::LongitudeFromText)(sText.mid(4), &bOk, &sError);
            else
            {
                const Coord c = Coord::FromText(sText, &bOk, &sError);
                values << c.GetLatitude() << c.GetLongitude();
            }
            // Refused: an error that says why; nothing half-read, nothing clamped.
            const QStringList want = bRefused ? QStringList{"0", "0"} : expected.split(' ');
            QVERIFY2(bOk != bRefused && sError.isEmpty() != bRefused &&
                         (!bRefused || sError.contains(expected.mid(1))),
                     qPrintable(sText.left(40) + ": " + sError));
            for (int n = 0; n < values.size(); ++n)
                QVERIFY2(Near(values[n], want.value(n).toDouble(), 1e-6), qPrintable(sText.left(40)));
        }
    }
};

QTEST_GUILESS_MAIN(TstKvBase)
#include "tst_kvbase.moc"
