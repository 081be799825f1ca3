// The studio: a host application that shows the standard device tree of the process-wide
// value tree, with the library's editors, and keeps it in files.
//
//   dravinel-studio [FILE] [--job JOB] [--screenshot PNG] [--show PATH] [--lang LANG]
//   dravinel-studio --job-panel [JOB] [--screenshot PNG] [--lang LANG]
//
// Without FILE it starts on the built-in sample tree. With --screenshot it renders the
// window into PNG and exits (works offscreen, without a display). --show opens the node at
// that path (for instance "Dev/Movs/IndMov/Par" for the movement scenario) instead of the
// first frequency list. --lang shows the library's texts in that language ("de"), "en" in
// English. --job opens a job file in the Job menu at start. --job-panel shows the job panel
// instead, on the job file JOB if given: the offline job beside the job on the device.

#include "studiojobmenu.h"
#include "studiopanel.h"

#include "dravinelcontrols/jobdialogmanager.h"
#include "dravinelcontrols/jobpanel.h"

#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "tolveth/treeviewbasectrl.h"
#include "tolveth/treeviewsplit.h"
#include "zorvanappstartup/cfgcenter.h"
#include "zorvanappstartup/translationcenter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>

namespace
{

// Makes the node at sPath (below the root, "Dev/Movs/IndMov/Par") current, or by default the
// first frequency list of the first job, so that the window shows an editor rather than an
// empty form.
void SelectFirstEditor(StudioPanel& panel, const QString& sPath)
{
    auto* pView = dynamic_cast<TreeViewSplit*>(panel.GetView());
    values::Node* pRoot = values::Tree::Instance()->GetRoot();
    values::Node* pNode = pRoot->GetNode(sPath.isEmpty() ? QStringLiteral("Dev/Dcd/Dcs/Fds") : sPath);
    if (!pView || !pNode)
    {
        if (!sPath.isEmpty())
            std::fprintf(stderr, "No node %s in the tree\n", qPrintable(sPath));
        return;
    }
    pView->GetTreeViewCtrl()->SelectTreeItem(pNode);
    // In the frequency list, a definition with parameters of its own shows the most.
    for (QTableWidget* pTable : panel.findChildren<QTableWidget*>())
    {
        if (pTable->isVisible() && pTable->rowCount() > 1)
        {
            pTable->setCurrentCell(1, 0);
            break;
        }
    }
}

// Renders the window into sFile once it has been laid out, then ends the program.
void ScreenshotLater(QWidget& window, const QString& sFile)
{
    QTimer::singleShot(300, &window,
                       [&window, sFile]()
                       {
                           const bool bSaved = window.grab().save(sFile, "PNG");
                           if (!bSaved)
                               std::fprintf(stderr, "Could not write %s\n", qPrintable(sFile));
                           QApplication::exit(bSaved ? 0 : 1);
                       });
}

// The job panel as the main window, on a job file if given.
int RunJobPanel(const QStringList& lstFiles, const QString& sScreenshot)
{
    JobPanel panel;
    panel.resize(1280, 800);
    if (!lstFiles.isEmpty() && !panel.LoadFile(lstFiles.first()))
        return 1;
    panel.show();
    if (!sScreenshot.isEmpty())
        ScreenshotLater(panel, sScreenshot);
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravinel Studio"));
    CfgCenter::SetAppName(QStringLiteral("Dravinel Studio"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Edits standard device trees of the monitoring system."));
    parser.addHelpOption();
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Render the window into <png> and exit."),
                                  QStringLiteral("png"));
    parser.addOption(screenshot);
    QCommandLineOption show(
        QStringLiteral("show"),
        QStringLiteral("Open the node at <path> below the root, e.g. Dev/Movs/IndMov/Par."),
        QStringLiteral("path"));
    parser.addOption(show);
    QCommandLineOption lang(QStringLiteral("lang"),
                            QStringLiteral("Show the texts in language <lang> (de, en)."),
                            QStringLiteral("lang"));
    parser.addOption(lang);
    QCommandLineOption job(QStringLiteral("job"), QStringLiteral("Open the job file <job> at start."),
                           QStringLiteral("job"));
    parser.addOption(job);
    QCommandLineOption jobPanel(QStringLiteral("job-panel"),
                                QStringLiteral("Show the job panel, on the job file given as <file>."));
    parser.addOption(jobPanel);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Device tree file to open."));
    parser.process(app);

    // Before any view exists: views and alias tables translate their texts when they are made.
    if (parser.isSet(lang))
        TranslationCenter::Instance()->SetLocale(QLocale(parser.value(lang)));
    if (parser.isSet(jobPanel))
        return RunJobPanel(parser.positionalArguments(), parser.value(screenshot));

    StudioPanel panel;
    panel.Init(QStringLiteral("/"));
    panel.resize(1280, 800);
    if (QSplitter* pSplitter = qobject_cast<QSplitter*>(panel.centralWidget()))
        pSplitter->setSizes({330, 950});
    const QStringList lstFiles = parser.positionalArguments();
    if (lstFiles.isEmpty())
    {
        panel.NewFile(StudioPanel::TYPE_SAMPLE);
        panel.ShowDocument();
    }
    else if (!panel.LoadFile(lstFiles.first()))
    {
        return 1;
    }
    if (parser.isSet(job) && !panel.GetJobMenu()->OpenJob(parser.value(job)))
    {
        std::fprintf(stderr, "Could not open the job %s: %s\n", qPrintable(parser.value(job)),
                     qPrintable(panel.GetJobMenu()->GetManager()->GetLastError()));
        return 1;
    }
    panel.SetCaption();
    panel.show();
    if (!parser.isSet(screenshot))
        SelectFirstEditor(panel, parser.value(show));

    if (parser.isSet(screenshot))
    {
        SelectFirstEditor(panel, parser.value(show));
        ScreenshotLater(panel, parser.value(screenshot));
    }
    return app.exec();
}
