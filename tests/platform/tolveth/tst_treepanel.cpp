// The tree panel's file flow as the operator meets it: new, edit, save, open, close, the
// caption with its modified mark, the question before edits are lost, failing saves that
// keep the file on disk and the edits, and the recent files.

#include "common/datarow.h"
#include "kvbase/q4menu.h"
#include "oskevo/tree.h"
#include "oskevo/valuedescriptor.h"
#include "tolveth/genericview.h"
#include "tolveth/treepanel.h"
#include "treefixture.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using values::ValueDescriptor;

namespace
{

const ValueDescriptor g_vdSettings = ValueDescriptor::NodeType("PnlSettings", "/Settings");
const ValueDescriptor g_vdFreq =
    ValueDescriptor::Double("PnlFreq", "/Freq", 100e6, "Hz", 1000.0, 2, 0.0, 6e9);
const ValueDescriptor g_vdComment = ValueDescriptor::String("PnlComment", "/Comment", "none");
const ValueDescriptor g_vdExtra = ValueDescriptor::NodeType("PnlExtra", "/Extra");

// A panel whose questions and file dialogs are answered by the test (or, with m_bRealDialogs,
// by the operator in the real boxes); documents of type 0 hold a settings node with two values,
// type 1 also an extra node.
class TestPanel : public TreePanel
{
public:
    explicit TestPanel(const QString& sTreePath = "/Panels/Test")
        : TreePanel(nullptr, "TestPanel", Qt::Window)
    {
        SetCaption(QStringLiteral("Test"));
        Init(sTreePath);
    }
    values::ValueBase* Value(const char* pszName)
    {
        values::Node* pSettings = GetFileNode() ? GetFileNode()->GetChildNode(&g_vdSettings) : nullptr;
        return pSettings ? pSettings->GetChildValue(QString::fromLatin1(pszName)) : nullptr;
    }
    void Edit(const QString& sComment) { QVERIFY(Value("Comment")->SetAsString(sComment)); }
    values::Node* FileNode() { return GetFileNode(); }

    bool m_bRealDialogs = false;
    QStringList m_lstOpenNames, m_lstSaveNames, m_lstMessages;
    QList<SaveAnswer> m_lstAnswers;
    int m_nQuestions = 0, m_nOpenAsked = 0, m_nNewType = 0;

protected:
    void NewFile(int nType) override
    {
        TreePanel::NewFile(nType);
        auto* pSettings = static_cast<values::Node*>(FileNode()->AddItem(g_vdSettings.CreateItem()));
        pSettings->AddItem(g_vdFreq.CreateItem());
        pSettings->AddItem(g_vdComment.CreateItem());
        if (nType == 1)
            FileNode()->AddItem(g_vdExtra.CreateItem());
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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Runs a command through its File menu entry, as a click on the entry would.
void Trigger(TreePanel* pPanel, int nId)
{
    QAction* pAction = pPanel->GetFileMenu()->actionForId(nId);
    QVERIFY(pAction && pAction->isEnabled());
    pAction->trigger();
}

} // namespace

class TestTreePanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CfgCenter::SetAppName(QStringLiteral("PanelTest")); }
    void init()
    {
        m_pPanel.reset(new TestPanel);
        m_pPanel->show();
    }
    void cleanup()
    {
        m_pPanel->m_bRealDialogs = false;
        m_pPanel->m_lstAnswers = {TreePanel::ANSWER_DISCARD};
        m_pPanel->Close();
        m_pPanel.reset();
        values::Tree::Instance()->Clear();
    }

    // Without a document only New and Open work; the caption names the document and carries
    // the modified mark through new, edit and save (the first save asks for a name and adds
    // the suffix, Ctrl+S saves again); closing an unmodified document asks nothing, and the
    // file opens again as it was saved.
    void fileFlow()
    {
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [ no document loaded ]"));
        QVERIFY(!m_pPanel->IsDocumentLoaded() && !m_pPanel->Save());
        for (int nId : {TreePanel::ID_SAVE, TreePanel::ID_SAVE_AS, TreePanel::ID_CLOSE})
            QVERIFY(!m_pPanel->GetFileMenu()->isItemEnabled(nId));
        QCOMPARE(m_pPanel->menuBar()->actions().size(), 1); // only the File menu
        m_pPanel->m_nNewType = 1;
        Trigger(m_pPanel.get(), TreePanel::ID_NEW);
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [unnamed[*]]"));
        QVERIFY(!m_pPanel->isWindowModified());
        QVERIFY(m_pPanel->Value("Freq")->SetAsString(QStringLiteral("433920000")));
        m_pPanel->Edit(QStringLiteral("edited"));
        QVERIFY(m_pPanel->isWindowModified() && m_pPanel->IsModified());
        const QString sFile = m_dir.filePath(QStringLiteral("first"));
        m_pPanel->m_lstSaveNames << sFile;
        Trigger(m_pPanel.get(), TreePanel::ID_SAVE);
        QCOMPARE(m_pPanel->GetFileName(), sFile + ".xml");
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [first.xml[*]]"));
        QVERIFY(!m_pPanel->isWindowModified() && m_pPanel->m_lstMessages.isEmpty());
        m_pPanel->Edit(QStringLiteral("again"));
        m_pPanel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_pPanel.get()));
        QTest::keyClick(m_pPanel.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!m_pPanel->isWindowModified() && FileBytes(sFile + ".xml").contains("again"));
        Trigger(m_pPanel.get(), TreePanel::ID_CLOSE);
        QCOMPARE(m_pPanel->m_nQuestions, 0);
        QVERIFY(!m_pPanel->IsDocumentLoaded() && m_pPanel->FileNode()->GetChildCount() == 0);
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [ no document loaded ]"));
        m_pPanel->m_lstOpenNames << sFile + ".xml";
        Trigger(m_pPanel.get(), TreePanel::ID_OPEN);
        QCOMPARE(m_pPanel->Value("Freq")->GetAsString(), QStringLiteral("433920000"));
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString(), QStringLiteral("again"));
        QVERIFY(m_pPanel->FileNode()->GetChildNode(&g_vdExtra) && !m_pPanel->IsModified());
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [first.xml[*]]"));
        QVERIFY(m_pPanel->New() && m_pPanel->New());
        QCOMPARE(m_pPanel->m_nQuestions, 0);
    }

    // A save that fails shows a message naming the file, leaves the old file byte for byte and
    // keeps the document modified under its old name; once the cause is gone, it saves.
    void failingSaveKeepsFileAndEdits_data()
    {
        QTest::addColumn<QString>("failure");
        Row("file size limit", "limit");
        Row("target is a directory", "directory");
    }
    void failingSaveKeepsFileAndEdits()
    {
        QFETCH(QString, failure);
        QTemporaryDir dir;
        const QString sFile = dir.filePath(QStringLiteral("kept.xml"));
        QString sTarget = failure == "directory" ? dir.filePath(QStringLiteral("folder.xml")) : sFile;
        m_pPanel->m_lstSaveNames << sFile << sTarget;
        QVERIFY(m_pPanel->New() && m_pPanel->SaveAs());
        const QByteArray before = FileBytes(sFile);
        m_pPanel->Edit(QString(2000, QLatin1Char('x')));
        bool bSaved = true;
        if (failure == "limit")
        {
            // Every file write of this process fails past a few bytes.
            rlimit old;
            getrlimit(RLIMIT_FSIZE, &old);
            rlimit limit = old;
            limit.rlim_cur = 16;
            auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
            bSaved = m_pPanel->Save();
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
        }
        else
        {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.xml")));
            bSaved = m_pPanel->SaveAs();
        }
        QVERIFY(!bSaved && m_pPanel->m_lstMessages.size() == 1);
        QVERIFY2(m_pPanel->m_lstMessages.first().contains(sTarget),
                 qPrintable(m_pPanel->m_lstMessages.first()));
        QCOMPARE(FileBytes(sFile), before);
        QVERIFY(m_pPanel->IsModified() && m_pPanel->isWindowModified());
        QCOMPARE(m_pPanel->GetFileName(), sFile);
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString().size(), 2000);
        QVERIFY(m_pPanel->Save() && !m_pPanel->IsModified());
        QVERIFY(FileBytes(sFile).contains(QByteArray(2000, 'x')));
    }

    // The question before unsaved edits are lost, for each command that would lose them; the
    // real box, answered by clicking its buttons, names the document and says it was modified.
    void discardQuestion_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("named");       // the document has a file
        QTest::addColumn<bool>("goesOn");      // the command was carried out
        QTest::addColumn<bool>("fileHasEdit"); // the edit reached the file
        const int save = TreePanel::ANSWER_SAVE, discard = TreePanel::ANSWER_DISCARD;
        const int cancel = TreePanel::ANSWER_CANCEL;
        Row("close, cancel", "close", cancel, true, false, false);
        Row("close, save", "close", save, true, true, true);
        Row("close, save unnamed, name cancelled", "close", save, false, false, false);
        Row("new, discard", "new", discard, true, true, false);
        Row("open, cancel", "open", cancel, true, false, false);
        Row("open, save", "open", save, true, true, true);
        Row("window close, cancel", "window", cancel, true, false, false);
        Row("close, real box, discard", "close real", discard, true, true, false);
        Row("close, real box, cancel", "close real", cancel, true, false, false);
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
        m_pPanel->m_lstSaveNames << sOther << (named ? sFile : QString());
        QVERIFY(m_pPanel->New() && m_pPanel->SaveAs()); // a file to open
        QVERIFY(named ? m_pPanel->SaveAs() : m_pPanel->New());
        m_pPanel->Edit(QStringLiteral("unsaved edit"));
        m_pPanel->m_lstAnswers << TreePanel::SaveAnswer(answer);
        m_pPanel->m_lstOpenNames << sOther;
        m_pPanel->m_bRealDialogs = command.endsWith(" real");
        TreeTest::Answerer answerer({QStringList{"Save", "Discard", "Cancel"}[answer]});
        const bool bDone = command.startsWith("close") ? m_pPanel->Close()
                           : command == "new"          ? m_pPanel->New()
                           : command == "open"         ? m_pPanel->Open()
                                                       : m_pPanel->close();
        QCOMPARE(m_pPanel->m_nQuestions, 1);
        QCOMPARE(bDone, goesOn);
        QCOMPARE(m_pPanel->m_nOpenAsked, command == "open" && goesOn ? 1 : 0);
        QVERIFY(!named || FileBytes(sFile).contains("unsaved edit") == fileHasEdit);
        QCOMPARE(answerer.m_lstTitles, m_pPanel->m_bRealDialogs ? QStringList{"PanelTest"} : QStringList());
        QVERIFY(!m_pPanel->m_bRealDialogs || (answerer.m_lstTexts[0].contains("asked.xml") &&
                                              answerer.m_lstTexts[0].contains("modified")));
        if (goesOn)
            return;
        // Nothing lost: the edit is still there and still marked.
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString(), QStringLiteral("unsaved edit"));
        QVERIFY(m_pPanel->isWindowModified() && m_pPanel->isVisible());
    }

    // A file that cannot be read leaves the document as it was and says why.
    void failingOpenKeepsDocument_data()
    {
        QTest::addColumn<QString>("content"); // "-" for no file
        Row("missing file", "-");
        Row("not a document", "this is no document");
    }
    void failingOpenKeepsDocument()
    {
        QFETCH(QString, content);
        const QString sGood = m_dir.filePath(QStringLiteral("good.xml"));
        const QString sBad = m_dir.filePath(QStringLiteral("bad.xml"));
        m_pPanel->m_lstSaveNames << sGood;
        QVERIFY(m_pPanel->New() && m_pPanel->SaveAs());
        m_pPanel->Edit(QStringLiteral("kept edit"));
        QFile::remove(sBad);
        QFile file(sBad);
        if (content != "-")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content.toLatin1()) > 0 && file.flush());
        m_pPanel->m_lstAnswers << TreePanel::ANSWER_DISCARD;
        QVERIFY(!m_pPanel->OpenFile(sBad));
        QVERIFY(m_pPanel->m_lstMessages.size() == 1 && m_pPanel->m_lstMessages.first().contains(sBad));
        QCOMPARE(m_pPanel->GetFileName(), sGood);
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString(), QStringLiteral("kept edit"));
        QVERIFY(m_pPanel->IsModified() && !m_pPanel->GetRecentFiles().contains(sBad));
        QCOMPARE(m_pPanel->windowTitle(), QStringLiteral("Test - [good.xml[*]]"));
    }

    // Saved files head the recent list (at most s_nMaxRecentFiles) and open from its menu, a file
    // that went away is reported and leaves the list; the list is kept in the given settings only.
    void recentFiles()
    {
        const QString sIni = m_dir.filePath(QStringLiteral("panel.ini"));
        const QString sA = m_dir.filePath(QStringLiteral("a & b.xml")), sB = m_dir.filePath("b.xml");
        {
            QSettings settings(sIni, QSettings::IniFormat);
            m_pPanel->SetRecentFilesSettings(&settings);
            m_pPanel->m_lstSaveNames << sA << sB;
            QVERIFY(m_pPanel->New());
            m_pPanel->Edit(QStringLiteral("in a"));
            QVERIFY(m_pPanel->SaveAs());
            m_pPanel->Edit(QStringLiteral("in b"));
            QVERIFY(m_pPanel->SaveAs());
            m_pPanel->SetRecentFilesSettings(nullptr);
        }
        QCOMPARE(m_pPanel->GetRecentFiles(), QStringList({sB, sA}));
        Q4Menu* pRecent = m_pPanel->GetRecentMenu();
        QCOMPARE(pRecent->text(0), QStringLiteral("&1 b.xml"));
        QCOMPARE(pRecent->text(1), QStringLiteral("&2 a && b.xml"));
        QVERIFY(pRecent->isItemVisible(1) && !pRecent->isItemVisible(2));
        pRecent->actionForId(1)->trigger();
        QCOMPARE(m_pPanel->GetFileName(), sA);
        QCOMPARE(m_pPanel->Value("Comment")->GetAsString(), QStringLiteral("in a"));
        QCOMPARE(m_pPanel->GetRecentFiles(), QStringList({sA, sB}));
        QCOMPARE(pRecent->text(0), QStringLiteral("&1 a && b.xml"));
        QVERIFY(QFile::remove(sB));
        pRecent->actionForId(1)->trigger();
        QCOMPARE(m_pPanel->m_lstMessages.size(), 1);
        QCOMPARE(m_pPanel->GetRecentFiles(), QStringList({sA}));
        QCOMPARE(m_pPanel->GetFileName(), sA);
        {
            QSettings settings(sIni, QSettings::IniFormat); // another panel with the same settings
            TestPanel other(QStringLiteral("/Panels/Other"));
            QVERIFY(other.GetRecentFiles().isEmpty());
            other.SetRecentFilesSettings(&settings);
            QCOMPARE(other.GetRecentFiles(), QStringList({sB, sA}));
            other.SetRecentFilesSettings(nullptr);
        }
        const QByteArray ini = FileBytes(sIni); // without settings nothing is written anywhere
        for (int i = 0; i < TreePanel::s_nMaxRecentFiles + 3; ++i)
            m_pPanel->m_lstSaveNames << m_dir.filePath(QStringLiteral("n%1.xml").arg(i));
        while (!m_pPanel->m_lstSaveNames.isEmpty())
            QVERIFY(m_pPanel->SaveAs());
        QCOMPARE(m_pPanel->GetRecentFiles().size(), TreePanel::s_nMaxRecentFiles);
        QCOMPARE(m_pPanel->GetRecentFiles().first(), m_dir.filePath(QStringLiteral("n10.xml")));
        QCOMPARE(FileBytes(sIni), ini);
    }

    // An edit made through the panel's own view marks the document.
    void editInTheViewMarksDocument()
    {
        QVERIFY(m_pPanel->New());
        TreeViewSplit* pSplit = dynamic_cast<TreeViewSplit*>(m_pPanel->GetView());
        QCOMPARE(m_pPanel->centralWidget(), pSplit->WidgetCast());
        for (QTreeWidgetItemIterator it(pSplit->GetListView()); *it; ++it)
            if ((*it)->text(0) == QLatin1String("Settings"))
                pSplit->GetListView()->setCurrentItem(*it);
        QLineEdit* pComment =
            pSplit->GetDisplayArea()->findChild<GenericView*>()->findChild<QLineEdit*>("Comment");
        QVERIFY(pComment && !m_pPanel->isWindowModified());
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
