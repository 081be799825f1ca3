#include "kvbase/errorhandler.h"
#include "kvbase/q4menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QtTest>

#include <memory>

// Receives menu activations the way panels do: plain slots, slots taking the id or the
// checked state, and a toggling slot like the job panel's view entries.
class MenuReceiver : public QObject
{
    Q_OBJECT
public:
    Q4Menu* m_pMenu = nullptr;
    int m_nToggleId = -1;
    int m_nPlain = 0;
    int m_nSecond = 0;
    QList<int> m_vecIds;
    QList<bool> m_vecChecked;

public slots:
    void SlotPlain() { ++m_nPlain; }
    void SlotSecond() { ++m_nSecond; }
    void SlotWithId(int nId) { m_vecIds << nId; }
    void SlotWithChecked(bool bChecked) { m_vecChecked << bChecked; }
    void SlotToggle() { m_pMenu->setItemChecked(m_nToggleId, !m_pMenu->isItemChecked(m_nToggleId)); }
    void SlotTwoArguments(int, int) {}
};

class TstQ4Menu : public QObject
{
    Q_OBJECT

private:
    QStringList m_vecAsserts;

    // Opens the menu as the user would and clicks the entry.
    static void ClickEntry(Q4Menu* pMenu, int nId)
    {
        pMenu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(pMenu));
        QAction* pAction = pMenu->actionForId(nId);
        QVERIFY(pAction);
        const QRect rect = pMenu->actionGeometry(pAction);
        QVERIFY(rect.isValid());
        QTest::mouseMove(pMenu, rect.center());
        QTest::mouseClick(pMenu, Qt::LeftButton, Qt::NoModifier, rect.center());
        QTRY_VERIFY(!pMenu->isVisible() || !pAction->isEnabled());
        pMenu->hide();
    }

private slots:
    void init()
    {
        m_vecAsserts.clear();
        ErrorHandler::Instance()->SetLevel(ErrorHandler::LEVEL_ASSERT);
        ErrorHandler::Instance()->SetSink([this](const ErrorHandler::Report& r) { m_vecAsserts << r.sText; });
    }
    void cleanup() { ErrorHandler::Instance()->SetSink(ErrorHandler::Sink()); }

    void ids_data()
    {
        QTest::addColumn<QList<int>>("requested");
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<int>("refused");
        QTest::newRow("explicit ids") << QList<int>{400, 401, 402} << QList<int>{400, 401, 402} << 0;
        QTest::newRow("fresh ids") << QList<int>{-1, -1, -1} << QList<int>{-2, -3, -4} << 0;
        QTest::newRow("duplicate refused") << QList<int>{500, 500, 501} << QList<int>{500, -1, 501} << 1;
        // A caller's own negative id is never handed out again, and a fresh one is never
        // accepted as a caller's id afterwards.
        QTest::newRow("fresh skips taken negative ids")
            << QList<int>{-2, -1, -3, -1} << QList<int>{-2, -3, -1, -4} << 1;
        QTest::newRow("zero is an id") << QList<int>{0, 0} << QList<int>{0, -1} << 1;
    }
    void ids()
    {
        QFETCH(QList<int>, requested);
        QFETCH(QList<int>, expected);
        QFETCH(int, refused);
        Q4Menu menu;
        MenuReceiver receiver;
        QList<int> actual;
        for (int nId : requested)
            actual << menu.insertItem(QStringLiteral("Entry"), &receiver, SLOT(SlotPlain()), QKeySequence(),
                                      nId);
        const int nRefused = int(std::count(actual.begin(), actual.end(), -1));
        QCOMPARE(actual, expected);
        QCOMPARE(nRefused, refused);
        QCOMPARE(m_vecAsserts.size(), refused);
        QCOMPARE(menu.actions().size(), requested.size() - refused);
        for (int nId : actual)
            if (nId != -1)
                QCOMPARE(menu.idForAction(menu.actionForId(nId)), nId);
    }

    void clickCallsSlotAndReportsId()
    {
        Q4Menu menu(nullptr, "tools");
        QCOMPARE(menu.objectName(), QStringLiteral("tools"));
        MenuReceiver receiver;
        menu.insertItem(QStringLiteral("&Connect to..."), &receiver, SLOT(SlotPlain()),
                        QKeySequence("Ctrl+C"), 500);
        menu.insertItem(QStringLiteral("&Disconnect"), &receiver, SLOT(SlotSecond()), QKeySequence("Ctrl+D"),
                        501);
        QSignalSpy spy(&menu, SIGNAL(activated(int)));
        ClickEntry(&menu, 501);
        QCOMPARE(receiver.m_nPlain, 0);
        QCOMPARE(receiver.m_nSecond, 1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 501);
        QCOMPARE(menu.actionForId(500)->shortcut(), QKeySequence("Ctrl+C"));
    }

    void disabledEntryDoesNothing_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("calls");
        QTest::newRow("enabled") << true << 1;
        QTest::newRow("disabled") << false << 0;
    }
    void disabledEntryDoesNothing()
    {
        QFETCH(bool, enabled);
        QFETCH(int, calls);
        Q4Menu menu;
        MenuReceiver receiver;
        menu.insertItem(QStringLiteral("&Upload"), &receiver, SLOT(SlotPlain()), QKeySequence(), 502);
        menu.setItemEnabled(502, enabled);
        QCOMPARE(menu.isItemEnabled(502), enabled);
        ClickEntry(&menu, 502);
        QCOMPARE(receiver.m_nPlain, calls);
    }

    void keyboardChoosesEntry()
    {
        Q4Menu menu;
        MenuReceiver receiver;
        menu.insertItem(QStringLiteral("&Offline Job"), &receiver, SLOT(SlotPlain()), QKeySequence(), 400);
        menu.insertSeparator();
        menu.insertItem(QStringLiteral("&Tile"), &receiver, SLOT(SlotSecond()), QKeySequence(), 402);
        menu.popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::keyClick(&menu, Qt::Key_Down); // first entry
        QTest::keyClick(&menu, Qt::Key_Down); // over the separator to "&Tile"
        QTest::keyClick(&menu, Qt::Key_Return);
        QCOMPARE(receiver.m_nSecond, 1);
        QCOMPARE(receiver.m_nPlain, 0);
    }

    void checkItemsAreToggledByTheReceiver_data()
    {
        QTest::addColumn<bool>("initial");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("expected");
        QTest::newRow("checked, one click") << true << 1 << false;
        QTest::newRow("unchecked, one click") << false << 1 << true;
        QTest::newRow("unchecked, two clicks") << false << 2 << false;
        QTest::newRow("checked, three clicks") << true << 3 << false;
    }
    void checkItemsAreToggledByTheReceiver()
    {
        // The job panel's view entries invert their own check mark in their slot; an entry
        // that also flipped itself would end up unchanged.
        QFETCH(bool, initial);
        QFETCH(int, clicks);
        QFETCH(bool, expected);
        Q4Menu menu;
        MenuReceiver receiver;
        receiver.m_pMenu = &menu;
        receiver.m_nToggleId = 401;
        menu.insertItem(QStringLiteral("&Device Job"), &receiver, SLOT(SlotToggle()), QKeySequence("Alt+2"),
                        401);
        menu.setItemChecked(401, initial);
        QCOMPARE(menu.isItemCheckable(401), true);
        QCOMPARE(menu.isItemChecked(401), initial);
        for (int i = 0; i < clicks; ++i)
            ClickEntry(&menu, 401);
        QCOMPARE(menu.isItemChecked(401), expected);
    }

    void checkItemWithoutReceiverKeepsItsState()
    {
        Q4Menu menu;
        const int nId = menu.insertItem(QStringLiteral("Mark"), nullptr, nullptr);
        menu.setItemChecked(nId, true);
        ClickEntry(&menu, nId);
        QVERIFY(menu.isItemChecked(nId));
    }

    void slotArguments_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::newRow("unchecked") << false;
        QTest::newRow("checked") << true;
    }
    void slotArguments()
    {
        QFETCH(bool, checked);
        Q4Menu menu;
        MenuReceiver receiver;
        const int nIdSlot = menu.insertItem(QStringLiteral("Id"), &receiver, SLOT(SlotWithId(int)));
        const int nCheckSlot = menu.insertItem(QStringLiteral("Checked"), &receiver,
                                               SLOT(SlotWithChecked(bool)), QKeySequence(), 7);
        menu.setItemChecked(nCheckSlot, checked);
        ClickEntry(&menu, nIdSlot);
        ClickEntry(&menu, nCheckSlot);
        QCOMPARE(receiver.m_vecIds, QList<int>{nIdSlot});
        QCOMPARE(receiver.m_vecChecked, QList<bool>{checked}); // the state as it is, not flipped
    }

    void badMembersAreRefused_data()
    {
        QTest::addColumn<QByteArray>("member");
        QTest::newRow("unknown slot") << QByteArray(SLOT(SlotMissing()));
        QTest::newRow("two arguments") << QByteArray(SLOT(SlotTwoArguments(int, int)));
        QTest::newRow("no SLOT() code") << QByteArray("SlotPlain()");
    }
    void badMembersAreRefused()
    {
        QFETCH(QByteArray, member);
        Q4Menu menu;
        MenuReceiver receiver;
        QCOMPARE(menu.insertItem(QStringLiteral("x"), &receiver, member.constData(), QKeySequence(), 3), -1);
        QVERIFY(menu.actions().isEmpty());
        QVERIFY(!menu.containsItem(3));
        QCOMPARE(m_vecAsserts.size(), 1);
    }

    void indexPlacesEntries()
    {
        Q4Menu menu;
        menu.insertItem(QStringLiteral("B"), nullptr, nullptr, QKeySequence(), 2);
        menu.insertItem(QStringLiteral("A"), nullptr, nullptr, QKeySequence(), 1, 0);
        const int nSeparator = menu.insertSeparator(1);
        menu.insertItem(QStringLiteral("C"), nullptr, nullptr, QKeySequence(), 3, 99);
        QCOMPARE(menu.indexOf(1), 0);
        QCOMPARE(menu.indexOf(nSeparator), 1);
        QVERIFY(menu.actionForId(nSeparator)->isSeparator());
        QCOMPARE(menu.indexOf(2), 2);
        QCOMPARE(menu.indexOf(3), 3);
        QCOMPARE(menu.text(1), QStringLiteral("A"));
        menu.changeItem(1, QStringLiteral("A2"));
        QCOMPARE(menu.actions().at(0)->text(), QStringLiteral("A2"));
    }

    void removeAndDeletedActions()
    {
        Q4Menu menu;
        MenuReceiver receiver;
        menu.insertItem(QStringLiteral("A"), &receiver, SLOT(SlotPlain()), QKeySequence(), 10);
        menu.insertItem(QStringLiteral("B"), &receiver, SLOT(SlotPlain()), QKeySequence(), 11);
        QVERIFY(menu.removeItem(10));
        QVERIFY(!menu.containsItem(10));
        QVERIFY(!menu.removeItem(10));
        // The id is free again.
        QCOMPARE(menu.insertItem(QStringLiteral("A again"), &receiver, SLOT(SlotPlain()), QKeySequence(), 10),
                 10);
        // An action deleted behind the menu's back is forgotten, not left dangling.
        delete menu.actionForId(11);
        QVERIFY(!menu.containsItem(11));
        QCOMPARE(menu.actionForId(11), nullptr);
        QCOMPARE(menu.isItemChecked(11), false);
        menu.clear();
        QVERIFY(menu.actions().isEmpty());
        QVERIFY(!menu.containsItem(10));
    }

    void unknownIdsAreReported_data()
    {
        QTest::addColumn<int>("operation");
        for (int i = 0; i < 5; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << i;
    }
    void unknownIdsAreReported()
    {
        QFETCH(int, operation);
        Q4Menu menu;
        switch (operation)
        {
        case 0:
            menu.setItemChecked(77, true);
            break;
        case 1:
            menu.setItemEnabled(77, false);
            break;
        case 2:
            menu.setItemCheckable(77, true);
            break;
        case 3:
            menu.setItemVisible(77, false);
            break;
        case 4:
            menu.changeItem(77, QStringLiteral("x"));
            break;
        }
        QCOMPARE(m_vecAsserts.size(), 1);
        QVERIFY(menu.actions().isEmpty());
    }

    void subMenuEntry()
    {
        Q4Menu menu;
        auto pRecent = std::make_unique<Q4Menu>(QStringLiteral("Recent"));
        const int nId = menu.insertItem(QStringLiteral("Recent &Files"), pRecent.get(), 20);
        QCOMPARE(nId, 20);
        QCOMPARE(menu.actionForId(20)->menu(), pRecent.get());
        QCOMPARE(menu.insertItem(QStringLiteral("again"), pRecent.get()), -1); // one entry per sub-menu
        QVERIFY(menu.removeItem(20));
        QVERIFY(pRecent->menuAction()); // the sub-menu keeps its own action
        const int nAgain = menu.insertItem(QStringLiteral("Recent"), pRecent.get());
        pRecent.reset(); // deleting the sub-menu removes its entry
        QVERIFY(!menu.containsItem(nAgain));
    }

    void shortcutWorksInMenuBar()
    {
        QMainWindow window;
        MenuReceiver receiver;
        Q4Menu* pMenu = new Q4Menu(QStringLiteral("&View"), &window);
        pMenu->insertItem(QStringLiteral("&Tile"), &receiver, SLOT(SlotPlain()), QKeySequence("Alt+T"), 402);
        window.menuBar()->addMenu(pMenu);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(receiver.m_nPlain, 1);
    }

    void receiverDeletedBeforeMenu()
    {
        Q4Menu menu;
        auto pReceiver = std::make_unique<MenuReceiver>();
        const int nId = menu.insertItem(QStringLiteral("Id"), pReceiver.get(), SLOT(SlotWithId(int)));
        pReceiver.reset();
        QSignalSpy spy(&menu, SIGNAL(activated(int)));
        menu.actionForId(nId)->trigger(); // must not reach the deleted receiver
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TstQ4Menu)
#include "tst_q4menu.moc"
