// The job dialog: its start buttons by flags and device type, the result code of each way
// out, the FFM start on the selected frequency (and the message without one), and the
// dialog run by the job manager: Ok keeps the edits, Cancel and closing roll them back.

#include "common/datarow.h"
#include "tst_jobfixture.h"

#include "common/modalanswerer.h"
#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewsplit.h"
#include "dravinelcontrols/jobdialog.h"
#include "oskevo/valueselection.h"
#include "tolveth/treeviewbase.h"
#include "tolveth/treeviewsplit.h"

#include <QPushButton>
#include <QtTest>
#include <algorithm>

using namespace JobTest;

namespace
{

void Click(QWidget* pDialog, const char* pszButton)
{
    if (QString(pszButton) == "close")
        pDialog->close();
    else if (QString(pszButton) == "Escape")
        QTest::keyClick(pDialog, Qt::Key_Escape);
    else
        QTest::mouseClick(pDialog->findChild<QPushButton*>(pszButton), Qt::LeftButton);
}

// A click on a row of the frequency list, or (nRow -1) on the tree's top item.
void ClickRow(JobDialog& dialog, int nRow)
{
    QAbstractItemView* pView = dialog.findChild<FrequencyViewSplit*>()->GetFrequencyView();
    QModelIndex index = pView->model()->index(nRow, 0);
    if (nRow < 0)
    {
        pView = dialog.GetTreeView()->GetListView();
        index = pView->model()->index(0, 0);
    }
    QTest::mouseClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier, pView->visualRect(index).center());
    QCoreApplication::processEvents();
}

} // namespace

class TestJobDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ErrorHandler::Instance()->SetSink([](const ErrorHandler::Report&) {});
    }

    void startButtons_data()
    {
        QTest::addColumn<bool>("bHide");
        QTest::addColumn<int>("nType");
        QTest::addColumn<int>("nFlags"); // 1 FFM, 2 search, 4 scan
        QTest::addColumn<QString>("sRow");
        QTest::addColumn<QSize>("firstIcon");
        const QString sAll = "FfmButton SearchButton ScanButton OkButton CancelButton";
        Row("all, DF", false, 2, 7, sAll, QSize(18, 18));
        Row("all, VUHF", false, 1, 7, sAll, QSize(15, 16));
        Row("search, scan", false, 1, 6, "SearchButton ScanButton OkButton CancelButton", QSize(16, 16));
        Row("hidden", true, 2, 7, "OkButton CancelButton", QSize());
        Row("no flags", false, 1, 0, "OkButton CancelButton", QSize());
    }
    void startButtons()
    {
        QFETCH(bool, bHide);
        QFETCH(int, nType);
        QFETCH(int, nFlags);
        Manager manager;
        manager.New(100);
        JobDialog dialog(manager.GetOffline()->GetChildNode(&g_vdNodeDcd), nullptr, QRect(20, 100, 800, 400),
                         bHide, unsigned(nType), nFlags & 1, nFlags & 2, nFlags & 4);
        dialog.show();
        QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
        std::sort(buttons.begin(), buttons.end(),
                  [](QPushButton* p1, QPushButton* p2) { return p1->x() < p2->x(); });
        QStringList names;
        for (QPushButton* pButton : buttons)
            names << pButton->objectName();
        QFETCH(QString, sRow);
        QFETCH(QSize, firstIcon);
        QCOMPARE(names.join(' '), sRow);
        if (firstIcon.isValid())
        {
            QCOMPARE(buttons.first()->icon().availableSizes().value(0), firstIcon);
            QCOMPARE(buttons.first()->width(), buttons.first()->height());
        }
    }

    // Each way out ends the dialog with its code; FFM only with a single frequency selected,
    // otherwise it says so and the dialog stays.
    void results_data()
    {
        QTest::addColumn<int>("nRow"); // clicked first; -1 the tree's top item, -2 nothing
        QTest::addColumn<QString>("sButton");
        QTest::addColumn<int>("nResult"); // -1: still open, with the message
        Row("search", -2, "SearchButton", 3);
        Row("scan", -2, "ScanButton", 4);
        Row("ok", -2, "OkButton", 5);
        Row("cancel", -2, "CancelButton", 6);
        Row("window closed", -2, "close", 0);
        Row("escape", -2, "Escape", 0);
        Row("ffm, single frequency", 1, "FfmButton", 1);
        Row("ffm, range", 2, "FfmButton", -1);
        Row("ffm, list not current", -1, "FfmButton", -1);
    }
    void results()
    {
        QFETCH(int, nRow);
        QFETCH(QString, sButton);
        QFETCH(int, nResult);
        Manager manager;
        manager.New(100);
        manager.Build("m200-200 m300-400");
        JobDialog dialog(manager.GetOffline()->GetChildNode(&g_vdNodeDcd), nullptr, QRect(20, 100, 800, 400),
                         false, 2, true, true, true);
        dialog.show();
        if (nRow > -2)
            ClickRow(dialog, nRow);
        ModalAnswerer answerer;
        Click(&dialog, sButton.toLatin1());
        QCOMPARE(dialog.isVisible(), nResult < 0);
        QCOMPARE(answerer.Titles(), nResult < 0 ? QStringList("Information") : QStringList());
        QCOMPARE(answerer.Texts(), nResult < 0
                                       ? QStringList("For starting the FFM mode, a frequency has to be "
                                                     "selected.")
                                       : QStringList());
        if (nResult >= 0)
            QCOMPARE(dialog.result(), nResult);
        QCOMPARE(dialog.GetCurrentFd(), nResult == 1 ? manager.Fds().value(nRow) : nullptr);
    }

    // Dialog runs through the manager, each "<definition added meanwhile> <button>": Ok keeps the
    // job, Cancel and closing restore the job as it was before that run.
    void show_data()
    {
        QTest::addColumn<QStringList>("runs");
        QTest::addColumn<QString>("sList");
        QTest::addColumn<bool>("bModified");
        QTest::addColumn<bool>("bDialogKept");
        Row("ok keeps", QStringList{"m5-5 OkButton"}, "m100-100 m5-5", true, true);
        Row("cancel rolls back", QStringList{"m5-5 CancelButton"}, "m100-100", false, false);
        Row("close rolls back", QStringList{"m5-5 close"}, "m100-100", false, false);
        Row("cancel, no edit", QStringList{"- CancelButton"}, "m100-100", false, true);
        Row("ok, then cancel", QStringList{"m5-5 OkButton", "m7-7 CancelButton"}, "m100-100 m5-5", true,
            false);
        Row("cancel, then ok", QStringList{"m5-5 CancelButton", "m7-7 OkButton"}, "m100-100 m7-7", true,
            true);
    }
    void show()
    {
        QFETCH(QStringList, runs);
        QFETCH(QString, sList);
        QFETCH(bool, bModified);
        QFETCH(bool, bDialogKept);
        Manager manager;
        manager.m_bRealDialog = true;
        manager.New(100);
        for (const QString& sRun : runs)
        {
            const QStringList parts = sRun.split(' ');
            QTimer::singleShot(0,
                               [&]
                               {
                                   if (parts[0] != "-")
                                       manager.Build(parts[0]);
                                   Click(QApplication::activeModalWidget(), parts[1].toLatin1());
                               });
            manager.Show(true, true, true);
        }
        QCOMPARE(manager.List(), sList);
        QCOMPARE(manager.IsModified(), bModified);
        QCOMPARE(manager.GetDialog() != nullptr, bDialogKept);
    }

    // FFM from the manager's dialog: the selected frequency goes to the device.
    void showFfm()
    {
        Manager manager;
        manager.m_bRealDialog = true;
        g_vdFrequency.CreateAt(manager.GetDevice(), nullptr);
        manager.New(100);
        manager.Build("m250-250");
        QTimer::singleShot(0,
                           [&]
                           {
                               ClickRow(*manager.GetDialog(), 1);
                               Click(manager.GetDialog(), "FfmButton");
                           });
        QCOMPARE(manager.Show(true, false, false), 1);
        QCOMPARE(manager.GetDialog()->windowTitle(), QString("Job Edit - [unnamed*]"));
        QCOMPARE(manager.GetDevice()->GetValue(C::g_sFrequency)->GetNumber(), 250.0);
    }
};

QTEST_MAIN(TestJobDialog)
#include "tst_jobdialog.moc"
