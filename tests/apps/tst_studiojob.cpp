// The studio's Job menu: the shipped sample job opens with its definitions, a bad job file
// leaves the open job alone, and the job stays out of the device tree's modified mark and
// files.

#include "studiojobmenu.h"
#include "studiopanel.h"

#include "dravinelcontrols/jobdialogmanager.h"
#include "dravineldefinition/descriptors.h"
#include "kvbase/errorhandler.h"
#include "oskevo/node.h"
#include "oskevo/vtxml.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace DravinelDefinition;

class TestStudioJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void openJob_data();
    void openJob();
    void menuAction_data();
    void menuAction();
    void suppressList_data();
    void suppressList();
};

static int DefinitionCount(JobDialogManager* pManager)
{
    values::Node* pDcd = pManager->GetOffline()->GetChildNode(&g_vdNodeDcd);
    values::Node* pDcs = pDcd ? pDcd->GetChildNode(&g_vdNodeDcs) : nullptr;
    values::Node* pFds = pDcs ? pDcs->GetChildNode(&g_vdNodeFds) : nullptr;
    return pFds ? static_cast<int>(pFds->GetTreeItems().size()) : -1;
}

// The studio on its sample device tree with the sample job open; null if it does not open.
static StudioJobMenu* OpenSample(StudioPanel& panel)
{
    panel.Init(QStringLiteral("/"));
    panel.NewFile(StudioPanel::TYPE_SAMPLE);
    panel.ShowDocument();
    StudioJobMenu* pMenu = panel.GetJobMenu();
    return pMenu->OpenJob(QStringLiteral(DRAVINEL_SAMPLE_JOB)) ? pMenu : nullptr;
}

void TestStudioJob::initTestCase()
{
    ErrorHandler::Instance()->SetSink([](const ErrorHandler::Report&) {});
}

void TestStudioJob::openJob_data()
{
    QTest::addColumn<QByteArray>("second"); // a second job file opened after the sample
    QTest::addColumn<bool>("bOpened");
    QTest::newRow("sample only") << QByteArray() << true;
    QTest::newRow("not a job") << QByteArray("<?xml version=\"1.0\"?><Vt format=\"1\" version=\"0.0\"/>")
                               << false;
    QTest::newRow("not XML") << QByteArray("Start,Stop\n1,2\n") << false;
}

void TestStudioJob::openJob()
{
    QFETCH(QByteArray, second);
    QFETCH(bool, bOpened);
    QTemporaryDir dir;
    StudioPanel panel;
    StudioJobMenu* pMenu = OpenSample(panel);
    QVERIFY(pMenu);
    const int nDefinitions = DefinitionCount(pMenu->GetManager());
    QVERIFY(nDefinitions > 1);
    if (!second.isEmpty())
    {
        QFile file(dir.filePath(QStringLiteral("second.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(second) == second.size());
        file.close();
        QCOMPARE(pMenu->OpenJob(file.fileName()), bOpened);
        QVERIFY(!pMenu->GetManager()->GetLastError().isEmpty());
    }
    QCOMPARE(DefinitionCount(pMenu->GetManager()), nDefinitions);
    QVERIFY(!panel.IsModified());

    // The device tree's file holds the device tree only; the job stays open.
    const QString sTree = dir.filePath(QStringLiteral("tree.xml"));
    QVERIFY(panel.SaveFile(sTree));
    QFile tree(sTree);
    QVERIFY(tree.open(QIODevice::ReadOnly));
    QVERIFY(!tree.readAll().contains(StudioJobMenu::GetJobBaseName().toUtf8()));
    QVERIFY(!panel.IsModified());
    QCOMPARE(DefinitionCount(pMenu->GetManager()), nDefinitions);
}

void TestStudioJob::menuAction_data()
{
    QTest::addColumn<QString>("sAction");         // the Job menu entry
    QTest::addColumn<QList<double>>("listRange"); // MHz typed into the range dialog; empty: cancel
    QTest::addColumn<int>("nDefinitionsAdded");
    QTest::newRow("edit cancelled") << "Edit Job..." << QList<double>() << 0;
    QTest::newRow("suppress outside") << "Suppress Range..." << QList<double>{100.0, 110.0} << 1;
    QTest::newRow("suppress cancelled") << "Suppress Range..." << QList<double>() << 0;
    QTest::newRow("unsuppress splits") << "Unsuppress Range..." << QList<double>{127.05, 127.1} << 1;
}

void TestStudioJob::menuAction()
{
    QFETCH(QString, sAction);
    QFETCH(QList<double>, listRange);
    QFETCH(int, nDefinitionsAdded);
    StudioPanel panel;
    StudioJobMenu* pMenu = OpenSample(panel);
    QVERIFY(pMenu);
    const int nDefinitions = DefinitionCount(pMenu->GetManager());

    // The dialog the entry opens is answered as the operator would.
    QTimer::singleShot(0,
                       [listRange]()
                       {
                           auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                           if (!pDialog)
                               return;
                           const auto listBoxes = pDialog->findChildren<QDoubleSpinBox*>();
                           if (listRange.size() == 2 && listBoxes.size() == 2)
                           {
                               listBoxes[0]->setValue(listRange[0]);
                               listBoxes[1]->setValue(listRange[1]);
                               pDialog->accept();
                           }
                           else
                           {
                               pDialog->reject();
                           }
                       });
    QAction* pEntry = nullptr;
    for (QAction* pAction : pMenu->GetMenu()->actions())
        if (pAction->text() == sAction)
            pEntry = pAction;
    QVERIFY(pEntry && pEntry->isEnabled());
    pEntry->trigger();

    QCOMPARE(DefinitionCount(pMenu->GetManager()), nDefinitions + nDefinitionsAdded);
    QCOMPARE(pMenu->GetManager()->IsModified(), nDefinitionsAdded != 0);
    QVERIFY(!panel.IsModified());
}

void TestStudioJob::suppressList_data()
{
    QTest::addColumn<QString>("sName");
    QTest::addColumn<QByteArray>("content"); // the list file; "export": the job's own, empty: none
    QTest::addColumn<QString>("sError");     // part of the answer; empty: imported
    QTest::addColumn<QByteArray>("after");   // the job's list exported after the import; empty: as before
    QTest::newRow("tab-separated round trip") << "list.tsv" << QByteArray("export") << "" << QByteArray();
    QTest::newRow("comma-separated round trip") << "list.CSV" << QByteArray("export") << "" << QByteArray();
    QTest::newRow("from a spreadsheet")
        << "list.csv" << QByteArray("Start,Stop,Name,Suppressed\n1e8,1.1e8,radar,true\n") << ""
        << QByteArray("FrequencyListCopyStruct\nFrequency\tName\tBandwidth\tStart\tStop\tSuppressed\n"
                      "100000000\t\t\t100000000\t110000000\ttrue\n");
    QTest::newRow("not a list") << "list.tsv" << QByteArray("<Vt/>") << "no suppress list" << QByteArray();
    QTest::newRow("bad frequency") << "list.csv" << QByteArray("Start,Stop,Name\n1e8,x,a\n") << "line 2"
                                   << QByteArray();
    QTest::newRow("missing") << "missing.tsv" << QByteArray() << "could not be read" << QByteArray();
    QTest::newRow("export to no folder")
        << "none/list.tsv" << QByteArray("export") << "could not be written" << QByteArray();
}

void TestStudioJob::suppressList()
{
    QFETCH(QString, sName);
    QFETCH(QByteArray, content);
    QFETCH(QString, sError);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    StudioPanel panel;
    StudioJobMenu* pMenu = OpenSample(panel);
    QVERIFY(pMenu);
    auto readAll = [](const QString& sFile)
    {
        QFile file(sFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString sFile = dir.filePath(sName);
    QCOMPARE(pMenu->ExportSuppressList(dir.filePath("before.tsv")), QString());
    const QByteArray before = readAll(dir.filePath("before.tsv"));
    QVERIFY(before.count('\n') > 2);
    QString sAnswer;
    if (content == "export")
        sAnswer = pMenu->ExportSuppressList(sFile);
    else if (!content.isEmpty())
    {
        QFile file(sFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }

    // The import replaces this range by those of the list.
    pMenu->GetManager()->Suppress(200e6, 210e6);
    const QString sJob = values::VtXml::ToXml(pMenu->GetManager()->GetOffline());
    if (sAnswer.isEmpty())
        sAnswer = pMenu->ImportSuppressList(sFile);
    QVERIFY2(sError.isEmpty() ? sAnswer.isEmpty() : sAnswer.contains(sError), qPrintable(sAnswer));
    if (!sError.isEmpty())
    {
        QCOMPARE(values::VtXml::ToXml(pMenu->GetManager()->GetOffline()), sJob);
        return;
    }
    QCOMPARE(pMenu->ExportSuppressList(dir.filePath("after.tsv")), QString());
    QCOMPARE(readAll(dir.filePath("after.tsv")), after.isEmpty() ? before : after);
}

QTEST_MAIN(TestStudioJob)
#include "tst_studiojob.moc"
