#include "paltrey/resortpopupmenu.h"

#include <QAction>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// Counts which of its slots the menu called.
class Receiver : public QObject
{
    Q_OBJECT

public:
    QStringList m_listCalls;

public slots:
    void SlotNew() { m_listCalls << QStringLiteral("new"); }
    void SlotInsert() { m_listCalls << QStringLiteral("insert"); }
    void SlotDelete() { m_listCalls << QStringLiteral("delete"); }
};

class TestResortPopupMenu : public QObject
{
    Q_OBJECT

private:
    // The menu of the list editors: new, insert, delete, separator, and a fourth entry.
    static void Fill(ResortPopupMenu& menu, Receiver& receiver)
    {
        menu.insertItem(QStringLiteral("New"), &receiver, SLOT(SlotNew()),
                        QKeySequence(QStringLiteral("Ctrl+F")));
        menu.insertItem(QStringLiteral("Insert"), &receiver, SLOT(SlotInsert()), QKeySequence());
        menu.insertSeparator();
        menu.insertItem(QStringLiteral("Delete"), &receiver, SLOT(SlotDelete()), QKeySequence());
    }

    static void ClickEntry(ResortPopupMenu& menu, const QString& sText)
    {
        for (QAction* pAction : menu.actions())
        {
            if (pAction->text() == sText)
            {
                QTest::mouseClick(&menu, Qt::LeftButton, Qt::NoModifier,
                                  menu.actionGeometry(pAction).center());
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no entry ") + sText));
    }

private slots:
    // The operator opens the menu and clicks an entry: its slot runs, and only its slot.
    void clickingAnEntryCallsItsSlot_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("first") << QStringLiteral("New") << true << QStringList{QStringLiteral("new")};
        QTest::newRow("second") << QStringLiteral("Insert") << true << QStringList{QStringLiteral("insert")};
        QTest::newRow("after separator")
            << QStringLiteral("Delete") << true << QStringList{QStringLiteral("delete")};
        QTest::newRow("disabled does nothing") << QStringLiteral("Delete") << false << QStringList();
    }
    void clickingAnEntryCallsItsSlot()
    {
        QFETCH(QString, entry);
        QFETCH(bool, enabled);
        QFETCH(QStringList, calls);
        Receiver receiver;
        ResortPopupMenu menu(nullptr, "menu");
        Fill(menu, receiver);
        for (QAction* pAction : menu.actions())
        {
            if (pAction->text() == entry)
                pAction->setEnabled(enabled);
        }
        menu.popup(QPoint(40, 40));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        ClickEntry(menu, entry);
        QCOMPARE(receiver.m_listCalls, calls);
    }

    // Keyboard: arrows skip the separator and disabled entries, Return takes the entry.
    void keyboardSkipsDisabledEntries_data()
    {
        QTest::addColumn<bool>("insertEnabled");
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("call");
        QTest::newRow("all enabled, one down") << true << 1 << QStringLiteral("insert");
        QTest::newRow("all enabled, two downs pass the separator") << true << 2 << QStringLiteral("delete");
        QTest::newRow("insert disabled, one down") << false << 1 << QStringLiteral("delete");
    }
    void keyboardSkipsDisabledEntries()
    {
        QFETCH(bool, insertEnabled);
        QFETCH(int, downs);
        QFETCH(QString, call);
        Receiver receiver;
        ResortPopupMenu menu(nullptr, "menu");
        Fill(menu, receiver);
        menu.actions().at(1)->setEnabled(insertEnabled);
        menu.popup(QPoint(40, 40));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        menu.setActiveAction(menu.actions().at(0));
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Return);
        QCOMPARE(receiver.m_listCalls, QStringList{call});
    }

    // The returned action is the entry: disabling it through the action disables the entry.
    void returnedActionControlsTheEntry()
    {
        Receiver receiver;
        ResortPopupMenu menu(nullptr, "menu");
        QAction* pDelete = menu.insertItem(QStringLiteral("&Delete Frequency"), &receiver, SLOT(SlotDelete()),
                                           QKeySequence(), 7);
        QVERIFY(pDelete);
        QCOMPARE(menu.actionForId(7), pDelete);
        QCOMPARE(menu.idOf(pDelete), 7);
        pDelete->setEnabled(false);
        QVERIFY(!menu.isItemEnabled(7));
        menu.setItemEnabled(7, true);
        QVERIFY(pDelete->isEnabled());
        pDelete->trigger();
        QCOMPARE(receiver.m_listCalls, QStringList{QStringLiteral("delete")});
    }

    // Where an entry lands: appended, or before the entry at the given index.
    void insertPosition_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("append") << -1 << QStringList{"A", "B", "", "C", "X"};
        QTest::newRow("front") << 0 << QStringList{"X", "A", "B", "", "C"};
        QTest::newRow("before separator") << 2 << QStringList{"A", "B", "X", "", "C"};
        QTest::newRow("past the end appends") << 99 << QStringList{"A", "B", "", "C", "X"};
    }
    void insertPosition()
    {
        QFETCH(int, index);
        QFETCH(QStringList, order);
        Receiver receiver;
        ResortPopupMenu menu;
        menu.insertItem(QStringLiteral("A"), &receiver, SLOT(SlotNew()));
        menu.insertItem(QStringLiteral("B"), &receiver, SLOT(SlotNew()));
        menu.insertSeparator();
        menu.insertItem(QStringLiteral("C"), &receiver, SLOT(SlotNew()));
        QVERIFY(
            menu.insertItem(QStringLiteral("X"), &receiver, SLOT(SlotInsert()), QKeySequence(), -1, index));
        QStringList listTexts;
        for (QAction* pAction : menu.actions())
            listTexts << (pAction->isSeparator() ? QString() : pAction->text());
        QCOMPARE(listTexts, order);
    }

    // Entries that would do nothing or clash are refused, and the menu stays as it was.
    void refusedEntries_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<int>("id");
        QTest::newRow("unknown slot") << QByteArray(SLOT(SlotMissing())) << -1;
        QTest::newRow("id taken") << QByteArray(SLOT(SlotNew())) << 3;
    }
    void refusedEntries()
    {
        QFETCH(QByteArray, slot);
        QFETCH(int, id);
        Receiver receiver;
        ResortPopupMenu menu;
        QVERIFY(menu.insertItem(QStringLiteral("first"), &receiver, SLOT(SlotNew()), QKeySequence(), 3));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("ResortPopupMenu::insertItem")));
        QCOMPARE(menu.insertItem(QStringLiteral("second"), &receiver, slot.constData(), QKeySequence(), id),
                 static_cast<QAction*>(nullptr));
        QCOMPARE(menu.actions().size(), 1);
    }

    // The view adds the action to itself so the shortcut works there without the menu.
    void shortcutWorksWhereTheActionIsAdded()
    {
        Receiver receiver;
        QWidget view;
        ResortPopupMenu menu(&view, "ViewMenu");
        QAction* pNew = menu.insertItem(QStringLiteral("New Frequency"), &receiver, SLOT(SlotNew()),
                                        QKeySequence(Qt::CTRL + Qt::Key_F));
        view.addAction(pNew);
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(&view, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(receiver.m_listCalls, QStringList{QStringLiteral("new")});
    }
};

QTEST_MAIN(TestResortPopupMenu)
#include "tst_resortpopupmenu.moc"
