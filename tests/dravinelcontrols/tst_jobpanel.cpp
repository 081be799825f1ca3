// The job panel: its layouts from the View menu, the copy of a job between the offline and
// the device tree (Upload, Download, Disconnect), job files with their backup, and its
// views when their nodes go away.

#include "dravinelcontrols/jobpanel.h"
#include "dravinelcontrols/undohistory.h"

#include "dravineldefinition/devicetypes.h"
#include "kvbase/q4menu.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/vtxml.h"
#include "tolveth/treeviewsplit.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace DravinelDefinition;

namespace
{

// The panel with its answers given by the test.
class Panel : public JobPanel
{
public:
    using JobPanel::GetDisplayNode;
    using JobPanel::SetModified;
    QString m_sSaveName;
    QStringList m_lstMessages;

protected:
    QString AskSaveFileName() override { return m_sSaveName; }
    void ShowMessage(const QString& sText) override { m_lstMessages << sText; }
};

values::Node* Node(const QString& sPath)
{
    return values::Tree::Instance()->GetNode(sPath);
}

values::ValueString* JobName(const QString& sJob)
{
    return dynamic_cast<values::ValueString*>(
        values::Tree::Instance()->GetValue(sJob + "/Dcd/DcdAttr/DcdName"));
}

QString JobText(const QString& sJob)
{
    values::Node* pDcd = Node(sJob + "/Dcd");
    return pDcd ? values::VtXml::ToXml(pDcd) : QString();
}

void Trigger(Q4Menu* pMenu, int nId)
{
    pMenu->actionForId(nId)->trigger();
}

// The tab texts of a tab widget, empty when its frame is hidden.
QStringList Tabs(JobPanel& panel, const char* pszName)
{
    auto* pTabs = panel.findChild<QTabWidget*>(QLatin1String(pszName));
    QStringList lstTabs;
    for (int n = 0; pTabs && pTabs->parentWidget()->isVisibleTo(&panel) && n < pTabs->count(); ++n)
        lstTabs << pTabs->tabText(n);
    return lstTabs;
}

} // namespace

class TestJobPanel : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void layout_data();
    void layout();
    void copyBetweenJobs();
    void newJob_data();
    void newJob();
    void saveKeepsBackup();
    void openRefused_data();
    void openRefused();
    void nodesGoingAway_data();
    void nodesGoingAway();
};

void TestJobPanel::cleanup()
{
    for (const char* pszJob : {"/Offline", "/Online"})
        if (values::Node* pNode = Node(QLatin1String(pszJob)))
            values::Tree::Instance()->GetRoot()->DeleteItem(pNode);
}

void TestJobPanel::layout_data()
{
    QTest::addColumn<QList<int>>("toggles");
    QTest::addColumn<QStringList>("offlineFrame");
    QTest::addColumn<QStringList>("onlineFrame");
    const QStringList off{"Offline"};
    const QStringList on{"Online"};
    QTest::newRow("initial") << QList<int>{} << off << QStringList();
    QTest::newRow("device job as a tab")
        << QList<int>{401} << QStringList{"Offline", "Online"} << QStringList();
    QTest::newRow("tiled") << QList<int>{401, 402} << off << on;
    QTest::newRow("tiled, offline hidden") << QList<int>{401, 402, 400} << QStringList() << on;
    QTest::newRow("tile alone") << QList<int>{402} << off << QStringList();
    QTest::newRow("nothing checked") << QList<int>{400} << QStringList() << QStringList();
    QTest::newRow("untiled again") << QList<int>{401, 402, 402} << QStringList{"Offline", "Online"}
                                   << QStringList();
}

void TestJobPanel::layout()
{
    QFETCH(QList<int>, toggles);
    QFETCH(QStringList, offlineFrame);
    QFETCH(QStringList, onlineFrame);
    Panel panel;
    panel.show();
    for (int nId : toggles)
        Trigger(panel.GetViewMenu(), nId);
    QCOMPARE(Tabs(panel, "JobPanel_OfflineTabWidget"), offlineFrame);
    QCOMPARE(Tabs(panel, "JobPanel_OnlineTabWidget"), onlineFrame);
    // Shown when its tab is chosen, and only then.
    if (offlineFrame.contains("Online"))
        panel.findChild<QTabWidget*>("JobPanel_OfflineTabWidget")->setCurrentIndex(1);
    QCOMPARE(panel.GetOnlineView()->isVisibleTo(&panel),
             offlineFrame.contains("Online") || !onlineFrame.isEmpty());
}

void TestJobPanel::copyBetweenJobs()
{
    Panel panel;
    panel.show();
    panel.NewFile(DEVICETYPE_DF_RECEIVER);
    panel.ShowDocument();
    QVERIFY(panel.GetDisplayNode());
    QVERIFY(panel.windowTitle().startsWith("Job Edit"));
    JobName("/Offline")->SetValue("first");
    Trigger(panel.GetToolsMenu(), JobPanel::ID_CONNECT); // nothing to connect to: no change
    QVERIFY(!Node("/Online/Dcd"));

    Trigger(panel.GetToolsMenu(), JobPanel::ID_UPLOAD);
    QCOMPARE(JobText("/Online"), JobText("/Offline"));
    QVERIFY(panel.GetOnlineView()->IsLoaded());
    values::Node* pOnlineDcd = Node("/Online/Dcd");

    // A second upload refills the same device job, which stays shown.
    JobName("/Offline")->SetValue("second");
    Trigger(panel.GetToolsMenu(), JobPanel::ID_UPLOAD);
    QCOMPARE(JobName("/Online")->GetValue(), QString("second"));
    QCOMPARE(Node("/Online/Dcd"), pOnlineDcd);
    QVERIFY(panel.GetOnlineView()->IsLoaded());

    // Download copies back; the device job stays.
    JobName("/Online")->SetValue("from the device");
    panel.GetHistory()->CloseStep(); // as when control returns to the operator
    Trigger(panel.GetToolsMenu(), JobPanel::ID_DOWNLOAD);
    QCOMPARE(JobName("/Offline")->GetValue(), QString("from the device"));
    QCOMPARE(JobText("/Online"), JobText("/Offline"));
    QVERIFY(panel.IsModified());

    // The download is one step of the offline job's history.
    panel.GetHistory()->CloseStep();
    panel.GetHistory()->Undo();
    QCOMPARE(JobName("/Offline")->GetValue(), QString("second"));

    Trigger(panel.GetToolsMenu(), JobPanel::ID_DISCONNECT);
    QVERIFY(!panel.GetOnlineView()->IsLoaded());
    QVERIFY(Node("/Online/Dcd"));
}

void TestJobPanel::newJob_data()
{
    QTest::addColumn<QString>("button"); // clicked in the device-type dialog; empty: closed
    QTest::addColumn<QString>("name");   // of the job afterwards
    QTest::newRow("ok") << "OkButton"
                        << "";
    QTest::newRow("cancel") << "CancelButton"
                            << "kept";
    QTest::newRow("closed") << ""
                            << "kept";
}

void TestJobPanel::newJob()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    Panel panel;
    panel.NewFile(DEVICETYPE_DF_RECEIVER);
    panel.ShowDocument();
    JobName("/Offline")->SetValue("kept");
    QTimer::singleShot(0,
                       [button]()
                       {
                           QWidget* pDialog = QApplication::activeModalWidget();
                           QVERIFY(pDialog);
                           if (button.isEmpty())
                               pDialog->close();
                           else
                               QTest::mouseClick(pDialog->findChild<QPushButton*>(button), Qt::LeftButton);
                       });
    // File > New: no question, the job is unmodified after a save.
    panel.SetModified(false);
    Trigger(panel.GetFileMenu(), TreePanel::ID_NEW);
    QCOMPARE(JobName("/Offline")->GetValue(), name);
    QVERIFY(panel.GetDisplayNode());
}

void TestJobPanel::saveKeepsBackup()
{
    QTemporaryDir dir;
    const QString sFile = dir.filePath("job.xml");
    Panel panel;
    panel.NewFile(DEVICETYPE_DF_RECEIVER);
    panel.ShowDocument();
    JobName("/Offline")->SetValue("old");
    panel.m_sSaveName = sFile;
    QVERIFY(panel.SaveAs());
    QVERIFY(panel.windowTitle().contains("job.xml"));
    JobName("/Offline")->SetValue("new");
    QVERIFY(panel.IsModified());
    QVERIFY(panel.Save());
    QVERIFY(!panel.IsModified());

    // The saved job reads back; the one before it is beside it.
    QVERIFY(panel.Close());
    QVERIFY(panel.windowTitle().contains("no job loaded"));
    QVERIFY(panel.LoadFile(sFile + "~"));
    QCOMPARE(JobName("/Offline")->GetValue(), QString("old"));
    QVERIFY(panel.LoadFile(sFile));
    QCOMPARE(JobName("/Offline")->GetValue(), QString("new"));
    QVERIFY(panel.m_lstMessages.isEmpty());
}

void TestJobPanel::openRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("why"); // part of the message
    const QByteArray head("<?xml version=\"1.0\"?><!DOCTYPE Vt><Vt format=\"1\" version=\"0.0\">");
    QTest::newRow("no job in it") << head + "<Node name=\"Dev\"/></Vt>"
                                  << "it holds no job";
    QTest::newRow("not XML") << QByteArray("Start,Stop\n1,2\n") << "line 1";
    QTest::newRow("truncated") << head + "<Node name=\"Dcd\""
                               << "Cannot read";
    QTest::newRow("other version") << QByteArray(head).replace("0.0", "9.1") + "</Vt>"
                                   << "version conflict";
}

void TestJobPanel::openRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    QTemporaryDir dir;
    QFile file(dir.filePath("bad.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    Panel panel;
    panel.NewFile(DEVICETYPE_DF_RECEIVER);
    panel.ShowDocument();
    JobName("/Offline")->SetValue("kept");
    const QString sJob = JobText("/Offline");
    QVERIFY(!panel.LoadFile(file.fileName()));
    QCOMPARE(JobText("/Offline"), sJob);
    QVERIFY(panel.GetView()->IsLoaded());
    QCOMPARE(panel.m_lstMessages.size(), 1);
    QVERIFY2(panel.m_lstMessages.first().contains(why), qPrintable(panel.m_lstMessages.first()));
}

void TestJobPanel::nodesGoingAway_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("tiled");
    QTest::newRow("offline job") << "/Offline" << false;
    QTest::newRow("offline control data, tiled") << "/Offline/Dcd" << true;
    QTest::newRow("device job") << "/Online" << false;
    QTest::newRow("device control data, tiled") << "/Online/Dcd" << true;
}

void TestJobPanel::nodesGoingAway()
{
    QFETCH(QString, path);
    QFETCH(bool, tiled);
    auto* pPanel = new Panel;
    pPanel->show();
    Trigger(pPanel->GetViewMenu(), JobPanel::ID_DEVICE_JOB);
    if (tiled)
        Trigger(pPanel->GetViewMenu(), JobPanel::ID_TILE);
    pPanel->NewFile(DEVICETYPE_DF_RECEIVER);
    pPanel->ShowDocument();
    Trigger(pPanel->GetToolsMenu(), JobPanel::ID_UPLOAD);
    QTest::qWait(1);

    // Deleted from elsewhere while both trees show it: the panel goes on working.
    values::Node* pNode = Node(path);
    pNode->GetParentNode()->DeleteItem(pNode);
    QTest::qWait(1);
    Trigger(pPanel->GetToolsMenu(), JobPanel::ID_UPLOAD);
    Trigger(pPanel->GetToolsMenu(), JobPanel::ID_DOWNLOAD);
    QCOMPARE(JobText("/Online"), JobText("/Offline"));
    pPanel->NewFile(DEVICETYPE_DF_RECEIVER);
    pPanel->ShowDocument();
    QVERIFY(pPanel->GetDisplayNode());
    Trigger(pPanel->GetToolsMenu(), JobPanel::ID_UPLOAD);
    QVERIFY(pPanel->GetOnlineView()->IsLoaded());
    delete pPanel; // while both views are loaded
}

QTEST_MAIN(TestJobPanel)
#include "tst_jobpanel.moc"
