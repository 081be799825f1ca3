// The job dialog manager: new jobs, captions, job files that survive failed and killed saves
// and refuse bad files without touching the open job, the roll-back of a cancelled dialog
// run, and the start of the fixed-frequency mode on the device.

#include "common/datarow.h"
#include "tst_jobfixture.h"

#include "dravineldefinition/dravineltree.h"
#include "oskevo/treewatcher.h"
#include "oskevo/valueselection.h"
#include "oskevo/vtfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace JobTest;

static QByteArray Bytes(const QString& sFileName)
{
    QFile file(sFileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

static QString DcdText(Manager& manager, const QString& sName)
{
    return manager.GetOffline()->GetChildNode(&g_vdNodeDcd)->GetValue("DcdAttr/" + sName)->GetAsString();
}

class TestJobDialogManager : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_pDir;
    QString File(const QString& sName) const { return m_pDir->filePath(sName); }

private slots:
    void init()
    {
        m_pDir.reset(new QTemporaryDir);
        ErrorHandler::Instance()->SetSink([](const ErrorHandler::Report&) {});
    }

    void newJob_data()
    {
        QTest::addColumn<QString>("sJob"); // "none": not even a control data
        QTest::addColumn<QString>("sExpected");
        Row("no control data", "none", "m100-100");
        Row("empty list", "", "m100-100");
        Row("unused definition filled", "m0-0", "m100-100");
        Row("used definition kept", "s0-10", "s0-10 m100-100");
    }

    void newJob()
    {
        QFETCH(QString, sJob);
        QFETCH(QString, sExpected);
        Manager manager;
        if (sJob != "none")
            manager.Build(sJob);
        manager.New(100);
        QCOMPARE(manager.List(), sExpected);
        QVERIFY(manager.IsOpen());
        QVERIFY(!manager.IsModified());
    }

    // Saved and opened again, with the caption and its modified mark on the way.
    void saveAndOpen()
    {
        Manager manager;
        QCOMPARE(manager.GetCaption(), QString("Job Edit - [ no job loaded ]"));
        manager.New(100);
        QCOMPARE(manager.GetCaption(), QString("Job Edit - [unnamed]"));
        manager.Suppress(10, 20);
        QCOMPARE(manager.GetCaption(), QString("Job Edit - [unnamed*]"));
        QVERIFY(manager.Save(File("a.b.xml")));
        QCOMPARE(manager.GetCaption(), QString("Job Edit - [%1]").arg(File("a.b.xml")));
        QCOMPARE(DcdText(manager, "DcdName"), QString("a.b"));
        QCOMPARE(DcdText(manager, "DcdFileName"), File("a.b.xml"));
        QVERIFY(!manager.IsModified());
        QVERIFY(!QFile::exists(File("a.b.xml~")));
        const QByteArray first = Bytes(File("a.b.xml"));

        // The second save keeps the first beside it; a save under a new name keeps the job's name.
        manager.Suppress(30, 40);
        QVERIFY(manager.Save(File("a.b.xml")));
        QCOMPARE(Bytes(File("a.b.xml~")), first);
        QVERIFY(manager.Save(File("x.xml")));
        QCOMPARE(DcdText(manager, "DcdName"), QString("a.b"));
        QCOMPARE(DcdText(manager, "DcdFileName"), File("x.xml"));

        Manager reader;
        QVERIFY2(reader.Open(File("a.b.xml")), qPrintable(reader.GetLastError()));
        QCOMPARE(reader.List(), QString("m100-100 s10-20 s30-40"));
        QVERIFY(reader.IsOpen());
        QVERIFY(!reader.IsModified());
        QCOMPARE(reader.GetFileName(), File("a.b.xml"));
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("sCase");
        Row("file is a folder", "folder");
        Row("backup name is a folder", "backup");
        Row("no such folder", "missing");
        Row("file size limit", "limit");
    }

    void failedSave()
    {
        QFETCH(QString, sCase);
        Manager manager;
        manager.New(100);
        QString sFileName = File("job.xml");
        QVERIFY(manager.Save(sFileName));
        if (sCase == "folder")
            QVERIFY(QDir().mkpath(sFileName = File("folder.xml")));
        else if (sCase == "backup")
            QVERIFY(QDir().mkpath(File("job.xml~")));
        else if (sCase == "missing")
            sFileName = File("gone/job.xml");
        const QByteArray before = Bytes(sFileName);
        for (int i = 0; i < 300; ++i)
            manager.ToJob(1e6 + i, 2e6 + i);
        const QString sList = manager.List();

        if (sCase == "limit")
        {
            // The disk runs full in a child, whose writes beyond 4 kB fail.
            const pid_t pid = fork();
            if (pid == 0)
            {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{4096, 4096};
                setrlimit(RLIMIT_FSIZE, &limit);
                const bool bRefused =
                    !manager.Save(sFileName) && manager.GetLastError().contains("Cannot write");
                _exit(bRefused && manager.List() == sList ? 0 : 1);
            }
            int nStatus = -1;
            QCOMPARE(waitpid(pid, &nStatus, 0), pid);
            QVERIFY(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0);
        }
        else
        {
            QVERIFY(!manager.Save(sFileName));
            QVERIFY2(manager.GetLastError().contains(QRegularExpression("[a-z]{4,}.*\"")),
                     qPrintable(manager.GetLastError()));
            QCOMPARE(manager.List(), sList);
            QVERIFY(manager.IsModified());
            QCOMPARE(DcdText(manager, "DcdFileName"), File("job.xml"));
            QCOMPARE(manager.GetFileName(), File("job.xml"));
        }
        QCOMPARE(Bytes(sFileName), before);
    }

    void badFile_data()
    {
        QTest::addColumn<QString>("sCase");
        for (const char* pszCase : {"not xml", "empty", "truncated", "entity bomb", "deep nesting",
                                    "huge attribute", "other version", "no job", "missing", "folder"})
            Row(pszCase, pszCase);
    }

    void badFile()
    {
        QFETCH(QString, sCase);
        Manager writer;
        writer.New(100);
        writer.Suppress(10, 20);
        QVERIFY(writer.Save(File("good.xml")));
        const QByteArray good = Bytes(File("good.xml"));
        const int nFirstNode = good.indexOf("<Node ");
        QVERIFY(nFirstNode > 0);
        QByteArray bad;
        if (sCase == "not xml")
            bad = "frequency list 10-20\n";
        else if (sCase == "truncated")
            bad = good.left(good.size() / 2);
        else if (sCase == "entity bomb")
        {
            QByteArray dtd = "<!DOCTYPE Vt [<!ENTITY a \"aaaaaaaaaa\">";
            for (char c = 'b'; c <= 'j'; ++c)
                dtd += QByteArray("<!ENTITY ") + c + " \"" +
                       QByteArray("&").append(char(c - 1)).append(';').repeated(10) + "\">";
            bad = QByteArray(good).replace("<!DOCTYPE Vt>", dtd + "]>").replace("<Node ", "&j;<Node ");
        }
        else if (sCase == "deep nesting")
            bad = QByteArray(good).insert(nFirstNode, QByteArray("<Node name=\"d\">").repeated(100000));
        else if (sCase == "huge attribute")
            bad = QByteArray(good).insert(nFirstNode, "<Node name=\"" + QByteArray(8 << 20, 'x') + "\"/>");
        else if (sCase == "other version")
            bad = QByteArray(good).replace("version=\"0.0\"", "version=\"9.9\"");
        else if (sCase == "no job")
        {
            values::Node empty("Empty");
            values::VtFile(File("bad.xml"), &empty, &writer).Write();
        }
        if (!bad.isEmpty() || sCase == "empty")
        {
            QFile file(File("bad.xml"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bad) == bad.size());
        }
        if (sCase == "folder")
            QVERIFY(QDir().mkpath(File("bad.xml")));

        Manager manager;
        QVERIFY(manager.Open(File("good.xml")));
        manager.Suppress(30, 40);
        QVERIFY(!manager.Open(sCase == "missing" ? File("gone.xml") : File("bad.xml")));
        QVERIFY2(manager.GetLastError().startsWith("Cannot read"), qPrintable(manager.GetLastError()));
        QCOMPARE(manager.List(), QString("m100-100 s10-20 s30-40"));
        QVERIFY(manager.IsOpen());
        QVERIFY(manager.IsModified());
        QCOMPARE(manager.GetFileName(), File("good.xml"));
    }

    void killedWriter()
    {
        // Two jobs of the same size the child saves in turn, so that a kill finds either on disk.
        Manager first;
        Manager second;
        first.New(100);
        second.New(200);
        for (int i = 0; i < 5000; ++i)
        {
            first.ToJob(1e6 + i * 1e3, 1e6 + i * 1e3 + 500);
            second.ToJob(2e6 + i * 1e3, 2e6 + i * 1e3 + 700);
        }
        const QString sFileName = File("job.xml");
        QElapsedTimer timer;
        timer.start();
        QVERIFY(second.Save(sFileName));
        // Kills within about three saves hit every stage of its writing.
        const int nWriteUs = int(timer.nsecsElapsed() / 1000) + 1000;
        QVERIFY(first.Save(sFileName));
        const QString sFirst = first.List();
        const QString sSecond = second.List();
        QStringList listSeen;
        for (int nRound = 0; nRound < 8; ++nRound)
        {
            const pid_t pid = fork();
            QVERIFY(pid >= 0);
            if (pid == 0)
            {
                for (int i = 0;; ++i)
                    if (!(i % 2 ? first : second).Save(sFileName))
                        _exit(1);
            }
            usleep(useconds_t(QRandomGenerator::global()->bounded(nWriteUs / 2, 3 * nWriteUs)));
            kill(pid, SIGKILL);
            int nStatus = 0;
            QCOMPARE(waitpid(pid, &nStatus, 0), pid);
            QVERIFY2(WIFSIGNALED(nStatus), "the writer failed before it was killed");
            Manager reader;
            QVERIFY2(reader.Open(sFileName), qPrintable(reader.GetLastError()));
            const QString sRead = reader.List();
            QVERIFY(sRead == sFirst || sRead == sSecond);
            listSeen << (sRead == sFirst ? "first" : "second");
        }
        qInfo() << "read after each kill:" << listSeen << "one save:" << nWriteUs << "us";
    }

    void rollBack_data()
    {
        QTest::addColumn<bool>("bOpened");      // the job was read from a file, else made by New
        QTest::addColumn<bool>("bWasModified"); // changed before the run
        QTest::addColumn<QString>("sEdit");     // what the operator does in the dialog
        QTest::addColumn<int>("nResult");
        QTest::addColumn<QString>("sExpected");
        QTest::addColumn<bool>("bModified");
        QTest::addColumn<int>("nMode"); // operation mode after the run (2 before it)

        Row("cancel, nothing done", false, false, "none", 0, "m100-100 s10-30", false, 2);
        Row("cancel a change", false, false, "change", 0, "m100-100 s10-30", false, 2);
        Row("cancel a change of a modified job", false, true, "change", 0, "m100-100 s10-30 s50-60", true, 2);
        Row("cancel after open, all deleted", true, false, "delete", 6, "m100-100 s10-30", false, 2);
        Row("cancel twice", true, false, "change twice", 0, "m100-100 s10-30", false, 2);
        Row("ok keeps the change", false, false, "change", 5, "m100-100 s15-30", true, 0);
        Row("search keeps the change", true, true, "delete", 3, "", true, 0);
    }

    void rollBack()
    {
        QFETCH(bool, bOpened);
        QFETCH(bool, bWasModified);
        QFETCH(QString, sEdit);
        QFETCH(int, nResult);
        QFETCH(QString, sExpected);
        QFETCH(bool, bModified);
        QFETCH(int, nMode);
        Manager manager;
        if (bOpened)
        {
            Manager writer;
            writer.New(100);
            writer.Suppress(10, 30);
            QVERIFY(writer.Save(File("job.xml")));
            QVERIFY(manager.Open(File("job.xml")));
        }
        else
        {
            manager.New(100);
            manager.Suppress(10, 30);
        }
        if (!bWasModified)
            manager.SetbModified(false);
        else
            manager.Suppress(50, 60);
        auto* pMode =
            dynamic_cast<values::ValueSelection*>(manager.GetDevice()->GetChildValue(C::g_sOperationMode));
        QVERIFY(pMode);
        pMode->SelectKey(2);
        manager.m_dialog = [&]
        {
            if (sEdit.startsWith("change"))
                Attr(manager.Fds().at(1), g_vdFStart)->SetNumber(15);
            else if (sEdit == "delete")
                manager.GetFds()->DeleteChildren();
            return nResult;
        };
        QCOMPARE(manager.Show(false, true, true), nResult);
        if (sEdit == "change twice")
            QCOMPARE(manager.Show(false, true, true), nResult);
        QCOMPARE(manager.List(), sExpected);
        QCOMPARE(manager.IsModified(), bModified);
        QCOMPARE(pMode->GetCurrentKey(), nMode);
        const bool bRolledBack = sEdit != "none" && (nResult == 0 || nResult == 6);
        QCOMPARE(manager.m_nDialogsDeleted, bRolledBack ? (sEdit == "change twice" ? 2 : 1) : 0);
    }

    void fixedFrequencyStartAndOnlineJob()
    {
        Manager manager;
        values::Node* pDevice = manager.GetDevice();
        g_vdFrequency.CreateAt(pDevice, nullptr);
        values::Node* pDeviceIf =
            DravinelTree::If.InsertChild(g_vdNodePar.CreateAt(pDevice, nullptr)->AsNode());
        values::Node* pDeviceDcd = g_vdNodeDcd.CreateAt(pDevice, nullptr)->AsNode();
        manager.New(100e6);
        manager.ToJob(200e6, 300e6);
        values::Node* pFd = manager.Fds().first();
        auto* pFdBandwidth = dynamic_cast<values::ValueSelection*>(
            DravinelTree::GetParameterSetForFd(&g_vdNodeIf, pFd)->GetChildValue(C::g_sBandwidth));
        auto* pDeviceBandwidth =
            dynamic_cast<values::ValueSelection*>(pDeviceIf->GetChildValue(C::g_sBandwidth));
        QVERIFY(pFdBandwidth && pDeviceBandwidth);
        // The job started with the device's parameters; its definition gets a bandwidth of its own.
        values::Node* pFdIf = DravinelTree::If.InsertChild(g_vdNodePar.CreateAt(pFd, nullptr)->AsNode());
        auto* pOwnBandwidth = dynamic_cast<values::ValueSelection*>(pFdIf->GetChildValue(C::g_sBandwidth));
        QVERIFY(pOwnBandwidth->SelectIndex(pDeviceBandwidth->GetCurrentIndex() == 0 ? 1 : 0));
        manager.m_pCurrentFd = pFd;
        manager.m_dialog = [] { return 1; };

        QCOMPARE(manager.Show(true, false, false), 1);
        QCOMPARE(pDevice->GetValue(C::g_sFrequency)->GetNumber(), 100e6);
        QCOMPARE(pDeviceBandwidth->GetAsString(), pOwnBandwidth->GetAsString());
        QCOMPARE(dynamic_cast<values::ValueSelection*>(pDevice->GetChildValue(C::g_sOperationMode))
                     ->GetCurrentKey(),
                 1);

        manager.LoadOnlineJob(7);
        QCOMPARE(pDevice->GetValue(C::g_sJobNew)->GetNumber(), 7.0);
        QCOMPARE(pDeviceDcd->GetParentNode(), pDevice);
        values::Node* pOnlineFds = pDeviceDcd->GetChildNode(&g_vdNodeDcs)->GetChildNode(&g_vdNodeFds);
        QCOMPARE(pOnlineFds->GetChildCount(), 2);
        QCOMPARE(Attr(pOnlineFds->GetTreeItems().back()->AsNode(), g_vdFStop)->GetNumber(), 300e6);
    }
};

QTEST_GUILESS_MAIN(TestJobDialogManager)
#include "tst_jobdialogmanager.moc"
