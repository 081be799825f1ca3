#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

// Helpers for driving the tree widgets of the tree controls as an operator would.
namespace TreeTest
{

// The texts of the tree widget's items as "A{B C{D}} E"; collapsed items count as well.
inline QString ItemText(const QTreeWidgetItem* pItem)
{
    QString sText = pItem->text(0);
    if (pItem->childCount() == 0)
        return sText;
    QStringList lst;
    for (int i = 0; i < pItem->childCount(); ++i)
        lst << ItemText(pItem->child(i));
    return sText + QLatin1Char('{') + lst.join(QLatin1Char(' ')) + QLatin1Char('}');
}

inline QString TreeText(const QTreeWidget* pTree)
{
    QStringList lst;
    for (int i = 0; i < pTree->topLevelItemCount(); ++i)
        lst << ItemText(pTree->topLevelItem(i));
    return lst.join(QLatin1Char(' '));
}

// The item at a path of item texts, "Root/A/X"; null if there is none.
inline QTreeWidgetItem* ItemAt(QTreeWidget* pTree, const QString& sPath)
{
    const QStringList lstParts = sPath.split(QLatin1Char('/'));
    QTreeWidgetItem* pItem = nullptr;
    for (const QString& sPart : lstParts)
    {
        QTreeWidgetItem* pFound = nullptr;
        const int nCount = pItem ? pItem->childCount() : pTree->topLevelItemCount();
        for (int i = 0; i < nCount && !pFound; ++i)
        {
            QTreeWidgetItem* pChild = pItem ? pItem->child(i) : pTree->topLevelItem(i);
            if (pChild->text(0) == sPart)
                pFound = pChild;
        }
        if (!pFound)
            return nullptr;
        pItem = pFound;
    }
    return pItem;
}

// A left click on the item, as the operator selects it.
inline void ClickItem(QTreeWidget* pTree, QTreeWidgetItem* pItem)
{
    for (QTreeWidgetItem* p = pItem->parent(); p; p = p->parent())
        p->setExpanded(true);
    pTree->scrollToItem(pItem);
    QTest::mouseClick(pTree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      pTree->visualItemRect(pItem).center());
}

// A right click on the item: the context menu request of a mouse.
inline void RightClickItem(QTreeWidget* pTree, QTreeWidgetItem* pItem)
{
    pTree->scrollToItem(pItem);
    const QPoint pos = pTree->visualItemRect(pItem).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, pTree->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(pTree->viewport(), &event);
}

inline QString StripMnemonic(QString sText)
{
    return sText.remove(QLatin1Char('&'));
}

// Answers the modal message boxes that appear while it is active: records title and text
// and clicks the button whose text (without '&') is given; an empty text takes the
// default button.
class MessageBoxAnswerer : public QObject
{
public:
    explicit MessageBoxAnswerer(const QStringList& lstButtons) : m_lstButtons(lstButtons)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::Poll);
        m_timer.start();
    }
    explicit MessageBoxAnswerer(const QString& sButton = QString()) : MessageBoxAnswerer(QStringList{sButton})
    {
    }

    QStringList m_lstTitles;
    QStringList m_lstTexts;
    QStringList m_lstButtonsSeen; // per box, the button texts joined by '|'

private:
    void Poll()
    {
        QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox || pBox == m_pLast)
            return;
        m_pLast = pBox;
        m_lstTitles << pBox->windowTitle();
        m_lstTexts << pBox->text();
        QStringList lstButtons;
        for (QAbstractButton* pButton : pBox->buttons())
            lstButtons << StripMnemonic(pButton->text());
        m_lstButtonsSeen << lstButtons.join(QLatin1Char('|'));
        const QString sWanted = m_lstButtons.isEmpty() ? QString() : m_lstButtons.takeFirst();
        QAbstractButton* pChosen = sWanted.isEmpty() ? pBox->defaultButton() : nullptr;
        for (QAbstractButton* pButton : pBox->buttons())
        {
            if (!sWanted.isEmpty() && StripMnemonic(pButton->text()) == sWanted)
                pChosen = pButton;
        }
        if (!pChosen && !pBox->buttons().isEmpty())
            pChosen = pBox->buttons().first();
        if (pChosen)
            QTest::mouseClick(pChosen, Qt::LeftButton);
    }

    QStringList m_lstButtons;
    QTimer m_timer;
    QPointer<QMessageBox> m_pLast;
};

// Reads the next popup menu: its entries ("Text" or "Text (off)") and picks the entry of
// that text with a mouse click, or closes the menu when the text is empty or not found.
class PopupMenuReader : public QObject
{
public:
    explicit PopupMenuReader(const QString& sChoose = QString()) : m_sChoose(sChoose)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &PopupMenuReader::Poll);
        m_timer.start();
    }

    bool m_bSeen = false;
    QStringList m_lstEntries;

private:
    void Poll()
    {
        QMenu* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!pMenu || m_bSeen)
            return;
        m_bSeen = true;
        m_timer.stop();
        QAction* pChosen = nullptr;
        for (QAction* pAction : pMenu->actions())
        {
            if (pAction->isSeparator())
                continue;
            const QString sText = StripMnemonic(pAction->text());
            m_lstEntries << (pAction->isEnabled() ? sText : sText + QStringLiteral(" (off)"));
            if (!m_sChoose.isEmpty() && sText == m_sChoose)
                pChosen = pAction;
        }
        if (pChosen && pChosen->isEnabled())
            QTest::mouseClick(pMenu, Qt::LeftButton, Qt::NoModifier, pMenu->actionGeometry(pChosen).center());
        else
            pMenu->close();
    }

    QString m_sChoose;
    QTimer m_timer;
};

} // namespace TreeTest
