#include "common/datarow.h"
#include "kvbase/errorhandler.h"
#include "kvbase/q4menu.h"

#include <QAction>
#include <QtTest>

#include <memory>

// Receives menu activations the way panels do: plain slots, slots taking the id or the
// checked state, and a toggling slot like the job panel's view entries.
class MenuReceiver : public QObject
{
    Q_OBJECT
public:
    Q4Menu* m_pMenu = nullptr;
    int m_nPlain = 0;
    QList<int> m_vecIds;
    QList<bool> m_vecChecked;

public slots:
    void SlotPlain() { ++m_nPlain; }
    void SlotWithId(int nId) { m_vecIds << nId; }
    void SlotWithChecked(bool bChecked) { m_vecChecked << bChecked; }
    void SlotToggle() { m_pMenu->setItemChecked(401, !m_pMenu->isItemChecked(401)); }
    void SlotTwoArguments(int, int) {}
};

class TstQ4Menu : public QObject
{
    Q_OBJECT
    QStringList m_vecAsserts;

    // Opens the menu as the user would and clicks the entry.
    static void ClickEntry(Q4Menu* pMenu, int nId)
    {
        pMenu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(pMenu) && pMenu->actionForId(nId));
        const QPoint point = pMenu->actionGeometry(pMenu->actionForId(nId)).center();
        QTest::mouseMove(pMenu, point);
        QTest::mouseClick(pMenu, Qt::LeftButton, Qt::NoModifier, point);
        QTRY_VERIFY(!pMenu->isVisible() || !pMenu->actionForId(nId)->isEnabled());
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
        QTest::addColumn<QList<int>>("expected"); // -1: refused
        Row("fresh ids", QList<int>{-1, -1, -1}, QList<int>{-2, -3, -4});
        Row("duplicate refused", QList<int>{500, 500, 501}, QList<int>{500, -1, 501});
        // A caller's own negative id is never handed out again, and a fresh one is never
        // accepted as a caller's id afterwards.
        Row("fresh skips taken negative ids", QList<int>{-2, -1, -3, -1}, QList<int>{-2, -3, -1, -4});
    }
    void ids()
    {
        QFETCH(QList<int>, requested);
        QFETCH(QList<int>, expected);
        Q4Menu menu;
        MenuReceiver receiver;
        QList<int> actual;
        for (int nId : requested)
            actual << menu.insertItem(QStringLiteral("Entry"), &receiver, SLOT(SlotPlain()), QKeySequence(),
                                      nId);
        QCOMPARE(actual, expected);
        QCOMPARE(m_vecAsserts.size(), int(expected.count(-1)));
        QCOMPARE(menu.actions().size(), requested.size() - expected.count(-1));
        for (int nId : actual)
            QVERIFY(nId == -1 || menu.idForAction(menu.actionForId(nId)) == nId);
    }

    void clickCallsSlotWithIdOrStateAndReportsId()
    {
        Q4Menu menu;
        MenuReceiver r;
        menu.insertItem(QStringLiteral("&Connect to..."), &r, SLOT(SlotPlain()), QKeySequence("Ctrl+C"), 500);
        menu.insertItem(QStringLiteral("&Disconnect"), &r, SLOT(SlotWithId(int)), QKeySequence("Ctrl+D"),
                        501);
        const int nId = menu.insertItem(QStringLiteral("Id"), &r, SLOT(SlotWithId(int)));
        menu.insertItem(QStringLiteral("On"), &r, SLOT(SlotWithChecked(bool)), QKeySequence(), 7);
        menu.insertItem(QStringLiteral("Off"), &r, SLOT(SlotWithChecked(bool)), QKeySequence(), 8);
        menu.insertItem(QStringLiteral("Mark"), nullptr, nullptr, QKeySequence(), 9);
        menu.setItemChecked(7, true);
        menu.setItemChecked(8, false);
        menu.setItemChecked(9, true);
        QSignalSpy spy(&menu, SIGNAL(activated(int)));
        for (int n : {501, nId, 7, 8, 9})
            ClickEntry(&menu, n);
        QCOMPARE(r.m_nPlain, 0);
        QCOMPARE(r.m_vecIds, (QList<int>{501, nId}));
        QCOMPARE(r.m_vecChecked, (QList<bool>{true, false})); // the state as it is, not flipped
        QVERIFY(menu.isItemChecked(9));                       // nor flipped by the menu without a receiver
        QCOMPARE(spy.count(), 5);
        QCOMPARE(spy.at(0).at(0).toInt(), 501);
        QCOMPARE(menu.actionForId(500)->shortcut(), QKeySequence("Ctrl+C"));
        // A disabled entry does nothing.
        menu.setItemEnabled(501, false);
        QVERIFY(!menu.isItemEnabled(501));
        ClickEntry(&menu, 501);
        QCOMPARE(QList<int>({r.m_vecIds.size(), spy.count()}), QList<int>({2, 5}));
    }

    void checkItemsAreToggledByTheReceiver()
    {
        // The job panel's view entries invert their own check mark in their slot; an entry
        // that also flipped itself would end up unchanged.
        for (auto [bInitial, nClicks] :
             std::initializer_list<std::pair<bool, int>>{{false, 1}, {false, 2}, {true, 3}})
        {
            Q4Menu menu;
            MenuReceiver receiver;
            receiver.m_pMenu = &menu;
            menu.insertItem(QStringLiteral("&Device Job"), &receiver, SLOT(SlotToggle()),
                            QKeySequence("Alt+2"), 401);
            menu.setItemChecked(401, bInitial);
            for (int i = 0; i < nClicks; ++i)
                ClickEntry(&menu, 401);
            QCOMPARE(menu.isItemChecked(401), bInitial != (nClicks % 2 == 1));
        }
    }

    void badMembersAndUnknownIdsAreRefused()
    {
        Q4Menu menu;
        MenuReceiver receiver;
        for (const char* pszMember : {SLOT(SlotMissing()), SLOT(SlotTwoArguments(int, int)), "SlotPlain()"})
            QCOMPARE(menu.insertItem(QStringLiteral("x"), &receiver, pszMember, QKeySequence(), 3), -1);
        QCOMPARE(m_vecAsserts.size(), 3);
        menu.setItemChecked(77, true);
        menu.changeItem(77, QStringLiteral("x"));
        QCOMPARE(m_vecAsserts.size(), 3 + 2);
        QVERIFY(menu.actions().isEmpty() && !menu.containsItem(3));
    }

    void entriesGoAway()
    {
        Q4Menu menu;
        auto pReceiver = std::make_unique<MenuReceiver>();
        menu.insertItem(QStringLiteral("A"), pReceiver.get(), SLOT(SlotPlain()), QKeySequence(), 10);
        menu.insertItem(QStringLiteral("B"), pReceiver.get(), SLOT(SlotWithId(int)), QKeySequence(), 11);
        QVERIFY(menu.removeItem(10) && !menu.containsItem(10) && !menu.removeItem(10));
        // The id is free again.
        QCOMPARE(menu.insertItem(QStringLiteral("A again"), nullptr, nullptr, QKeySequence(), 10), 10);
        // A receiver deleted before the menu is not reached any more.
        pReceiver.reset();
        QSignalSpy spy(&menu, SIGNAL(activated(int)));
        menu.actionForId(11)->trigger();
        QCOMPARE(spy.count(), 1);
        // An action deleted behind the menu's back is forgotten, not left dangling.
        delete menu.actionForId(11);
        QVERIFY(!menu.containsItem(11) && !menu.actionForId(11) && !menu.isItemChecked(11));
        // A sub-menu has one entry; it keeps its own action when the entry goes, and deleting it
        // removes the entry.
        auto pRecent = std::make_unique<Q4Menu>(QStringLiteral("Recent"));
        QCOMPARE(menu.insertItem(QStringLiteral("Recent &Files"), pRecent.get(), 20), 20);
        QCOMPARE(menu.actionForId(20)->menu(), pRecent.get());
        QCOMPARE(menu.insertItem(QStringLiteral("again"), pRecent.get()), -1);
        QVERIFY(menu.removeItem(20) && pRecent->menuAction());
        const int nAgain = menu.insertItem(QStringLiteral("Recent"), pRecent.get());
        pRecent.reset();
        QVERIFY(!menu.containsItem(nAgain));
        menu.clear();
        QVERIFY(menu.actions().isEmpty() && !menu.containsItem(10));
    }
};

QTEST_MAIN(TstQ4Menu)
#include "tst_q4menu.moc"
