#include "common/datarow.h"
#include "paltrey/resortpopupmenu.h"

#include <QAction>
#include <QRegularExpression>
#include <QTest>

class TestResortPopupMenu : public QObject
{
    Q_OBJECT

public slots:
    // What every entry calls: records the entry's text.
    void Slot() { m_listCalls << static_cast<QAction*>(sender())->text(); }

private:
    // The menu of the list editors: New (Ctrl+F), Insert, a separator, Delete.
    void Fill(ResortPopupMenu& menu)
    {
        m_listCalls.clear();
        menu.insertItem("New", this, SLOT(Slot()), QKeySequence(QStringLiteral("Ctrl+F")));
        menu.insertItem("Insert", this, SLOT(Slot()));
        menu.insertSeparator();
        menu.insertItem("Delete", this, SLOT(Slot()));
    }
    QStringList m_listCalls;

private slots:
    // Where an entry lands; an unknown slot or a taken id is refused and the menu stays as it
    // was. The operator clicks the new entry: its slot runs once it is enabled.
    void insertItem_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("order");
        const QByteArray slot = SLOT(Slot());
        Row("append", slot, -1, -1, "New Insert - Delete X");
        Row("front", slot, -1, 0, "X New Insert - Delete");
        Row("before the separator", slot, 9, 2, "New Insert X - Delete");
        Row("unknown slot", QByteArray(SLOT(Missing())), -1, 0, "New Insert - Delete");
        Row("id taken", slot, 1, 0, "New Insert - Delete");
    }
    void insertItem()
    {
        QFETCH(QByteArray, slot);
        QFETCH(int, id);
        QFETCH(int, index);
        QFETCH(QString, order);
        ResortPopupMenu menu;
        Fill(menu);
        QCOMPARE(menu.actions().at(0)->shortcut(), QKeySequence(Qt::CTRL + Qt::Key_F));
        if (!order.contains('X'))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ResortPopupMenu::insertItem"));
        QAction* pX = menu.insertItem("X", this, slot.constData(), QKeySequence(), id, index);
        QStringList listTexts;
        for (QAction* pAction : menu.actions())
            listTexts << (pAction->isSeparator() ? QStringLiteral("-") : pAction->text());
        QCOMPARE(listTexts.join(' '), order);
        QCOMPARE(pX != nullptr, order.contains('X'));
        if (!pX)
            return;
        const int nId = menu.idOf(pX);
        QVERIFY(nId >= 0 && (id < 0 || nId == id) && menu.actionForId(nId) == pX);
        menu.popup(QPoint(40, 40));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        for (bool bEnabled : {false, true})
        {
            menu.setItemEnabled(nId, bEnabled);
            QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(pX).center());
            QCOMPARE(m_listCalls, bEnabled ? QStringList{"X"} : QStringList());
        }
        delete pX;
        QVERIFY(!menu.actionForId(nId) && !menu.isItemEnabled(nId));
        QVERIFY(menu.insertItem("Y", this, SLOT(Slot()), QKeySequence(), nId));
    }
};

QTEST_MAIN(TestResortPopupMenu)
#include "tst_resortpopupmenu.moc"
