// The studio's Job menu: the shipped sample job opens with its definitions, a bad job file
// leaves the open job alone, and the job stays out of the device tree's modified mark and
// files.

#include "studiojobmenu.h"
#include "studiopanel.h"

#include "dravinelcontrols/jobdialogmanager.h"
#include "dravineldefinition/descriptors.h"
#include "kvbase/errorhandler.h"
#include "oskevo/node.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace DravinelDefinition;

class TestStudioJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void openJob_data();
    void openJob();
};

static int DefinitionCount(JobDialogManager* pManager)
{
    values::Node* pDcd = pManager->GetOffline()->GetChildNode(&g_vdNodeDcd);
    values::Node* pDcs = pDcd ? pDcd->GetChildNode(&g_vdNodeDcs) : nullptr;
    values::Node* pFds = pDcs ? pDcs->GetChildNode(&g_vdNodeFds) : nullptr;
    return pFds ? static_cast<int>(pFds->GetTreeItems().size()) : -1;
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
    panel.Init(QStringLiteral("/"));
    panel.NewFile(StudioPanel::TYPE_SAMPLE);
    panel.ShowDocument();
    StudioJobMenu* pMenu = panel.GetJobMenu();

    QVERIFY(pMenu->OpenJob(QStringLiteral(DRAVINEL_SAMPLE_JOB)));
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

QTEST_MAIN(TestStudioJob)
#include "tst_studiojob.moc"
