// The tree panel's file flow as the operator meets it: new, edit, save, open, close, the
// caption with its modified mark, the question before edits are lost, failing saves that
// keep the file on disk and the edits, and the recent files.

#include "kvbase/q4menu.h"
#include "oskevo/node.h"
#include "oskevo/tree.h"
#include "oskevo/value.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/vtfile.h"
#include "oskevo/vtfileversion.h"
#include "tolveth/genericview.h"
#include "tolveth/itreelistview.h"
#include "tolveth/treepanel.h"
#include "tolveth/treeviewsplit.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using values::ValueDescriptor;

namespace
{

const ValueDescriptor g_vdPnlSettings = ValueDescriptor::NodeType("PnlSettings", "/Settings");
const ValueDescriptor g_vdPnlFreq =
    ValueDescriptor::Double("PnlFreq", "/Freq", 100e6, "Hz", 1000.0, 2, 0.0, 6e9);
const ValueDescriptor g_vdPnlComment = ValueDescriptor::String("PnlComment", "/Comment", "none");
const ValueDescriptor g_vdPnlExtra = ValueDescriptor::NodeType("PnlExtra", "/Extra");

// A panel whose questions and dialogs are answered by the test.
class TestPanel : public TreePanel
{
public:
    explicit TestPanel(const QString& sTreePath = QStringLiteral("/Panels/Test"))
        : TreePanel(nullptr, "TestPanel", Qt::Window)
    {
        SetCaption(QStringLiteral("Test"));
        Init(sTreePath);
    }

    values::Node* Settings()
    {
        return GetFileNode() ? GetFileNode()->GetChildNode(&g_vdPnlSettings) : nullptr;
    }
    values::ValueBase* Value(const char* pszName)
    {
        return Settings() ? Settings()->GetChildValue(QString::fromLatin1(pszName)) : nullptr;
    }
    values::Node* FileNode() { return GetFileNode(); }

    bool m_bRealDialogs = false;
    QStringList m_lstOpenNames;
    QStringList m_lstSaveNames;
    QList<SaveAnswer> m_lstAnswers;
    int m_nQuestions = 0;
    int m_nOpenAsked = 0;
    int m_nNewType = 0;
    QStringList m_lstMessages;

protected:
    // Type 0: one settings node; type 1: also an extra node.
    void NewFile(int nType) override
    {
        TreePanel::NewFile(nType);
        values::Node* pSettings =
            static_cast<values::Node*>(FileNode()->AddItem(g_vdPnlSettings.CreateItem()));
        pSettings->AddItem(g_vdPnlFreq.CreateItem());
        pSettings->AddItem(g_vdPnlComment.CreateItem());
        if (nType == 1)
            FileNode()->AddItem(g_vdPnlExtra.CreateItem());
    }
    int SelectNewType() override { return m_nNewType; }
    QString AskOpenFileName() override
    {
        ++m_nOpenAsked;
        return m_lstOpenNames.isEmpty() ? QString() : m_lstOpenNames.takeFirst();
    }
    QString AskSaveFileName() override
    {
        return m_lstSaveNames.isEmpty() ? QString() : m_lstSaveNames.takeFirst();
    }
    SaveAnswer AskSaveChanges() override
    {
        ++m_nQuestions;
        if (m_bRealDialogs)
            return TreePanel::AskSaveChanges();
        return m_lstAnswers.isEmpty() ? ANSWER_CANCEL : m_lstAnswers.takeFirst();
    }
    void ShowMessage(const QString& sText) override
    {
        m_lstMessages << sText;
        if (m_bRealDialogs)
            TreePanel::ShowMessage(sText);
    }
};

QByteArray FileBytes(const QString& sFileName)
{
    QFile file(sFileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

// Answers the next modal message box the way an operator would: clicks one of its buttons.
void ClickInNextMessageBox(QMessageBox::StandardButton button, QString* pText)
{
    QTimer::singleShot(0,
                       [button, pText]()
                       {
                           QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                           if (!pBox)
                           {
                               ClickInNextMessageBox(button, pText); // not up yet
                               return;
                           }
                           if (pText)
                               *pText = pBox->text();
                           QAbstractButton* pButton = pBox->button(button);
                           if (pButton)
                               QTest::mouseClick(pButton, Qt::LeftButton);
                           else
                               pBox->reject();
                       });
}

class OtherVersion : public values::VtFileVersion
{
public:
    QString GetVersion() const override { return QStringLiteral("9.9"); }
};

// Runs a command through its File menu entry, as a click on the entry would.
void Trigger(TreePanel* pPanel, int nId)
{
    QAction* pAction = pPanel->GetFileMenu()->actionForId(nId);
    QVERIFY(pAction);
    QVERIFY(pAction->isEnabled());
    pAction->trigger();
}

// Makes every file write of this process fail past a few bytes while alive.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = 16;
        m_bActive = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool IsActive() const { return m_bActive; }

private:
    rlimit m_old;
    void (*m_oldHandler)(int);
    bool m_bActive = false;
};

} // namespace

class TestTreePanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CfgCenter::SetAppName(QStringLiteral("PanelTest")); }

    void init()
    {
        QVERIFY(m_dir.isValid());
        m_pPanel.reset(new TestPanel);
        m_pPanel->show();
    }
    void cleanup()
    {
        if (m_pPanel)
        {
            m_pPanel->m_lstAnswers = {TreePanel::ANSWER_DISCARD};
            m_pPanel->Close();
        }
        m_pPanel.reset();
        values::Tree::Instance()->Clear();
    }

    void startsWithoutDocument()
    {
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [ no document loaded ]"));
        QVERIFY(!m_pPanel->IsDocumentLoaded());
        for (int nId : {TreePanel::ID_SAVE, TreePanel::ID_SAVE_AS, TreePanel::ID_CLOSE})
            QVERIFY(!m_pPanel->GetFileMenu()->isItemEnabled(nId));
        QVERIFY(m_pPanel->GetFileMenu()->isItemEnabled(TreePanel::ID_NEW));
        QVERIFY(m_pPanel->GetFileMenu()->isItemEnabled(TreePanel::ID_OPEN));
        // Only the File menu has entries.
        QCOMPARE(m_pPanel->menuBar()->actions().size(), 1);
        QVERIFY(!m_pPanel->Save());
    }

    // The caption names the document and carries the modified mark through new, edit, save.
    void captionFollowsDocument()
    {
        Trigger(m_pPanel.get(), TreePanel::ID_NEW);
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [unnamed[*]]"));
        QVERIFY(!m_pPanel->isWindowModified());
        QVERIFY(m_pPanel->GetFileMenu()->isItemEnabled(TreePanel::ID_SAVE));

        QVERIFY(m_pPanel->Value("Comment")->SetAsString(QStringLiteral("edited")));
        QVERIFY(m_pPanel->isWindowModified());
        QVERIFY(m_pPanel->IsModified());

        const QString sFile = m_dir.filePath(QStringLiteral("first"));
        m_pPanel->m_lstSaveNames << sFile;
        Trigger(m_pPanel.get(), TreePanel::ID_SAVE);                       // unnamed: asks for a name
        QCOMPARE(m_pPanel->GetFileName(), sFile + QStringLiteral(".xml")); // the pattern's suffix
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [first.xml[*]]"));
        QVERIFY(!m_pPanel->isWindowModified());
        QVERIFY(m_pPanel->m_lstMessages.isEmpty());

        // Ctrl+S saves to the same file without asking for a name.
        QVERIFY(m_pPanel->Value("Comment")->SetAsString(QStringLiteral("again")));
        QVERIFY(m_pPanel->isWindowModified());
        m_pPanel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_pPanel.get()));
        QTest::keyClick(m_pPanel.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!m_pPanel->isWindowModified());
        QVERIFY(FileBytes(sFile + QStringLiteral(".xml")).contains("again"));
    }

    void saveAndOpenRoundTrip()
    {
        m_pPanel->m_nNewType = 1;
        QVERIFY(m_pPanel->New());
        QVERIFY(m_pPanel->Value("Freq")->SetAsString(QStringLiteral("433920000")));
        QVERIFY(m_pPanel->Value("Comment")->SetAsString(QStringLiteral("round trip")));
        const QString sFile = m_dir.filePath(QStringLiteral("trip.xml"));
        m_pPanel->m_lstSaveNames << sFile;
        Trigger(m_pPanel.get(), TreePanel::ID_SAVE_AS);
        QVERIFY(QFile::exists(sFile));

        Trigger(m_pPanel.get(), TreePanel::ID_CLOSE);
        QCOMPARE(m_pPanel->m_nQuestions, 0); // saved: nothing to ask
        QVERIFY(!m_pPanel->IsDocumentLoaded());
        QCOMPARE(m_pPanel->FileNode()->GetChildCount(), 0);
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [ no document loaded ]"));

        m_pPanel->m_lstOpenNames << sFile;
        Trigger(m_pPanel.get(), TreePanel::ID_OPEN);
        QVERIFY(m_pPanel->IsDocumentLoaded());
        QCOMPARE(m_pPanel->Value("Freq")->GetAsString(), QStringLiteral("433920000"));
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString(), QStringLiteral("round trip"));
        QVERIFY(m_pPanel->FileNode()->GetChildNode(&g_vdPnlExtra));
        QVERIFY(!m_pPanel->IsModified());
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [trip.xml[*]]"));
        QCOMPARE(m_pPanel->GetRecentFiles(), QStringList({sFile}));
    }

    // A save that fails shows a message, leaves the old file byte for byte and keeps the
    // document modified under its old name.
    void failingSaveKeepsFileAndEdits_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("file size limit") << "limit";
        QTest::newRow("read-only directory") << "readonly";
        QTest::newRow("target is a directory") << "directory";
    }
    void failingSaveKeepsFileAndEdits()
    {
        QFETCH(QString, failure);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString sFile = dir.filePath(QStringLiteral("kept.xml"));
        QVERIFY(m_pPanel->New());
        m_pPanel->m_lstSaveNames << sFile;
        QVERIFY(m_pPanel->SaveAs());
        const QByteArray before = FileBytes(sFile);
        QVERIFY(before.size() > 16);

        QVERIFY(m_pPanel->Value("Comment")->SetAsString(QString(2000, QLatin1Char('x'))));
        QVERIFY(m_pPanel->IsModified());

        bool bSaved = true;
        QString sTarget = sFile;
        if (failure == QLatin1String("limit"))
        {
            FileSizeLimit limit;
            QVERIFY(limit.IsActive());
            bSaved = m_pPanel->Save();
        }
        else if (failure == QLatin1String("readonly"))
        {
            if (geteuid() == 0)
                QSKIP("root writes into read-only directories");
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
            bSaved = m_pPanel->Save();
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        else
        {
            sTarget = dir.filePath(QStringLiteral("folder.xml"));
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.xml")));
            m_pPanel->m_lstSaveNames << sTarget;
            bSaved = m_pPanel->SaveAs();
            QVERIFY(QFileInfo(sTarget).isDir());
        }

        QVERIFY(!bSaved);
        QCOMPARE(m_pPanel->m_lstMessages.size(), 1);
        QVERIFY2(m_pPanel->m_lstMessages.first().contains(sTarget),
                 qPrintable(m_pPanel->m_lstMessages.first()));
        QCOMPARE(FileBytes(sFile), before);
        QVERIFY(m_pPanel->IsModified());
        QVERIFY(m_pPanel->isWindowModified());
        QCOMPARE(m_pPanel->GetFileName(), sFile);
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString().size(), 2000);

        // Once the cause is gone, the same command saves.
        QVERIFY(m_pPanel->Save());
        QVERIFY(FileBytes(sFile).contains(QByteArray(2000, 'x')));
        QVERIFY(!m_pPanel->IsModified());
    }

    // The question before unsaved edits are lost, for each command that would lose them.
    void discardQuestion_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("named");       // the document has a file
        QTest::addColumn<bool>("goesOn");      // the command was carried out
        QTest::addColumn<bool>("fileHasEdit"); // the edit reached the file

        const int save = TreePanel::ANSWER_SAVE;
        const int discard = TreePanel::ANSWER_DISCARD;
        const int cancel = TreePanel::ANSWER_CANCEL;
        QTest::newRow("close, cancel") << "close" << cancel << true << false << false;
        QTest::newRow("close, discard") << "close" << discard << true << true << false;
        QTest::newRow("close, save") << "close" << save << true << true << true;
        QTest::newRow("close, save unnamed, name cancelled") << "close" << save << false << false << false;
        QTest::newRow("new, cancel") << "new" << cancel << true << false << false;
        QTest::newRow("new, discard") << "new" << discard << true << true << false;
        QTest::newRow("open, cancel") << "open" << cancel << true << false << false;
        QTest::newRow("open, save") << "open" << save << true << true << true;
        QTest::newRow("window close, cancel") << "window" << cancel << true << false << false;
        QTest::newRow("window close, discard") << "window" << discard << true << true << false;
    }
    void discardQuestion()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, named);
        QFETCH(bool, goesOn);
        QFETCH(bool, fileHasEdit);

        const QString sFile = m_dir.filePath(QStringLiteral("asked.xml"));
        const QString sOther = m_dir.filePath(QStringLiteral("other.xml"));
        QVERIFY(m_pPanel->New());
        m_pPanel->m_lstSaveNames << sOther;
        QVERIFY(m_pPanel->SaveAs()); // a file to open
        if (named)
        {
            m_pPanel->m_lstSaveNames << sFile;
            QVERIFY(m_pPanel->SaveAs());
        }
        else
        {
            QVERIFY(m_pPanel->New());
        }
        QVERIFY(m_pPanel->Value("Comment")->SetAsString(QStringLiteral("unsaved edit")));
        m_pPanel->m_lstAnswers << TreePanel::SaveAnswer(answer);
        m_pPanel->m_lstOpenNames << sOther;

        bool bDone = false;
        if (command == QLatin1String("close"))
            bDone = m_pPanel->Close();
        else if (command == QLatin1String("new"))
            bDone = m_pPanel->New();
        else if (command == QLatin1String("open"))
            bDone = m_pPanel->Open();
        else
            bDone = m_pPanel->close();

        QCOMPARE(m_pPanel->m_nQuestions, 1);
        QCOMPARE(bDone, goesOn);
        if (command == QLatin1String("open"))
            QCOMPARE(m_pPanel->m_nOpenAsked, goesOn ? 1 : 0);
        if (named)
            QCOMPARE(FileBytes(sFile).contains("unsaved edit"), fileHasEdit);
        if (!goesOn)
        {
            // Nothing lost: the edit is still there and still marked.
            QCOMPARE(m_pPanel->Value("Comment")->GetAsString(), QStringLiteral("unsaved edit"));
            QVERIFY(m_pPanel->isWindowModified());
            QVERIFY(m_pPanel->isVisible());
        }
    }

    void unmodifiedDocumentIsNotAsked()
    {
        QVERIFY(m_pPanel->New());
        QVERIFY(m_pPanel->Close());
        QVERIFY(m_pPanel->New());
        QVERIFY(m_pPanel->New());
        QCOMPARE(m_pPanel->m_nQuestions, 0);
    }

    // The real question box, answered by clicking its buttons.
    void questionBoxAnsweredByOperator_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Discard") << int(QMessageBox::Discard) << true;
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false;
    }
    void questionBoxAnsweredByOperator()
    {
        QFETCH(int, button);
        QFETCH(bool, closed);

        QVERIFY(m_pPanel->New());
        QVERIFY(m_pPanel->Value("Comment")->SetAsString(QStringLiteral("edit")));
        m_pPanel->m_bRealDialogs = true;
        QString sQuestion;
        ClickInNextMessageBox(QMessageBox::StandardButton(button), &sQuestion);
        QCOMPARE(m_pPanel->Close(), closed);
        QVERIFY(sQuestion.contains(QStringLiteral("unnamed")));
        QVERIFY(sQuestion.contains(QStringLiteral("modified")));
        QCOMPARE(m_pPanel->IsDocumentLoaded(), !closed);
        m_pPanel->m_bRealDialogs = false;
    }

    // A file that cannot be read leaves the document as it was and says why.
    void failingOpenKeepsDocument_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("not a document") << "garbage";
        QTest::newRow("other version") << "version";
    }
    void failingOpenKeepsDocument()
    {
        QFETCH(QString, kind);

        const QString sGood = m_dir.filePath(QStringLiteral("good.xml"));
        QVERIFY(m_pPanel->New());
        m_pPanel->m_lstSaveNames << sGood;
        QVERIFY(m_pPanel->SaveAs());
        QVERIFY(m_pPanel->Value("Comment")->SetAsString(QStringLiteral("kept edit")));

        const QString sBad = m_dir.filePath(QStringLiteral("bad.xml"));
        QFile::remove(sBad);
        if (kind == QLatin1String("garbage"))
        {
            QFile file(sBad);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("this is no document");
        }
        else if (kind == QLatin1String("version"))
        {
            // A real document of this kind, written by a newer program.
            values::Node source(QStringLiteral("Source"));
            source.AddItem(g_vdPnlSettings.CreateItem());
            OtherVersion version;
            values::VtFile(sBad, &source, &version).Write();
        }
        m_pPanel->m_lstAnswers << TreePanel::ANSWER_DISCARD;
        QVERIFY(!m_pPanel->OpenFile(sBad));
        QCOMPARE(m_pPanel->m_lstMessages.size(), 1);
        QVERIFY(m_pPanel->m_lstMessages.first().contains(sBad));
        QCOMPARE(m_pPanel->GetFileName(), sGood);
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString(), QStringLiteral("kept edit"));
        QVERIFY(m_pPanel->IsModified());
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [good.xml[*]]"));
        QVERIFY(!m_pPanel->GetRecentFiles().contains(sBad));
    }

    void failingOpenShowsInformationBox()
    {
        m_pPanel->m_bRealDialogs = true;
        QString sText;
        ClickInNextMessageBox(QMessageBox::Ok, &sText);
        const QString sMissing = m_dir.filePath(QStringLiteral("nowhere.xml"));
        QVERIFY(!m_pPanel->LoadFile(sMissing));
        QVERIFY(sText.contains(sMissing));
        QVERIFY(!m_pPanel->IsDocumentLoaded());
        m_pPanel->m_bRealDialogs = false;
    }

    void recentFilesOpenFromTheMenu()
    {
        const QString sA = m_dir.filePath(QStringLiteral("a & b.xml"));
        const QString sB = m_dir.filePath(QStringLiteral("b.xml"));
        QVERIFY(m_pPanel->New());
        QVERIFY(m_pPanel->Value("Comment")->SetAsString(QStringLiteral("in a")));
        m_pPanel->m_lstSaveNames << sA << sB;
        QVERIFY(m_pPanel->SaveAs());
        QVERIFY(m_pPanel->Value("Comment")->SetAsString(QStringLiteral("in b")));
        QVERIFY(m_pPanel->SaveAs());
        QCOMPARE(m_pPanel->GetRecentFiles(), QStringList({sB, sA}));

        Q4Menu* pRecent = m_pPanel->GetRecentMenu();
        QCOMPARE(pRecent->text(0), QStringLiteral("&1 b.xml"));
        QCOMPARE(pRecent->text(1), QStringLiteral("&2 a && b.xml"));
        QVERIFY(pRecent->isItemVisible(1));
        QVERIFY(!pRecent->isItemVisible(2));

        pRecent->actionForId(1)->trigger();
        QCOMPARE(m_pPanel->GetFileName(), sA);
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString(), QStringLiteral("in a"));
        QCOMPARE(m_pPanel->GetRecentFiles(), QStringList({sA, sB}));
        QCOMPARE(pRecent->text(0), QStringLiteral("&1 a && b.xml"));

        // A file that went away is reported and leaves the list.
        QVERIFY(QFile::remove(sB));
        pRecent->actionForId(1)->trigger();
        QCOMPARE(m_pPanel->m_lstMessages.size(), 1);
        QCOMPARE(m_pPanel->GetRecentFiles(), QStringList({sA}));
        QCOMPARE(m_pPanel->GetFileName(), sA);
    }

    void recentFilesAreBounded()
    {
        QVERIFY(m_pPanel->New());
        for (int i = 0; i < TreePanel::s_nMaxRecentFiles + 3; ++i)
        {
            m_pPanel->m_lstSaveNames << m_dir.filePath(QStringLiteral("n%1.xml").arg(i));
            QVERIFY(m_pPanel->SaveAs());
        }
        QCOMPARE(m_pPanel->GetRecentFiles().size(), TreePanel::s_nMaxRecentFiles);
        QCOMPARE(m_pPanel->GetRecentFiles().first(),
                 m_dir.filePath(QStringLiteral("n%1.xml").arg(TreePanel::s_nMaxRecentFiles + 2)));
    }

    void recentFilesKeptInGivenSettingsOnly()
    {
        const QString sIni = m_dir.filePath(QStringLiteral("panel.ini"));
        const QString sFile = m_dir.filePath(QStringLiteral("remembered.xml"));
        {
            QSettings settings(sIni, QSettings::IniFormat);
            m_pPanel->SetRecentFilesSettings(&settings);
            QVERIFY(m_pPanel->New());
            m_pPanel->m_lstSaveNames << sFile;
            QVERIFY(m_pPanel->SaveAs());
            m_pPanel->SetRecentFilesSettings(nullptr);
        }
        {
            // Another panel with the same settings knows the file.
            QSettings settings(sIni, QSettings::IniFormat);
            TestPanel other(QStringLiteral("/Panels/Other"));
            QVERIFY(other.GetRecentFiles().isEmpty());
            other.SetRecentFilesSettings(&settings);
            QCOMPARE(other.GetRecentFiles(), QStringList({sFile}));
            other.SetRecentFilesSettings(nullptr);
        }
        // Without settings nothing is written anywhere.
        const QByteArray ini = FileBytes(sIni);
        m_pPanel->m_lstSaveNames << m_dir.filePath(QStringLiteral("unremembered.xml"));
        QVERIFY(m_pPanel->SaveAs());
        QCOMPARE(FileBytes(sIni), ini);
    }

    // An edit made through the panel's own view marks the document.
    void editInTheViewMarksDocument()
    {
        QVERIFY(m_pPanel->New());
        TreeViewSplit* pSplit = dynamic_cast<TreeViewSplit*>(m_pPanel->GetView());
        QVERIFY(pSplit);
        QCOMPARE(m_pPanel->centralWidget(), pSplit->WidgetCast());
        QTreeWidget* pTree = pSplit->GetListView();
        QTreeWidgetItem* pSettingsItem = nullptr;
        for (QTreeWidgetItemIterator it(pTree); *it; ++it)
            if ((*it)->text(0) == QLatin1String("Settings"))
                pSettingsItem = *it;
        QVERIFY(pSettingsItem);
        pTree->setCurrentItem(pSettingsItem);

        GenericView* pForm = pSplit->GetDisplayArea()->findChild<GenericView*>();
        QVERIFY(pForm);
        QLineEdit* pComment = pForm->findChild<QLineEdit*>(QStringLiteral("Comment"));
        QVERIFY(pComment);
        QVERIFY(!m_pPanel->isWindowModified());
        pComment->setFocus();
        pComment->selectAll();
        QTest::keyClicks(pComment, QStringLiteral("typed in the form"));
        QTest::keyClick(pComment, Qt::Key_Return);
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString(), QStringLiteral("typed in the form"));
        QVERIFY(m_pPanel->isWindowModified());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TestPanel> m_pPanel;
};

QTEST_MAIN(TestTreePanel)
#include "tst_treepanel.moc"
