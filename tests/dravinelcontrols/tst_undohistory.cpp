// The undo history of a document: each kind of edit the editors make is one step, undo gives back
// the tree's text and the view's rows exactly, redo the edit; the history is cleared where it no
// longer applies; the clean state follows saving.

#include "tst_frequencyfixture.h"

#include "dravinelcontrols/undohistory.h"
#include "oskevo/vttransaction.h"
#include "oskevo/vtxml.h"

#include <QSignalSpy>
#include <QUndoStack>

using namespace FrequencyTest;

class TestUndoHistory : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void editUndoRedo_data();
    void editUndoRedo();
    void clearedWhereNoLongerApplies();
    void cleanState();

private:
    QString Xml() const { return values::VtXml::ToXml(m_pFds->Get()); }
    void Key(Qt::KeyboardModifiers modifiers, Qt::Key key)
    {
        QTest::keyClick(m_pView.get(), key, modifiers);
        QCoreApplication::processEvents();
    }
    std::unique_ptr<FdsNode> m_pFds;
    std::unique_ptr<FrequencyView> m_pView;
    std::unique_ptr<UndoHistory> m_pHistory;
};

void TestUndoHistory::init()
{
    m_pFds.reset(new FdsNode);
    for (int i = 0; i < 50; ++i)
        m_pFds->Add(100e6 + i * 1e6, 100.5e6 + i * 1e6, QStringLiteral("F%1").arg(i));
    m_pView.reset(new FrequencyView(nullptr, QStringLiteral("fv")));
    m_pView->Init(m_pFds->Get());
    m_pView->show();
    QApplication::setActiveWindow(m_pView.get());
    m_pView->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pView.get()));
    m_pView->setFocus();
    m_pHistory.reset(new UndoHistory(m_pFds->Get()));
}

void TestUndoHistory::cleanup()
{
    m_pHistory.reset();
    m_pView.reset();
    m_pFds.reset();
}

void TestUndoHistory::editUndoRedo_data()
{
    QTest::addColumn<QString>("sEdit");
    QTest::addColumn<QString>("sText");
    QTest::newRow("cell value") << "value"
                                << "Change FName";
    QTest::newRow("add row") << "add"
                             << "Add 1 frequency definition";
    QTest::newRow("multi-row delete") << "delete"
                                      << "Delete 40 frequency definitions";
    QTest::newRow("paste of rows") << "paste"
                                   << "Add 3 frequency definitions";
    QTest::newRow("Keep Order") << "reorder"
                                << "Reorder frequency definitions";
    QTest::newRow("rename") << "rename"
                            << "Rename ";
    QTest::newRow("whole-set replace") << "replace"
                                       << "Paste 1 frequency definition";
    QTest::newRow("delete all") << "clear"
                                << "Delete 50 frequency definitions";
}

void TestUndoHistory::editUndoRedo()
{
    QFETCH(QString, sEdit);
    QFETCH(QString, sText);
    values::Node* pNode = m_pFds->Get();
    const QList<values::Node*> lstFds = m_pFds->Definitions();
    const QString sBefore = Xml();
    if (sEdit == "value")
        Value(lstFds[3], g_vdFName)->SetAsString(QStringLiteral("Changed"));
    else if (sEdit == "add")
        m_pFds->Add(1e9, 1.1e9, QStringLiteral("New"));
    else if (sEdit == "delete")
    {
        values::VtTransaction transaction;
        for (int i = 5; i < 45; ++i)
            pNode->DeleteItem(lstFds[i]);
    }
    else if (sEdit == "paste")
        for (int i = 0; i < 3; ++i)
            pNode->CopyChildNode(lstFds[i]);
    else if (sEdit == "reorder")
    {
        std::vector<values::TreeItem*> vecOrder(pNode->GetTreeItems().rbegin(), pNode->GetTreeItems().rend());
        QVERIFY(pNode->ReorderChildren(vecOrder));
    }
    else if (sEdit == "rename")
    {
        sText += lstFds[2]->GetName();
        QVERIFY(lstFds[2]->SetName(QStringLiteral("Renamed")));
    }
    else if (sEdit == "replace")
    {
        values::TreeItem* pCopy = lstFds[0]->Clone();
        pCopy->SetName(lstFds[7]->GetName());
        pNode->AddItem(pCopy);
    }
    else if (sEdit == "clear")
        pNode->DeleteChildren();
    QCoreApplication::processEvents(); // the step ends when control returns to the event loop
    const QString sAfter = Xml();
    const int nRowsAfter = m_pView->rowCount();
    QVERIFY(sAfter != sBefore);
    QCOMPARE(m_pHistory->GetStack()->count(), 1);
    QCOMPARE(m_pHistory->GetStack()->undoText(), sText);

    Key(Qt::ControlModifier, Qt::Key_Z);
    QCOMPARE(Xml(), sBefore);
    QCOMPARE(m_pView->rowCount(), 50);
    QCOMPARE(CheckRowsConsistent(m_pView.get(), m_pFds->Definitions()), QString());
    Key(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
    QCOMPARE(Xml(), sAfter);
    QCOMPARE(m_pView->rowCount(), nRowsAfter);
    QCOMPARE(CheckRowsConsistent(m_pView.get(), m_pFds->Definitions()), QString());
    Key(Qt::ControlModifier, Qt::Key_Z);
    Key(Qt::ControlModifier, Qt::Key_Y);
    QCOMPARE(Xml(), sAfter);
    QCOMPARE(m_pHistory->GetStack()->count(), 1); // undo and redo made no steps of their own
}

void TestUndoHistory::clearedWhereNoLongerApplies()
{
    values::Node* pFd = m_pFds->Definitions()[4];
    Value(pFd, g_vdFName)->SetAsString(QStringLiteral("Changed"));
    QCoreApplication::processEvents();
    // A history of another node that covers the definition as well: deleting it there leaves a
    // step of the first history that cannot apply.
    values::Node* pOuter = m_pFds->Get();
    m_pHistory.reset();
    UndoHistory inner(pFd);
    Value(pFd, g_vdFName)->SetAsString(QStringLiteral("Again"));
    QCoreApplication::processEvents();
    QCOMPARE(inner.GetStack()->count(), 1);
    pOuter->DeleteItem(pFd); // deleted from elsewhere: its history is cleared
    QCOMPARE(inner.GetStack()->count(), 0);
    inner.Undo();

    // The document replaced below the same node: the history is cleared, later edits record anew.
    UndoHistory history(pOuter);
    values::Node* pOther = m_pFds->Definitions()[0];
    Value(pOther, g_vdFName)->SetAsString(QStringLiteral("X"));
    QCoreApplication::processEvents();
    history.Clear();
    QCOMPARE(history.GetStack()->count(), 0);
    Value(pOther, g_vdFName)->SetAsString(QStringLiteral("Y"));
    QCoreApplication::processEvents();
    history.Undo();
    QCOMPARE(Name(pOther), QStringLiteral("X"));
    history.Undo(); // nothing left: harmless
    QCOMPARE(Name(pOther), QStringLiteral("X"));
}

void TestUndoHistory::cleanState()
{
    QSignalSpy spyClean(m_pHistory.get(), &UndoHistory::cleanChanged);
    values::Node* pFd = m_pFds->Definitions()[0];
    Value(pFd, g_vdFName)->SetAsString(QStringLiteral("A"));
    QCoreApplication::processEvents();
    m_pHistory->SetClean(); // saved
    Value(pFd, g_vdFName)->SetAsString(QStringLiteral("B"));
    QCoreApplication::processEvents();
    QVERIFY(!m_pHistory->IsClean());
    Key(Qt::ControlModifier, Qt::Key_Z);
    QVERIFY(m_pHistory->IsClean());
    QCOMPARE(spyClean.count(), 4); // modified, saved, modified, undone to the saved state
    QCOMPARE(spyClean.last().first().toBool(), true);
}

QTEST_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
