// The frequency view's clipboard: copy and paste between two views, the tab-separated list
// operators bring from spreadsheets (good and broken), frequency store lists, value framework XML
// with foreign nodes, and the exact messages of every failure, also as a real message box.

#include "common/datarow.h"
#include "tst_frequencyfixture.h"

#include "fenmarro/frequencystorelist.h"
#include "oskevo/node.h"
#include "oskevo/vtxml.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

using namespace FrequencyTest;

namespace
{
const QString s_sUnknown = QStringLiteral("Paste Text Format Error:\nUnknown Format.");
const QString s_sNotAdded =
    QStringLiteral("Paste Text Format Error.\nThe data in the clipboard could not be added!");

// A spreadsheet's list: header line, column line, then the lines, joined with sEnd.
QString Sheet(const QStringList& listLines, const QString& sEnd = QStringLiteral("\n"))
{
    return (QStringList{"FrequencyListCopyStruct", "Frequency\tName\tBandwidth"} + listLines).join(sEnd);
}

struct Pasted
{
    QStringList listNames;
    QList<double> listStarts;
    QStringList listMessages;
    QString sConsistency;
};

// Pastes sText into a view over a list that holds one definition already ("Old").
Pasted PasteInto(const QString& sText, bool bSortedByName = false)
{
    FdsNode fds;
    values::Node* pOld = fds.Add(1e6, 2e6, QStringLiteral("Old"));
    ShownView view(fds.Get());
    if (bSortedByName)
        ClickHeader(view.Get(), 2);
    Messages messages;
    QGuiApplication::clipboard()->setText(sText);
    UseContextMenu(view.Get(), 0, QStringLiteral("Paste"));

    Pasted pasted;
    pasted.listMessages = messages.m_listTexts;
    for (values::Node* pFd : fds.Definitions())
    {
        if (pFd == pOld)
            continue;
        pasted.listNames << Name(pFd);
        pasted.listStarts << Start(pFd);
        if (Stop(pFd) != Start(pFd))
            pasted.sConsistency = QStringLiteral("stop differs from start");
    }
    if (Start(pOld) != 1e6 || Stop(pOld) != 2e6 || Name(pOld) != QStringLiteral("Old"))
        pasted.sConsistency = QStringLiteral("the definition there before was changed");
    if (view->rowCount() != fds.Definitions().size())
        pasted.sConsistency =
            QStringLiteral("%1 rows for %2 definitions").arg(view->rowCount()).arg(fds.Definitions().size());
    if (pasted.sConsistency.isEmpty())
        pasted.sConsistency = CheckRowsConsistent(view.Get(), fds.Definitions());
    return pasted;
}

QString StoreList(const QList<Fenmarro::FrequencyStoreEntry>& listEntries)
{
    Fenmarro::FrequencyStoreList list;
    for (const Fenmarro::FrequencyStoreEntry& entry : listEntries)
        list.AddEntry(entry);
    return list.GetXmlString();
}

Fenmarro::FrequencyStoreEntry StoreEntry(const QString& sComment, double dHz, double dIfHz = 12500.0,
                                         Fenmarro::AnalogDemod demod = Fenmarro::DEMOD_FM)
{
    return Fenmarro::FrequencyStoreEntry(QStringLiteral("F"), sComment,
                                         Fenmarro::FFMSettings(dHz, dIfHz, demod));
}

// A list whose new definitions come with parameters of their own (detection, and demodulation
// when asked), as device types that keep settings per frequency make them.
const values::ValueDescriptor g_vdOwnParList = values::ValueDescriptor::NodeType("OwnParList", "/OwnParList");
class OwnParRules : public values::IDynamicRules
{
public:
    void GetCreatableDescriptors(const values::Node* pNode, values::DescriptorList& list) const override
    {
        Fds()->GetCreatableDescriptors(pNode, list);
    }
    const values::DescriptorList& GetChildDescriptors() const override
    {
        return Fds()->GetChildDescriptors();
    }
    bool IsAddAllowed(const values::Node* pTarget, const values::ValueDescriptor* pDescriptor) const override
    {
        return Fds()->IsAddAllowed(pTarget, pDescriptor);
    }
    values::Node* AddNode(values::Node* pTarget, values::Node* pNode, IObserver* pOriginator) override
    {
        return Fds()->AddNode(pTarget, pNode, pOriginator);
    }
    values::Node* CreateChild(values::Node* pTarget, const values::ValueDescriptor* pDescriptor,
                              IObserver* pOriginator) override
    {
        values::Node* pFd = Fds()->CreateChild(pTarget, pDescriptor, pOriginator);
        values::Node* pPar =
            pFd ? DefinitionRules(&g_vdNodeFd)->CreateChild(pFd, &g_vdNodePar, nullptr) : nullptr;
        for (const values::ValueDescriptor* pGroup : {&g_vdNodeDet, &g_vdNodeDemod})
        {
            if (pPar && (pGroup == &g_vdNodeDet || s_bWithDemodulation))
                DefinitionRules(&g_vdNodePar)->CreateChild(pPar, pGroup, nullptr);
        }
        return pFd;
    }
    bool IsUnique(const values::ValueDescriptor* pDescriptor) const override
    {
        return Fds()->IsUnique(pDescriptor);
    }

    static bool s_bWithDemodulation;

private:
    static values::IDynamicRules* Fds() { return DefinitionRules(&g_vdNodeFds); }
};
bool OwnParRules::s_bWithDemodulation = false;
} // namespace

class TstFrequencyPaste : public QObject
{
    Q_OBJECT

private slots:
    void copyPasteBetweenViews_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QStringList>("names");

        Row("three of five", QList<int>{0, 2, 3}, QStringList{"A", "C", "D"});
        Row("one", QList<int>{4}, QStringList{"E"});
        Row("none", QList<int>{}, QStringList{});
    }

    void copyPasteBetweenViews()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QStringList, names);

        FdsNode source;
        const QStringList listAll{"A", "B", "C", "D", "E"};
        for (int n = 0; n < listAll.size(); ++n)
            source.Add(100e6 + n * 1e6, 100e6 + n * 2e6, listAll.at(n), n == 2);
        ShownView sourceView(source.Get());
        sourceView->clearSelection();
        for (int nRow : rows)
            sourceView->SelectRow(nRow, true);
        UseContextMenu(sourceView.Get(), rows.isEmpty() ? -1 : rows.first(), QStringLiteral("Copy"));
        QVERIFY(QGuiApplication::clipboard()->text().contains(QLatin1String("<!DOCTYPE Vt>")));

        FdsNode target;
        const QStringList listKept{"K0", "K1", "K2"};
        for (const QString& sName : listKept)
            target.Add(1e6, 1e6, sName);
        ShownView targetView(target.Get());
        Messages messages;
        // The menu opened on row 1 and closed, then opened below the rows: the copies land at row 1.
        UseContextMenu(targetView.Get(), 1);
        UseContextMenu(targetView.Get(), -1, QStringLiteral("Paste"));
        QCOMPARE(messages.m_listTexts, QStringList());
        QCOMPARE(target.Names(), listKept + names);
        QStringList listRows;
        for (int nRow = 0; nRow < targetView->rowCount(); ++nRow)
            listRows << targetView->item(nRow, 2)->text();
        QCOMPARE(listRows, (QStringList{"K0"} + names + QStringList{"K1", "K2"}));
        QCOMPARE(CheckRowsConsistent(targetView.Get(), target.Definitions()), QString());
        // Values travel whole: range stop and suppressed flag included.
        for (values::Node* pFd : target.Definitions().mid(listKept.size()))
        {
            values::Node* pOriginal = source.Definitions().at(listAll.indexOf(Name(pFd)));
            QCOMPARE(Stop(pFd), Stop(pOriginal));
            QCOMPARE(Value(pFd, g_vdFSupp)->GetAsString(), Value(pOriginal, g_vdFSupp)->GetAsString());
        }
        QCOMPARE(source.Names(), listAll);
    }

    // Lists pasted whole, or refused whole with the message that says why.
    void pasteSheet_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<double>>("starts");
        QTest::addColumn<QStringList>("messages");
        const auto ok = [](const char* pszTag, const QString& sText, const QStringList& listNames,
                           const QList<double>& listStarts, bool bSorted = false)
        { Row(pszTag, sText, bSorted, listNames, listStarts, QStringList()); };
        const auto refused = [](const char* pszTag, const QString& sText, const QString& sMessage)
        { Row(pszTag, sText, false, QStringList(), QList<double>(), QStringList{sMessage}); };

        const QStringList listTwo{"145500000\tCalling\t12500", "433e6\tPMR\t"};
        const QStringList listTwoNames{"Calling", "PMR"};
        const QList<double> listTwoStarts{145.5e6, 433e6};
        ok("two lines", Sheet(listTwo), listTwoNames, listTwoStarts);
        ok("windows line ends", Sheet(listTwo, "\r\n") + "\r\n", listTwoNames, listTwoStarts);
        ok("old mac line ends", Sheet(listTwo, "\r"), listTwoNames, listTwoStarts);
        ok("empty and blank lines", Sheet({"", listTwo[0], "\t\t", "  ", listTwo[1]}) + "\n\n\n",
           listTwoNames, listTwoStarts);
        ok("sorted table", Sheet(listTwo), listTwoNames, listTwoStarts, true);
        ok("version after marker", "FrequencyListCopyStruct 2.1\t\t\nFrequency\tName\tBandwidth\n1e6\tV\t0",
           {"V"}, {1e6});
        ok("columns in any order with others",
           "FrequencyListCopyStruct\nComment\tName\tX\t Bandwidth \tFrequency\nc\tN1\tx\t1\t2e6", {"N1"},
           {2e6});
        ok("names as written",
           Sheet({"1e6\t\"Tower\" 1; East, \"quoted\"\t", "2e6\tÄrø Sø – Zürich Ω\t", "3e6\t  padded  \t"}),
           {"\"Tower\" 1; East, \"quoted\"", "Ärø Sø – Zürich Ω", "  padded  "}, {1e6, 2e6, 3e6});
        ok("numbers as people write them",
           Sheet({"1.5e8\ta\t", "1,234,567\tb\t", "2,5E6\tc\t", " 1 000 000 \td\t", "144.800.000\te\t"}),
           {"a", "b", "c", "d", "e"}, {1.5e8, 1234567, 2.5e6, 1e6, 144.8e6});
        ok("short line has no name", Sheet({"1e6"}), {""}, {1e6});
        QString sWide = QStringLiteral("FrequencyListCopyStruct\n");
        QString sWideLine;
        for (int n = 0; n < 24; ++n)
        {
            sWide += QStringLiteral("C%1\t").arg(n);
            sWideLine += QStringLiteral("x%1\t").arg(n);
        }
        ok("columns after the twentieth",
           sWide + "Name\tFrequency\tBandwidth\n" + sWideLine + "Far\t7e6\t9\tmore\tcells", {"Far"}, {7e6});
        ok("header only", "FrequencyListCopyStruct\nFrequency\tName\tBandwidth\n", {}, {});
        ok("marker only", "FrequencyListCopyStruct", {}, {});
        QStringList listLines;
        QStringList listNames;
        QList<double> listStarts;
        for (int n = 0; n < 3000; ++n)
        {
            listNames << QStringLiteral("Ch %1").arg(n);
            listStarts << 30e6 + n * 25e3;
            listLines
                << QStringLiteral("%1\t%2\t25000").arg(listStarts.last(), 0, 'f', 0).arg(listNames.last());
        }
        ok("thousands of lines", Sheet(listLines, "\r\n") + "\r\n", listNames, listStarts);

        refused("marker in lower case", Sheet(listTwo).toLower(), s_sUnknown);
        refused("no bandwidth column", "FrequencyListCopyStruct\nFrequency\tName\n1e6\tA", s_sUnknown);
        refused("frequency column twice",
                "FrequencyListCopyStruct\nFrequency\tName\tBandwidth\tFrequency\n1e6\tA\t1\t2e6", s_sUnknown);
        refused("empty header line", "FrequencyListCopyStruct\n\n1e6\tA\t1", s_sUnknown);
        refused("plain text", "hello", s_sUnknown);
        // No line of a list with a bad line is pasted.
        const QString sHead =
            QStringLiteral("Paste Text Format Error:\nNothing was pasted. These lines cannot be read:\n");
        refused("not a number", Sheet({"1e6\tA\t", "100 MHz\tB\t", "3e6\tC\t"}),
                sHead + "Line 4: the frequency \"100 MHz\" is not a number.");
        refused("no frequency", Sheet({"1e6\tA\t", "\tB\t12500"}), sHead + "Line 4: no frequency is given.");
        refused("out of range", Sheet({"-5\tA\t", "1e12\tB\t"}),
                sHead + "Line 3: the frequency -5 Hz lies outside 0 to 40000000000 Hz.\n" +
                    "Line 4: the frequency 1000000000000 Hz lies outside 0 to 40000000000 Hz.");
        refused("bad bandwidth", Sheet({"1e6\tA\twide", "2e6\tB\t-3"}),
                sHead + "Line 3: the bandwidth \"wide\" is not a number.\n" +
                    "Line 4: the bandwidth -3 Hz is negative.");
        refused("line after blank lines counts them", Sheet({"", "", "x\tA\t"}, "\r\n"),
                sHead + "Line 5: the frequency \"x\" is not a number.");
        QStringList listMany;
        QString sMany = sHead;
        for (int n = 0; n < 13; ++n)
        {
            listMany << QStringLiteral("f%1\tN\t").arg(n);
            if (n < 10)
                sMany +=
                    QStringLiteral("Line %1: the frequency \"f%2\" is not a number.\n").arg(n + 3).arg(n);
        }
        refused("many bad lines", Sheet(listMany), sMany + "... and 3 more.");

        // Copied definitions as value framework documents, also with nodes the list cannot take.
        FdsNode source;
        values::Node* pFd = source.Add(50e6, 50e6, QStringLiteral("Copied"));
        values::VtXml one;
        one.AddNode(pFd);
        refused("broken document", one.GetString().replace("Copied", "Copied<"), s_sNotAdded);
        values::Node par(QStringLiteral("Par"), &g_vdNodePar);
        one.AddNode(&par);
        Row("definition and foreign node", one.GetString(), false, QStringList{"Copied"}, QList<double>{50e6},
            QStringList{"Paste Text Format Error.\nThe node Par in the clipboard could not be added!"});
        std::unique_ptr<values::Node> pCopy(static_cast<values::Node*>(pFd->Clone()));
        pCopy->SetName(QStringLiteral("Frequency one"));
        Value(pCopy.get(), g_vdFName)->SetAsString(QStringLiteral("Renamed"));
        values::VtXml renamed;
        renamed.AddNode(pCopy.get());
        ok("definition under another name", renamed.GetString(), {"Renamed"}, {50e6});
        Value(pFd, g_vdFName)->SetAsString(QStringLiteral("FrequencyStoreList"));
        values::VtXml marker;
        marker.AddNode(pFd);
        ok("store marker inside is still xml", marker.GetString(), {"FrequencyStoreList"}, {50e6});
    }

    void pasteSheet()
    {
        QFETCH(QString, text);
        QFETCH(bool, sorted);
        QFETCH(QStringList, names);
        QFETCH(QList<double>, starts);
        QFETCH(QStringList, messages);

        const Pasted pasted = PasteInto(text, sorted);
        QCOMPARE(pasted.listMessages, messages);
        QCOMPARE(pasted.listNames, names);
        QCOMPARE(pasted.listStarts, starts);
        QCOMPARE(pasted.sConsistency, QString());
    }

    void pasteStoreList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("traces");

        Row("two entries", StoreList({StoreEntry("Tower", 118.1e6), StoreEntry("Ground", 121.9e6)}),
            QStringList{"Tower", "Ground"}, QStringList(), QStringList());
        Row("empty list", StoreList({}), QStringList(), QStringList(), QStringList());
        Row("carriage returns in a comment", StoreList({StoreEntry("Tower\r\nEast\r", 118.1e6)}),
            QStringList{"Tower\r\nEast\r"}, QStringList(), QStringList());
        Row("entry out of range", StoreList({StoreEntry("Ok", 1e6), StoreEntry("Far", 5e10)}), QStringList(),
            QStringList{"Paste Text Format Error:\nNothing was pasted. These entries cannot be read:\n"
                        "Entry 2: the frequency 50000000000 Hz lies outside 0 to 40000000000 Hz."},
            QStringList());
        QString sBroken = StoreList({StoreEntry("Tower", 118.1e6)});
        sBroken.replace(QStringLiteral("</Comment>"), QStringLiteral("</Remark>"));
        Row("broken document", sBroken, QStringList(), QStringList{s_sUnknown},
            QStringList{"EXCEPTION WHILE PASTING FREQUENCIES:|controls/dravinelcontrols/"
                        "frequencyviewctrl|862"});
        Row("marker in plain text", QStringLiteral("my FrequencyStoreList notes"), QStringList(),
            QStringList{s_sUnknown},
            QStringList{"EXCEPTION WHILE PASTING FREQUENCIES:|controls/"
                        "dravinelcontrols/frequencyviewctrl|862"});
    }

    void pasteStoreList()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, traces);

        Diagnostics diagnostics(ErrorHandler::LEVEL_TRACE);
        const Pasted pasted = PasteInto(text);
        QCOMPARE(pasted.listMessages, messages);
        QCOMPARE(pasted.listNames, names);
        QCOMPARE(pasted.sConsistency, QString());
        QStringList listTraces = diagnostics.m_listReports;
        // The second trace is the reader's own error text, whatever it says.
        if (!traces.isEmpty())
        {
            QCOMPARE(listTraces.size(), 2);
            QVERIFY(
                listTraces.at(1).endsWith(QLatin1String("|controls/dravinelcontrols/frequencyviewctrl|863")));
            listTraces.removeLast();
        }
        QCOMPARE(listTraces, traces);
    }

    void pasteSetsBandwidths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("demodulationThere");
        // Per definition: resolution bandwidth, then demodulation bandwidth and mode ("-" none).
        QTest::addColumn<QStringList>("settings");

        Row("list text: closest resolution bandwidth",
            Sheet({"145500000\tA\t12500", "433e6\tB\t40000", "1e6\tC\t"}), false,
            QStringList{"10000 -", "50000 -", "10000 -"});
        const QString sStore = StoreList(
            {StoreEntry("Tower", 118.1e6, 12500.0), StoreEntry("Ship", 14.2e6, 2700.0, Fenmarro::DEMOD_USB)});
        Row("store list: demodulation made", sStore, false, QStringList{"10000 12000 FM", "2000 2700 USB"});
        Row("store list: demodulation there", sStore, true, QStringList{"10000 12000 FM", "2000 2700 USB"});
    }

    void pasteSetsBandwidths()
    {
        QFETCH(QString, text);
        QFETCH(bool, demodulationThere);
        QFETCH(QStringList, settings);

        static OwnParRules* s_pRules = nullptr;
        if (!s_pRules)
            DeviceDefinitionCenter::Instance().GetDeviceDefinition(-1)->GetRulesMap().Add(
                &g_vdOwnParList, s_pRules = new OwnParRules);
        OwnParRules::s_bWithDemodulation = demodulationThere;
        std::unique_ptr<values::Node> pList(new values::Node(QStringLiteral("Own"), &g_vdOwnParList));
        values::Tree::Instance()->GetRoot()->AddItem(pList.get());
        {
            ShownView view(pList.get());
            Messages messages;
            QGuiApplication::clipboard()->setText(text);
            UseContextMenu(view.Get(), -1, QStringLiteral("Paste"));
            QCOMPARE(messages.m_listTexts, QStringList());
        }
        QStringList listSettings;
        for (values::Node* pFd : pList->GetChildNodes(&g_vdNodeFd))
        {
            values::Node* pPar = pFd->GetChildNode(&g_vdNodePar);
            QString sSetting =
                QString::number(pPar->GetValue(QStringLiteral("Det/ResolutionBandwidth"))->GetNumber());
            const std::vector<values::Node*> vecDemods = pPar->GetChildNodes(&g_vdNodeDemod);
            QVERIFY(vecDemods.size() <= 1);
            if (vecDemods.empty())
                sSetting += QStringLiteral(" -");
            for (values::Node* pDemod : vecDemods)
                sSetting += QStringLiteral(" %1 %2")
                                .arg(pDemod->GetValue(QStringLiteral("Bandwidth"))->GetNumber())
                                .arg(pDemod->GetValue(QStringLiteral("Demodulation"))->GetAsString());
            listSettings << sSetting;
        }
        QCOMPARE(listSettings, settings);
    }

    void messageBoxShowsText()
    {
        // Without a sink the operator gets an information box titled with the application name.
        CfgCenter::SetAppName(QStringLiteral("Frequency Studio"));
        FdsNode fds;
        ShownView view(fds.Get());
        QGuiApplication::clipboard()->setText(QStringLiteral("not a list"));
        QString sTitle;
        QString sText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int nButtons = 0;
        bool bParent = true;
        QTimer::singleShot(0,
                           [&]()
                           {
                               auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                               if (!pBox)
                                   return;
                               sTitle = pBox->windowTitle();
                               sText = pBox->text();
                               icon = pBox->icon();
                               nButtons = pBox->buttons().size();
                               bParent = pBox->parentWidget() != nullptr;
                               pBox->accept();
                           });
        view.Ctrl()->SlotPaste();
        CfgCenter::SetAppName(QString());
        QCOMPARE(sText, s_sUnknown);
        QCOMPARE(sTitle, QStringLiteral("Frequency Studio"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(nButtons, 1);
        QVERIFY(!bParent);
    }
};

QTEST_MAIN(TstFrequencyPaste)
#include "tst_frequencypaste.moc"
