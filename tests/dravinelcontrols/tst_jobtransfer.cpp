// The edits that carry single settings into a job: ranges to measure, suppress ranges merged
// and cut by their rules, suppress lists in and out, and the settings of the definition
// that covers a frequency.

#include "common/datarow.h"
#include "tst_jobfixture.h"

#include "dravineldefinition/dravineltree.h"
#include "oskevo/valuecommentedrangemap.h"
#include "oskevo/valueselection.h"

#include <QtTest>

using namespace JobTest;

// A list text "10-20 15-30" as a commented range list, and back.
static QString ListText(const values::ValueCommentedRangeMap& list)
{
    QStringList texts;
    for (int nKey : list.GetKeys())
        texts << QStringLiteral("%1-%2%3")
                     .arg(list.At(nKey).GetRangeStart())
                     .arg(list.At(nKey).GetRangeStop())
                     .arg(list.At(nKey).GetComment());
    return texts.join(' ');
}

class TestJobTransfer : public QObject
{
    Q_OBJECT

private slots:
    void ranges_data()
    {
        QTest::addColumn<QString>("sJob");
        QTest::addColumn<QString>("sCall");
        QTest::addColumn<QString>("sExpected");

        // Suppress: strict overlaps merge, touching or shared ends do not, a contained range is dropped.
        Row("overlap upper end", "s10-20", "Suppress 15 30", "s10-30");
        Row("overlap lower end", "s10-20", "Suppress 5 15", "s5-20");
        Row("touching", "s10-20", "Suppress 20 30", "s10-20 s20-30");
        Row("within", "s10-20", "Suppress 12 18", "s10-20");
        Row("equal", "s10-20", "Suppress 10 20", "s10-20");
        Row("shared start", "s10-20", "Suppress 10 30", "s10-20 s10-30");
        Row("two absorbed, first kept", "s10-20 m1-5 s30-40", "Suppress 5 50", "s5-50 m1-5");
        Row("chain", "s10-20 s30-40 s50-60", "Suppress 15 35", "s10-40 s50-60");
        Row("contained after absorbing", "s12-14 s5-50", "Suppress 10 20", "s12-14 s5-50");
        Row("reversed", "", "Suppress 30 10", "s10-30");
        Row("single never merged", "s10-20", "Suppress 15 15", "s10-20 s15-15");
        Row("measure ranges untouched", "m10-20", "Suppress 15 30", "m10-20 s15-30");
        Row("unused definition filled", "m0-0", "Suppress 10 20", "s10-20");
        Row("to job appends", "s10-20", "ToJob 40 30", "s10-20 m30-40");
        Row("to job fills unused", "m0-0", "ToJob 5 6", "m5-6");

        // UnSuppress: deleted, shortened at either end, split; the split-off part comes last.
        Row("split", "s10-20 m1-5", "UnSuppress 12 18", "s10-12 m1-5 s18-20");
        Row("delete", "s10-20", "UnSuppress 5 25", "");
        Row("cut upper", "s10-20", "UnSuppress 15 25", "s10-15");
        Row("cut lower", "s10-20", "UnSuppress 5 15", "s15-20");
        Row("shared end kept", "s10-20", "UnSuppress 15 20", "s10-20");
        Row("touching kept", "s10-20", "UnSuppress 20 30", "s10-20");
        Row("unsuppress reversed", "s10-20", "UnSuppress 25 15", "s10-15");
        Row("across two", "s10-20 s30-40", "UnSuppress 15 35", "s10-15 s35-40");
        Row("measure kept", "m10-20", "UnSuppress 5 25", "m10-20");
        Row("single frequency, no bandwidth", "s1000-2000", "UnSuppress 2000 2000", "s1000-2000");
        Row("single widened by bandwidth", "s1000-2000 s5000-6000", "UnSuppress 2000 2000 rbw=100",
            "s1000-1900 s5000-6000");
        Row("widened once, for all", "s1000-2000 s5000-6000", "UnSuppress 5000 5000 rbw=100",
            "s1000-2000 s5100-6000");

        // Lists: an import replaces the suppress ranges only; an export lists them in order.
        Row("import", "s100-200 m1-5", "Import 10-20 15-30", "m1-5 s10-30");
        Row("import empty", "s100-200 m1-5 s300-400", "Import", "m1-5");
        Row("export", "s10-20 m1-5 s30-40", "Export", "10-20 30-40");
        Row("export nothing", "m1-5", "Export", "");
    }

    void ranges()
    {
        QFETCH(QString, sJob);
        QFETCH(QString, sCall);
        QFETCH(QString, sExpected);
        Manager manager;
        manager.Build(sJob);
        QStringList call = sCall.split(' ');
        const QString sOp = call.takeFirst();
        if (!call.isEmpty() && call.last().startsWith("rbw="))
        {
            // A detection parameter set with that resolution bandwidth for the first definition.
            values::Node* pFd = manager.Fds().first();
            values::Node* pPar = g_vdNodePar.CreateAt(pFd, nullptr)->AsNode();
            values::Node* pDet = DravinelTree::Det.InsertChild(pPar);
            auto* pRbw =
                dynamic_cast<values::ValueSelection*>(pDet->GetChildValue(C::g_sResolutionBandwidth));
            QVERIFY(pRbw && pRbw->SelectClosestValue(call.takeLast().mid(4).toDouble()));
        }
        values::ValueCommentedRangeMap list;
        list.AddRange(1, 2, "stale");
        if (sOp == "Import")
        {
            list.Clear();
            for (const QString& sRange : call)
                list.AddRange(sRange.section('-', 0, 0).toDouble(), sRange.section('-', 1).toDouble(),
                              "comment");
            manager.ImportSuppressRangesFromList(&list);
        }
        else if (sOp == "Export")
        {
            QVERIFY(!manager.IsExportingSuppressRanges());
            manager.ExportSuppressRangesToList(&list, nullptr);
            QVERIFY(!manager.IsExportingSuppressRanges());
            QCOMPARE(ListText(list), sExpected);
            return;
        }
        else
        {
            const double a = call.value(0).toDouble();
            const double b = call.value(1).toDouble();
            if (sOp == "Suppress")
                manager.Suppress(a, b);
            else if (sOp == "UnSuppress")
                manager.UnSuppress(a, b);
            else
                manager.ToJob(a, b);
        }
        QCOMPARE(manager.List(), sExpected);
    }

    void setters_data()
    {
        QTest::addColumn<QString>("sSetter");
        QTest::addColumn<double>("dValue");
        QTest::addColumn<double>("dFrequency");
        QTest::addColumn<QString>("sExpected"); // the value's text in the group, or "-" for no parameters

        Row("threshold", "Threshhold", 42.0, 15.0, "42");
        Row("threshold at the edge", "Threshhold", 42.0, 20.0, "42");
        Row("threshold for 0", "Threshhold", 42.0, 0.0, "-");
        Row("threshold outside", "Threshhold", 42.0, 25.0, "-");
        Row("bandwidth", "ResolutionBandwidth", 9000.0, 15.0, "10 kHz");
        Row("hop bandwidth", "HopBandwidth", 4e6, 15.0, "5 MHz");
        Row("averaging", "DfReportInterval", 0.25, 15.0, "200 ms");
        Row("df mode", "DfMode", double(DFMODE_GATE), 15.0, "Gate");
    }

    void setters()
    {
        QFETCH(QString, sSetter);
        QFETCH(double, dValue);
        QFETCH(double, dFrequency);
        QFETCH(QString, sExpected);
        Manager manager;
        manager.Build("m1-5 s10-20");
        if (sSetter == "Threshhold")
            manager.SetThresholdToJob(dValue, dFrequency, nullptr);
        else if (sSetter == "ResolutionBandwidth")
            manager.SetBandwidthToJob(dValue, dFrequency, nullptr);
        else if (sSetter == "HopBandwidth")
            manager.SetHopBandwidthToJob(dValue, dFrequency, nullptr);
        else if (sSetter == "DfReportInterval")
            manager.SetAveragingToJob(dValue, dFrequency, nullptr);
        else
            manager.SetDfModeToJob(EDfMode(int(dValue)), dFrequency, nullptr);

        values::Node* pFd = manager.Fds().last();
        values::Node* pPar = pFd->GetChildNode(&g_vdNodePar);
        QCOMPARE(manager.Fds().first()->GetChildNode(&g_vdNodePar), nullptr);
        if (sExpected == "-")
        {
            QCOMPARE(pPar, nullptr);
            return;
        }
        QVERIFY(pPar);
        const bool bDf = sSetter.startsWith("Df");
        values::Node* pGroup = pPar->GetChildNode(bDf ? &g_vdNodeDfSearch : &g_vdNodeDet);
        QVERIFY(pGroup);
        QCOMPARE(pGroup->GetChildValue(sSetter)->GetAsString(), sExpected);
    }
};

QTEST_GUILESS_MAIN(TestJobTransfer)
#include "tst_jobtransfer.moc"
