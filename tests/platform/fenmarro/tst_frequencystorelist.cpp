#include "fenmarro/frequencystorelist.h"
#include "quorlin/rgexception.h"

#include <QElapsedTimer>
#include <QtTest>

using Fenmarro::FFMSettings;
using Fenmarro::FrequencyStoreEntry;
using Fenmarro::FrequencyStoreList;
using REPORTGENERATOR::IRGObject;
using REPORTGENERATOR::RGException;

Q_DECLARE_METATYPE(FrequencyStoreEntry)
Q_DECLARE_METATYPE(QList<FrequencyStoreEntry>)

namespace
{

QString Settings(const QString& sFrequency, const QString& sBandwidth, const QString& sDemod)
{
    return QStringLiteral("<FFM_Settings><Frequency>%1</Frequency><IFBandwidth>%2</IFBandwidth>"
                          "<AnalogDemod>%3</AnalogDemod></FFM_Settings>")
        .arg(sFrequency, sBandwidth, sDemod);
}

QString Entry(const QString& sInner)
{
    return QStringLiteral("<FrequencyStoreEntry>") + sInner + QStringLiteral("</FrequencyStoreEntry>");
}

// A usual entry with one part replaced.
QString GoodEntry()
{
    return Entry(QStringLiteral("<Type>F</Type><Comment>Tower</Comment>") +
                 Settings(QStringLiteral("118100000"), QStringLiteral("8330"), QStringLiteral("AM")));
}

QString Doc(const QString& sBody)
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FrequencyStoreList version=\"1\">\n") +
           sBody + QStringLiteral("\n</FrequencyStoreList>\n");
}

FrequencyStoreEntry Make(const QString& sType, const QString& sComment, double dHz, double dBw,
                         Fenmarro::AnalogDemod eDemod)
{
    return FrequencyStoreEntry(sType, sComment, FFMSettings(dHz, dBw, eDemod));
}

QString Describe(const FrequencyStoreEntry& e)
{
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(e.GetType(), e.GetComment(),
             QString::number(e.GetFFM_Settings().GetFrequency().GetValue(), 'g', 17),
             QString::number(e.GetFFM_Settings().GetIFBandwidth().GetValue(), 'g', 17),
             Fenmarro::AnalogDemodToName(e.GetFFM_Settings().GetAnalogDemod()));
}

} // namespace

// The frequency store list as the frequency editor's paste reads it: good documents give
// their entries in order, anything else is refused with a message naming the place.
class TstFrequencyStoreList : public QObject
{
    Q_OBJECT

private slots:
    void demodulationNames()
    {
        // The device definition's demodulation selection is matched by these exact texts.
        QCOMPARE(Fenmarro::AnalogDemodNames(),
                 (QStringList{"AM", "FM", "USB", "LSB", "CW", "ISB", "PULSE", "IQ"}));
        for (int i = 0; i < Fenmarro::DEMOD_COUNT; ++i)
        {
            Fenmarro::AnalogDemod eDemod = Fenmarro::DEMOD_COUNT;
            QVERIFY(Fenmarro::AnalogDemodFromName(Fenmarro::AnalogDemodToName(Fenmarro::AnalogDemod(i)),
                                                  &eDemod));
            QCOMPARE(int(eDemod), i);
        }
        Fenmarro::AnalogDemod eKept = Fenmarro::DEMOD_CW;
        QVERIFY(!Fenmarro::AnalogDemodFromName(QStringLiteral("fm"), &eKept));
        QVERIFY(!Fenmarro::AnalogDemodFromName(QStringLiteral(" FM"), &eKept));
        QCOMPARE(eKept, Fenmarro::DEMOD_CW);
        QCOMPARE(Fenmarro::AnalogDemodToName(Fenmarro::DEMOD_COUNT), QString());
        QCOMPARE(Fenmarro::AnalogDemodToName(Fenmarro::AnalogDemod(-1)), QString());
    }

    void goodDocuments_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one entry") << Doc(GoodEntry()) << 0 << QStringList{"F|Tower|118100000|8330|AM"};
        QTest::newRow("empty list") << Doc(QString()) << 0 << QStringList{};
        QTest::newRow("empty root element") << "<FrequencyStoreList/>" << 0 << QStringList{};
        QTest::newRow("no declaration, no version")
            << "<FrequencyStoreList>" + GoodEntry() + "</FrequencyStoreList>" << 0
            << QStringList{"F|Tower|118100000|8330|AM"};
        QTest::newRow("order kept")
            << Doc(Entry("<Type>F</Type><Comment>b</Comment>" + Settings("2000000", "1000", "FM")) +
                   Entry("<Type>S</Type><Comment>a</Comment>" + Settings("1000000", "500", "IQ")))
            << 0 << QStringList{"F|b|2000000|1000|FM", "S|a|1000000|500|IQ"};
        QTest::newRow("comment optional")
            << Doc(Entry("<Type>F</Type>" + Settings("1", "2", "CW"))) << 0 << QStringList{"F||1|2|CW"};
        QTest::newRow("elements in any order")
            << Doc(Entry("<FFM_Settings><AnalogDemod>USB</AnalogDemod>"
                         "<IFBandwidth>2400</IFBandwidth><Frequency>7100000"
                         "</Frequency></FFM_Settings><Type>F</Type>"))
            << 0 << QStringList{"F||7100000|2400|USB"};
        QTest::newRow("units")
            << Doc(Entry("<Type>F</Type><FFM_Settings><Frequency unit=\"MHz\">433.92</Frequency>"
                         "<IFBandwidth unit=\"kHz\">12.5</IFBandwidth><AnalogDemod>FM</AnalogDemod>"
                         "</FFM_Settings>") +
                   Entry("<Type>F</Type><FFM_Settings><Frequency unit=\"GHz\">2.4</Frequency>"
                         "<IFBandwidth unit=\"Hz\">1e6</IFBandwidth><AnalogDemod>IQ</AnalogDemod>"
                         "</FFM_Settings>"))
            << 0 << QStringList{"F||433920000|12500|FM", "F||2400000000|1000000|IQ"};
        QTest::newRow("number forms") << Doc(Entry("<Type>F</Type>" + Settings(" 1.5e6 ", "+.5", "LSB"))) << 0
                                      << QStringList{"F||1500000|0.5|LSB"};
        QTest::newRow("blanks around type and demodulation")
            << Doc(Entry("<Type> F </Type>" + Settings("1", "1", " PULSE\n"))) << 0
            << QStringList{"F||1|1|PULSE"};
        QTest::newRow("comment kept exactly")
            << Doc(Entry("<Type>F</Type><Comment>  A &amp; B &lt;C&gt; &#x263A; </Comment>" +
                         Settings("1", "1", "ISB")))
            << 0 << QStringList{QString::fromUtf8("F|  A & B <C> \xe2\x98\xba |1|1|ISB")};
        QTest::newRow("CDATA comment")
            << Doc(Entry("<Type>F</Type><Comment><![CDATA[<raw> & text]]></Comment>" +
                         Settings("1", "1", "AM")))
            << 0 << QStringList{"F|<raw> & text|1|1|AM"};
        QTest::newRow("comments and instructions")
            << "<?xml version=\"1.0\"?><!-- saved --><?app x?>"
               "<FrequencyStoreList><!-- c -->" +
                   Entry("<Type>F<!-- t --></Type>" + Settings("1", "1", "AM")) +
                   "</FrequencyStoreList><!-- end -->"
            << 0 << QStringList{"F||1|1|AM"};
        QTest::newRow("unknown parts skipped on request")
            << Doc("<Header><Deep><Deeper>x</Deeper></Deep></Header>" +
                   Entry(
                       "<Type extra=\"1\">F</Type><Antenna>2</Antenna>" +
                       QString(
                           "<FFM_Settings><Gain>3</Gain><Frequency>5</Frequency><IFBandwidth>6</IFBandwidth>"
                           "<AnalogDemod>AM</AnalogDemod></FFM_Settings>")))
            << int(IRGObject::RG_IGNORE_UNKNOWN) << QStringList{"F||5|6|AM"};
    }
    void goodDocuments()
    {
        QFETCH(QString, xml);
        QFETCH(int, flags);
        QFETCH(QStringList, expected);
        FrequencyStoreList list;
        list.AddEntry(Make("X", "stale", 1, 1, Fenmarro::DEMOD_AM)); // replaced, not appended to
        try
        {
            list.SetXmlString(xml, flags);
        }
        catch (const RGException& e)
        {
            QFAIL(qPrintable(e.GetErrorText()));
        }
        QStringList actual;
        for (const FrequencyStoreEntry& e : list.GetEntries())
            actual << Describe(e);
        QCOMPARE(actual, expected);
        QCOMPARE(list.GetEntryCount(), expected.size());
    }

    void badDocuments_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("errorPart");
        QTest::addColumn<int>("line");
        const QString sEntry = GoodEntry();
        QTest::newRow("empty text") << ""
                                    << "not well-formed" << 1;
        QTest::newRow("plain text with the marker") << "FrequencyStoreList"
                                                    << "not well-formed" << 1;
        QTest::newRow("unclosed") << "<FrequencyStoreList>" + sEntry << "not well-formed" << 1;
        QTest::newRow("mismatched tags")
            << Doc("<FrequencyStoreEntry><Type>F</Comment></FrequencyStoreEntry>") << "not well-formed" << 3;
        QTest::newRow("other root") << "<FrequencyList>" + sEntry + "</FrequencyList>"
                                    << "<FrequencyList>, not a <FrequencyStoreList>" << 1;
        QTest::newRow("value framework XML") << "<!DOCTYPE Vt><Vt><Node name=\"FrequencyStoreList\"/></Vt>"
                                             << "Document type declarations" << 1;
        QTest::newRow("entity expansion")
            << "<!DOCTYPE FrequencyStoreList [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
               "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><FrequencyStoreList>&b;"
               "</FrequencyStoreList>"
            << "Document type declarations" << 1;
        QTest::newRow("undeclared entity")
            << Doc(Entry("<Type>&t;</Type>" + Settings("1", "1", "AM"))) << "not well-formed" << 3;
        QTest::newRow("second root") << Doc(sEntry) + "<FrequencyStoreList/>"
                                     << "not well-formed" << 5;
        QTest::newRow("text in the list") << Doc("stray " + sEntry) << "Unexpected text \"stray\"" << 3;
        QTest::newRow("unknown version") << "<FrequencyStoreList version=\"2\"/>"
                                         << "Version \"2\"" << 1;
        QTest::newRow("unknown element") << Doc("<Header/>" + sEntry) << "Unknown element <Header>" << 3;
        QTest::newRow("unknown element in settings")
            << Doc(Entry("<Type>F</Type><FFM_Settings><Gain>1</Gain></FFM_Settings>"))
            << "Unknown element <Gain> in <FFM_Settings>" << 3;
        QTest::newRow("unknown attribute")
            << Doc(Entry("<Type kind=\"x\">F</Type>" + Settings("1", "1", "AM")))
            << "Unknown attribute \"kind\" of <Type>" << 3;
        QTest::newRow("missing type") << Doc(Entry(Settings("1", "1", "AM"))) << "lacks <Type>" << 3;
        QTest::newRow("empty type") << Doc(Entry("<Type> </Type>" + Settings("1", "1", "AM")))
                                    << "<Type> must not be empty" << 3;
        QTest::newRow("missing settings") << Doc(Entry("<Type>F</Type>")) << "lacks <FFM_Settings>" << 3;
        QTest::newRow("missing frequency")
            << Doc(Entry(
                   "<Type>F</Type><FFM_Settings><IFBandwidth>1</IFBandwidth><AnalogDemod>AM</AnalogDemod>"
                   "</FFM_Settings>"))
            << "lacks <Frequency>" << 3;
        QTest::newRow("missing bandwidth")
            << Doc(Entry("<Type>F</Type><FFM_Settings><Frequency>1</Frequency><AnalogDemod>AM</AnalogDemod>"
                         "</FFM_Settings>"))
            << "lacks <IFBandwidth>" << 3;
        QTest::newRow("missing demodulation")
            << Doc(Entry("<Type>F</Type><FFM_Settings><Frequency>1</Frequency><IFBandwidth>1</IFBandwidth>"
                         "</FFM_Settings>"))
            << "lacks <AnalogDemod>" << 3;
        QTest::newRow("frequency twice")
            << Doc(Entry("<Type>F</Type><FFM_Settings><Frequency>1</Frequency><Frequency>2</Frequency>"
                         "<IFBandwidth>1</IFBandwidth><AnalogDemod>AM</AnalogDemod></FFM_Settings>"))
            << "<Frequency> is given twice" << 3;
        QTest::newRow("type twice") << Doc(Entry("<Type>F</Type><Type>S</Type>" + Settings("1", "1", "AM")))
                                    << "<Type> is given twice" << 3;
        QTest::newRow("settings twice")
            << Doc(Entry("<Type>F</Type>" + Settings("1", "1", "AM") + Settings("1", "1", "AM")))
            << "<FFM_Settings> is given twice" << 3;
        QTest::newRow("frequency not a number") << Doc(Entry("<Type>F</Type>" + Settings("12a", "1", "AM")))
                                                << "<Frequency> must hold a number, not \"12a\"" << 3;
        QTest::newRow("decimal comma")
            << Doc(Entry("<Type>F</Type>" + Settings("1,5", "1", "AM"))) << "must hold a number" << 3;
        QTest::newRow("empty number")
            << Doc(Entry("<Type>F</Type>" + Settings("", "1", "AM"))) << "must hold a number" << 3;
        QTest::newRow("infinite") << Doc(Entry("<Type>F</Type>" + Settings("inf", "1", "AM")))
                                  << "must hold a number" << 3;
        QTest::newRow("overflow") << Doc(Entry("<Type>F</Type>" + Settings("1e999", "1", "AM")))
                                  << "must hold a number" << 3;
        QTest::newRow("overflow by unit")
            << Doc(Entry("<Type>F</Type><FFM_Settings><Frequency unit=\"GHz\">1e300</Frequency>"
                         "<IFBandwidth>1</IFBandwidth><AnalogDemod>AM</AnalogDemod></FFM_Settings>"))
            << "must hold a number" << 3;
        QTest::newRow("negative bandwidth") << Doc(Entry("<Type>F</Type>" + Settings("1", "-5", "AM")))
                                            << "<IFBandwidth> must not be negative" << 3;
        QTest::newRow("element in a value") << Doc(Entry("<Type>F</Type>" + Settings("<b>1</b>", "1", "AM")))
                                            << "<Frequency> holds a value, not the element <b>" << 3;
        QTest::newRow("unknown unit")
            << Doc(Entry("<Type>F</Type><FFM_Settings><Frequency unit=\"mhz\">1</Frequency>"
                         "<IFBandwidth>1</IFBandwidth><AnalogDemod>AM</AnalogDemod></FFM_Settings>"))
            << "Unknown unit \"mhz\"" << 3;
        QTest::newRow("demodulation in lower case")
            << Doc(Entry("<Type>F</Type>" + Settings("1", "1", "am"))) << "Unknown demodulation \"am\"" << 3;
        QTest::newRow("unknown demodulation") << Doc(Entry("<Type>F</Type>" + Settings("1", "1", "WFM")))
                                              << "expected one of AM, FM, USB, LSB, CW, ISB, PULSE, IQ" << 3;
        QTest::newRow("long garbage is cut in the message")
            << Doc(Entry("<Type>F</Type>" + Settings("1", "1", QString(5000, QLatin1Char('X')))))
            << QString(40, QLatin1Char('X')) + "...\"" << 3;
        QTest::newRow("error on a later line")
            << Doc(sEntry + "\n\n" + Entry("<Type>F</Type>" + Settings("1", "1", "FX")))
            << "Unknown demodulation \"FX\"" << 5;
    }
    void badDocuments()
    {
        QFETCH(QString, xml);
        QFETCH(QString, errorPart);
        QFETCH(int, line);
        FrequencyStoreList list;
        const FrequencyStoreEntry kept = Make("F", "kept", 100, 10, Fenmarro::DEMOD_FM);
        list.AddEntry(kept);
        try
        {
            list.SetXmlString(xml, 0);
            QFAIL("accepted");
        }
        catch (const RGException& e)
        {
            QVERIFY2(e.GetErrorText().contains(errorPart), qPrintable(e.GetErrorText()));
            QCOMPARE(e.GetLine(), line);
            QVERIFY(e.GetErrorText().contains(QLatin1String("(at ")));
        }
        // Nothing of the refused document arrives, nothing of the old content is lost.
        QCOMPARE(list.GetEntryCount(), 1);
        QCOMPARE(list.GetEntry(0), kept);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QList<FrequencyStoreEntry>>("entries");
        QTest::newRow("none") << QList<FrequencyStoreEntry>{};
        QTest::newRow("every demodulation") << []
        {
            QList<FrequencyStoreEntry> vec;
            for (int i = 0; i < Fenmarro::DEMOD_COUNT; ++i)
                vec << Make(QString(QChar('A' + i)), QStringLiteral("entry %1").arg(i), 1e6 * (i + 1),
                            1000.0 * i, Fenmarro::AnalogDemod(i));
            return vec;
        }();
        QTest::newRow("awkward texts and numbers") << QList<FrequencyStoreEntry>{
            Make("F", "<tag> & \"quotes\" 'x' ]]>", 118.1e6, 8333.333333333334, Fenmarro::DEMOD_AM),
            Make("Scan", QString::fromUtf8("Flughafen M\xc3\xbcnchen \xe2\x98\xba"), 0.1,
                 123456789012345678.0, Fenmarro::DEMOD_IQ),
            Make("F", "  padded  \n second line", 0.0, 1e-3, Fenmarro::DEMOD_PULSE)};
    }
    void roundTrip()
    {
        QFETCH(QList<FrequencyStoreEntry>, entries);
        FrequencyStoreList written;
        for (const FrequencyStoreEntry& e : entries)
            written.AddEntry(e);
        const QString sXml = written.GetXmlString();
        QVERIFY(sXml.contains(QLatin1String("FrequencyStoreList"))); // how paste tells the format
        QVERIFY(!sXml.contains(QLatin1String("<!DOCTYPE Vt>")));
        FrequencyStoreList read;
        try
        {
            read.SetXmlString(sXml, 0);
        }
        catch (const RGException& e)
        {
            QFAIL(qPrintable(e.GetErrorText() + QLatin1Char('\n') + sXml));
        }
        QCOMPARE(read.GetEntryCount(), entries.size());
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(Describe(read.GetEntry(i)), Describe(entries.at(i)));
    }

    void hostileInputIsBounded_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("errorPart");
        const int nDeep = 200000;
        QTest::newRow("deep nesting, skipped")
            << "<FrequencyStoreList>" + QString("<a>").repeated(nDeep) + QString("</a>").repeated(nDeep) +
                   "</FrequencyStoreList>"
            << int(IRGObject::RG_IGNORE_UNKNOWN) << "nested too deeply";
        QTest::newRow("deep nesting, strict")
            << "<FrequencyStoreList>" + QString("<a>").repeated(nDeep) << 0 << "Unknown element <a>";
        QTest::newRow("oversized document")
            << QString(FrequencyStoreList::MaxDocumentLength + 1, QLatin1Char(' ')) << 0 << "too long";
        // The XML reader compares a tag's attributes pair by pair: tens of thousands of them
        // would keep it busy for minutes.
        const QString sAttributes = []
        {
            QString s;
            for (int i = 0; i < 50000; ++i)
                s += QStringLiteral(" a%1=\"1\"").arg(i);
            return s;
        }();
        QTest::newRow("many attributes on the root")
            << "<FrequencyStoreList" + sAttributes + "/>" << int(IRGObject::RG_IGNORE_UNKNOWN)
            << "more than 16 attributes";
        QTest::newRow("many attributes, skipped element")
            << "<FrequencyStoreList><x" + sAttributes + "/></FrequencyStoreList>"
            << int(IRGObject::RG_IGNORE_UNKNOWN) << "more than 16 attributes";
        QTest::newRow("entity definitions never read")
            << "<?xml version=\"1.0\"?><!DOCTYPE l [" + QString("<!ENTITY e \"x\">").repeated(10000) +
                   "]><FrequencyStoreList/>"
            << 0 << "Document type declarations";
    }

    void hostileInputIsBounded()
    {
        QFETCH(QString, xml);
        QFETCH(int, flags);
        QFETCH(QString, errorPart);
        FrequencyStoreList list;
        try
        {
            list.SetXmlString(xml, flags);
            QFAIL("accepted");
        }
        catch (const RGException& e)
        {
            QVERIFY2(e.GetErrorText().contains(errorPart), qPrintable(e.GetErrorText().left(200)));
        }
        QCOMPARE(list.GetEntryCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TstFrequencyStoreList)
#include "tst_frequencystorelist.moc"
