#include "paltrey/resortpopupmenu.h"

#include <QAction>
#include <QMetaObject>
#include <iterator>

ResortPopupMenu::ResortPopupMenu(QWidget* pParent, const char* pszName) : QMenu(pParent)
{
    setObjectName(QString::fromLatin1(pszName ? pszName : ""));
}

ResortPopupMenu::~ResortPopupMenu() = default;

QAction* ResortPopupMenu::insertItem(const QString& sText, const QObject* pReceiver, const char* pszSlot,
                                     const QKeySequence& shortcut, int nId, int nIndex)
{
    // Ids of entries deleted elsewhere are free again.
    for (auto it = m_mapActions.begin(); it != m_mapActions.end();)
        it = it.value().isNull() ? m_mapActions.erase(it) : std::next(it);
    if (nId < 0)
    {
        while (m_mapActions.contains(m_nNextId))
            ++m_nNextId;
        nId = m_nNextId++;
    }
    else if (m_mapActions.contains(nId))
    {
        qWarning("ResortPopupMenu::insertItem: id %d is used already in menu '%s'", nId,
                 qPrintable(objectName()));
        return nullptr;
    }

    if (pReceiver && pszSlot)
    {
        // SLOT() prefixes the signature with its kind; check it exists before the entry is made,
        // so a misspelt slot gives no dead entry.
        const char* pszSignature = (*pszSlot >= '0' && *pszSlot <= '2') ? pszSlot + 1 : pszSlot;
        const QByteArray normalized = QMetaObject::normalizedSignature(pszSignature);
        if (pReceiver->metaObject()->indexOfMethod(normalized.constData()) < 0)
        {
            qWarning("ResortPopupMenu::insertItem: %s has no slot %s", pReceiver->metaObject()->className(),
                     normalized.constData());
            return nullptr;
        }
    }

    QAction* pAction = new QAction(sText, this);
    if (!shortcut.isEmpty())
        pAction->setShortcut(shortcut);
    if (pReceiver && pszSlot)
        connect(pAction, SIGNAL(triggered()), pReceiver, pszSlot);
    insertAction(ActionAt(nIndex), pAction);
    m_mapActions.insert(nId, pAction);
    return pAction;
}

QAction* ResortPopupMenu::insertSeparator(int nIndex)
{
    QAction* pSeparator = new QAction(this);
    pSeparator->setSeparator(true);
    insertAction(ActionAt(nIndex), pSeparator);
    return pSeparator;
}

QAction* ResortPopupMenu::actionForId(int nId) const
{
    return m_mapActions.value(nId).data();
}

int ResortPopupMenu::idOf(const QAction* pAction) const
{
    for (auto it = m_mapActions.constBegin(); it != m_mapActions.constEnd(); ++it)
    {
        if (pAction && it.value().data() == pAction)
            return it.key();
    }
    return -1;
}

void ResortPopupMenu::setItemEnabled(int nId, bool bEnabled)
{
    if (QAction* pAction = actionForId(nId))
        pAction->setEnabled(bEnabled);
}

bool ResortPopupMenu::isItemEnabled(int nId) const
{
    QAction* pAction = actionForId(nId);
    return pAction && pAction->isEnabled();
}

QAction* ResortPopupMenu::ActionAt(int nIndex) const
{
    const QList<QAction*> listActions = actions();
    return (nIndex >= 0 && nIndex < listActions.size()) ? listActions.at(nIndex) : nullptr;
}
