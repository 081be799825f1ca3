#include "common/datarow.h"
#include "fenmarro/frequencystorelist.h"
#include "quorlin/rgexception.h"

#include <QtTest>

using Fenmarro::FrequencyStoreEntry;
using Fenmarro::FrequencyStoreList;
using REPORTGENERATOR::IRGObject;
using REPORTGENERATOR::RGException;

namespace
{
// The text with %e, %s, %f, %b and %d standing for the element names FrequencyStoreEntry,
// FFM_Settings, Frequency, IFBandwidth and AnalogDemod.
QString X(QString s)
{
    for (const QString& sPair :
         QString("e:FrequencyStoreEntry s:FFM_Settings f:Frequency b:IFBandwidth d:AnalogDemod").split(' '))
        s.replace('%' + sPair.left(1), sPair.mid(2));
    return s;
}

// Es, E: an entry of type F (or with the parts given) holding these settings, or these values.
const QString F = "<Type>F</Type>";
QString Es(const QString& sSettings, const QString& sParts = F)
{
    return X("<%e>" + sParts + "<%s>" + sSettings + "</%s></%e>");
}

QString E(const QString& sHz, const QString& sBw, const QString& sDemod, const QString& sParts = F)
{
    return Es("<%f>" + sHz + "</%f><%b>" + sBw + "</%b><%d>" + sDemod + "</%d>", sParts);
}

// D: a list with a declaration around the body; its entries start on line 3.
QString D(const QString& sBody)
{
    return X("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FrequencyStoreList version=\"1\">\n" + sBody +
             "\n</FrequencyStoreList>\n");
}

FrequencyStoreEntry Make(const QString& sType, const QString& sComment, double dHz, double dBw, int nDemod)
{
    return FrequencyStoreEntry(sType, sComment,
                               Fenmarro::FFMSettings(dHz, dBw, Fenmarro::AnalogDemod(nDemod)));
}

FrequencyStoreList List(const QList<FrequencyStoreEntry>& entries)
{
    FrequencyStoreList list;
    for (const FrequencyStoreEntry& e : entries)
        list.AddEntry(e);
    return list;
}

// The entries, ";"-separated, each as type|comment|frequency|bandwidth|demodulation.
QString Describe(const FrequencyStoreList& list)
{
    QStringList entries;
    for (const FrequencyStoreEntry& e : list.GetEntries())
        entries << e.GetType() + '|' + e.GetComment() + '|' +
                       QString::number(e.GetFFM_Settings().GetFrequency().GetValue(), 'g', 17) + '|' +
                       QString::number(e.GetFFM_Settings().GetIFBandwidth().GetValue(), 'g', 17) + '|' +
                       Fenmarro::AnalogDemodToName(e.GetFFM_Settings().GetAnalogDemod());
    return entries.join(';');
}
} // namespace

// The list as the frequency editor's paste reads it: entries in order, or a refusal naming the place.
class TstFrequencyStoreList : public QObject
{
    Q_OBJECT

private slots:
    void demodulationNames()
    {
        // The device definition's demodulation selection is matched by these exact texts. Unknown
        // names leave the value alone, unknown values have no name.
        QCOMPARE(Fenmarro::AnalogDemodNames(),
                 (QStringList{"AM", "FM", "USB", "LSB", "CW", "ISB", "PULSE", "IQ"}));
        Fenmarro::AnalogDemod e = Fenmarro::DEMOD_CW;
        QVERIFY(!Fenmarro::AnalogDemodFromName("fm", &e) && !Fenmarro::AnalogDemodFromName(" FM", &e));
        QCOMPARE(e, Fenmarro::DEMOD_CW);
        QVERIFY(Fenmarro::AnalogDemodToName(Fenmarro::DEMOD_COUNT).isNull() &&
                Fenmarro::AnalogDemodToName(Fenmarro::AnalogDemod(-1)).isNull());
    }

    void read_data()
    {
        QTest::addColumn<QStringList>("xml"); // documents with the same outcome
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("expected"); // entries, ";"-separated; or "!line:" and a part of the error
        auto row = [](const char* pszName, const QStringList& xml, const QString& sExpected, int nFlags = 0)
        { Row(pszName, xml, nFlags, sExpected); };
        auto bad = [&row](const QString& sExpected, const QStringList& xml, int nFlags = 0)
        { row(qPrintable(sExpected), xml, sExpected, nFlags); }; // refused ones are named by what is expected
        const QString sGood = E("1181", "83", "AM", F + "<Comment>Tower</Comment>");
        const int nSkip = IRGObject::RG_IGNORE_UNKNOWN;
        row("one entry, declared or not",
            {D(sGood), "<FrequencyStoreList>" + sGood + "</FrequencyStoreList>"}, "F|Tower|1181|83|AM");
        row("empty list", {D(""), "<FrequencyStoreList/>"}, "");
        row("order kept",
            {D(E("2", "1", "FM", F + "<Comment>b</Comment>") + E("1", "5", "IQ", "<Type>S</Type>"))},
            "F|b|2|1|FM;S||1|5|IQ");
        row("elements in any order",
            {D(X("<%e><%s><%d>USB</%d><%b>2400</%b><%f>71</%f></%s><Type>F</Type></%e>"))}, "F||71|2400|USB");
        row("units",
            {D(Es("<%f unit=\"MHz\">433.92</%f><%b unit=\"kHz\">12.5</%b><%d>FM</%d>") +
               Es("<%f unit=\"GHz\">2.4</%f><%b unit=\"Hz\">1e6</%b><%d>IQ</%d>"))},
            "F||433920000|12500|FM;F||2400000000|1000000|IQ");
        row("comment kept exactly",
            {D(E("1", "1", "ISB", F + "<Comment>  A &amp; B &lt;C&gt; &#x263A; </Comment>") +
               E("1", "1", "AM", F + "<Comment><![CDATA[<raw> & text]]></Comment>"))},
            QString::fromUtf8("F|  A & B <C> \u263a |1|1|ISB;F|<raw> & text|1|1|AM"));
        row("unknown parts skipped",
            {D("<Header><Deep>x</Deep></Header>" + Es("<Gain>3</Gain><%f>5</%f><%b>6</%b><%d>AM</%d>",
                                                      "<Type extra=\"1\">F</Type><Antenna>2</Antenna>"))},
            "F||5|6|AM", nSkip);
        // What the writer writes reads back the same (no value framework document type, either).
        QList<FrequencyStoreEntry> every;
        for (int i = 0; i < Fenmarro::DEMOD_COUNT; ++i)
            every << Make(QString(QChar('A' + i)), QString("entry %1").arg(i), 1e6 * (i + 1), 1000.0 * i, i);
        const FrequencyStoreList awkward = List(
            {Make("F", "<tag> & \"quotes\" 'x' ]]>", 8333.333333333334, 123456789012345678.0, 0),
             Make("Scan", QString::fromUtf8("  Flughafen M\u00fcnchen \u263a\n second line"), 0.1, 1e-3, 0)});
        row("written: every demodulation", {List(every).GetXmlString()}, Describe(List(every)));
        row("written: awkward texts and numbers", {awkward.GetXmlString()}, Describe(awkward));
        // Refused, with the line.
        bad("!1:not well-formed", {"", "<FrequencyStoreList>" + sGood});
        bad("!3:not well-formed", {D(X("<%e><Type>F</Comment></%e>")), D(X("<%e><Type>&t;</Type></%e>"))});
        bad("!5:not well-formed", {D(sGood) + "<FrequencyStoreList/>"});
        bad("!1:<FrequencyList>, not a <FrequencyStoreList>",
            {"<FrequencyList>" + sGood + "</FrequencyList>"});
        bad("!3:Unexpected text \"stray\"", {D("stray " + sGood)});
        bad("!1:Version \"2\"", {"<FrequencyStoreList version=\"2\"/>"});
        bad("!3:Unknown element <Header>", {D("<Header/>" + sGood)});
        bad("!3:Unknown element <Gain> in <FFM_Settings>", {D(Es("<Gain>1</Gain>"))});
        bad("!3:Unknown attribute \"kind\" of <Type>", {D(E("1", "1", "AM", "<Type kind=\"x\">F</Type>"))});
        bad("!3:lacks <Type>", {D(E("1", "1", "AM", ""))});
        bad("!3:<Type> must not be empty", {D(E("1", "1", "AM", "<Type> </Type>"))});
        bad("!3:lacks <AnalogDemod>", {D(Es("<%f>1</%f><%b>1</%b>"))});
        bad("!3:<Frequency> is given twice", {D(Es("<%f>1</%f><%f>2</%f><%b>1</%b><%d>AM</%d>"))});
        bad("!3:<Frequency> must hold a number, not \"12a\"", {D(E("12a", "1", "AM"))});
        bad("!3:must hold a number", {D(E("1,5", "1", "AM")), D(E("inf", "1", "AM")),
                                      D(Es("<%f unit=\"GHz\">1e300</%f><%b>1</%b><%d>AM</%d>"))});
        bad("!3:<IFBandwidth> must not be negative", {D(E("1", "-5", "AM"))});
        bad("!3:<Frequency> holds a value, not the element <b>", {D(E("<b>1</b>", "1", "AM"))});
        bad("!3:Unknown unit \"mhz\"", {D(Es("<%f unit=\"mhz\">1</%f><%b>1</%b><%d>AM</%d>"))});
        bad("!3:Unknown demodulation \"am\"", {D(E("1", "1", "am"))});
        bad("!3:expected one of AM, FM, USB, LSB, CW, ISB, PULSE, IQ", {D(E("1", "1", "WFM"))});
        bad("!3:" + QString(40, 'X') + "...\"", {D(E("1", "1", QString(5000, 'X')))}); // cut in the message
        bad("!5:Unknown demodulation \"FX\"", {D(sGood + "\n\n" + E("1", "1", "FX"))});
        // Hostile input costs bounded time and memory; the reader compares a tag's attributes
        // pair by pair, tens of thousands of them would keep it busy for minutes.
        QString sAttrs;
        for (int i = 0; i < 50000; ++i)
            sAttrs += QStringLiteral(" a%1=\"1\"").arg(i);
        const QString sDeep = "<FrequencyStoreList>" + QString("<a>").repeated(200000);
        bad("!0:too deeply", {sDeep + QString("</a>").repeated(200000) + "</FrequencyStoreList>"}, nSkip);
        bad("!0:Unknown element <a>", {sDeep});
        bad("!0:too long", {QString(FrequencyStoreList::MaxDocumentLength + 1, ' ')});
        bad("!0:more than 16 attributes",
            {"<FrequencyStoreList" + sAttrs + "/>",
             "<FrequencyStoreList><x" + sAttrs + "/></FrequencyStoreList>"},
            nSkip);
        bad("!0:Document type declarations",
            {"<!DOCTYPE FrequencyStoreList [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>"
             "<FrequencyStoreList>&b;</FrequencyStoreList>",
             "<?xml version=\"1.0\"?><!DOCTYPE l [" + QString("<!ENTITY e \"x\">").repeated(10000) +
                 "]><FrequencyStoreList/>"});
    }
    void read()
    {
        QFETCH(QStringList, xml);
        QFETCH(int, flags);
        QFETCH(QString, expected);
        for (const QString& sXml : xml)
        {
            FrequencyStoreList list = List({Make("X", "old", 100, 10, Fenmarro::DEMOD_FM)});
            QString sError;
            int nLine = 0;
            try
            {
                list.SetXmlString(sXml, flags);
            }
            catch (const RGException& e)
            {
                sError = e.GetErrorText();
                nLine = e.GetLine();
            }
            if (!expected.startsWith('!'))
            {
                QVERIFY2(sError.isEmpty(), qPrintable(sError.left(200)));
                QCOMPARE(Describe(list), expected); // replaced, not appended to
                continue;
            }
            // Refused, at the place named; nothing of the document arrives, nothing old is lost.
            const int nExpectedLine = expected.section(':', 0, 0).mid(1).toInt();
            QVERIFY2(sError.contains(expected.section(':', 1)), qPrintable(sError.left(200)));
            QVERIFY(nExpectedLine == 0 || (nLine == nExpectedLine && sError.contains("(at ")));
            QCOMPARE(Describe(list), QStringLiteral("X|old|100|10|FM"));
        }
    }
};

QTEST_GUILESS_MAIN(TstFrequencyStoreList)
#include "tst_frequencystorelist.moc"
