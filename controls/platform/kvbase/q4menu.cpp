#include "kvbase/q4menu.h"

#include "kvbase/errorhandler.h"

#include <QAction>
#include <QMetaMethod>
#include <QSignalBlocker>

namespace
{

const char* const g_pszSource = "controls/platform/kvbase/q4menu";

void ReportAssert(const char* pszExpression, int nLine)
{
    if (ErrorHandler::Instance()->IsAssertOn())
        ErrorHandler::Instance()->_Q_assert(QString::fromLatin1(pszExpression),
                                            QString::fromLatin1(g_pszSource), nLine);
}

} // namespace

Q4Menu::Q4Menu(QWidget* pParent, const char* pszName) : QMenu(pParent), m_pTracker(new QObject(this))
{
    if (pszName)
        setObjectName(QString::fromLatin1(pszName));
}

Q4Menu::Q4Menu(const QString& sTitle, QWidget* pParent)
    : QMenu(sTitle, pParent), m_pTracker(new QObject(this))
{
}

Q4Menu::~Q4Menu()
{
    // QWidget deletes the actions after our members are gone: drop our connections first.
    delete m_pTracker;
}

int Q4Menu::insertItem(const QString& sText, const QObject* pReceiver, const char* pszMember,
                       const QKeySequence& shortcut, int nId, int nIndex)
{
    return insertItem(QIcon(), sText, pReceiver, pszMember, shortcut, nId, nIndex);
}

int Q4Menu::insertItem(const QIcon& icon, const QString& sText, const QObject* pReceiver,
                       const char* pszMember, const QKeySequence& shortcut, int nId, int nIndex)
{
    if (nId != -1 && m_mapActions.contains(nId))
    {
        ReportAssert("!containsItem(nId)", __LINE__);
        return -1;
    }
    QAction* pAction = new QAction(icon, sText, this);
    pAction->setShortcut(shortcut);
    // Our own handler first, so that it runs before the receiver's slot. Its context is the
    // tracker, not the menu: QMenu drops every connection from an action to itself when the
    // action leaves it.
    connect(pAction, &QAction::triggered, m_pTracker, [this, pAction]() { OnTriggered(pAction); });
    if (pReceiver && pszMember && !ConnectMember(pAction, pReceiver, pszMember))
    {
        ReportAssert("ConnectMember(pReceiver, pszMember)", __LINE__);
        delete pAction;
        return -1;
    }
    return AddAction(pAction, nId, nIndex);
}

int Q4Menu::insertItem(const QString& sText, QMenu* pSubMenu, int nId, int nIndex)
{
    if (!pSubMenu || (nId != -1 && m_mapActions.contains(nId)))
    {
        ReportAssert("pSubMenu && !containsItem(nId)", __LINE__);
        return -1;
    }
    QAction* pAction = pSubMenu->menuAction();
    if (m_mapIds.contains(pAction))
    {
        ReportAssert("!containsItem(pSubMenu)", __LINE__);
        return -1;
    }
    pAction->setText(sText);
    return AddAction(pAction, nId, nIndex);
}

int Q4Menu::insertSeparator(int nIndex)
{
    QAction* pAction = new QAction(this);
    pAction->setSeparator(true);
    return AddAction(pAction, -1, nIndex);
}

int Q4Menu::AddAction(QAction* pAction, int nId, int nIndex)
{
    if (nId == -1)
    {
        while (m_mapActions.contains(m_nNextFreshId))
            --m_nNextFreshId;
        nId = m_nNextFreshId--;
    }
    const QList<QAction*> vecActions = actions();
    if (nIndex >= 0 && nIndex < vecActions.size())
        insertAction(vecActions.at(nIndex), pAction);
    else
        addAction(pAction);
    m_mapActions.insert(nId, pAction);
    m_mapIds.insert(pAction, nId);
    connect(pAction, &QObject::destroyed, m_pTracker,
            [this](QObject* pObject) { OnActionDestroyed(pObject); });
    return nId;
}

bool Q4Menu::ConnectMember(QAction* pAction, const QObject* pReceiver, const char* pszMember)
{
    // pszMember is a SLOT() or SIGNAL() text: a code digit, then the signature.
    if (pszMember[0] != '1' && pszMember[0] != '2')
        return false;
    const QByteArray sSignature = QMetaObject::normalizedSignature(pszMember + 1);
    const QMetaObject* pMeta = pReceiver->metaObject();
    const int nMethod = pszMember[0] == '1' ? pMeta->indexOfSlot(sSignature.constData())
                                            : pMeta->indexOfSignal(sSignature.constData());
    if (nMethod < 0)
        return false;
    const QMetaMethod method = pMeta->method(nMethod);
    if (method.parameterCount() == 0)
        return connect(pAction, SIGNAL(triggered()), pReceiver, pszMember);
    QObject* pTarget = const_cast<QObject*>(pReceiver);
    const QByteArray sName = method.name();
    if (method.parameterCount() == 1 && method.parameterType(0) == QMetaType::Bool)
    {
        // triggered(bool) carries the state QAction flipped to; pass the state as it stands.
        connect(pAction, &QAction::triggered, pReceiver,
                [pAction, pTarget, sName]()
                {
                    QMetaObject::invokeMethod(pTarget, sName.constData(), Qt::DirectConnection,
                                              Q_ARG(bool, pAction->isChecked()));
                });
        return true;
    }
    if (method.parameterCount() == 1 && method.parameterType(0) == QMetaType::Int)
    {
        // The classic menus passed the entry's id to such slots. The receiver is the
        // connection's context, so the connection dies with it.
        connect(pAction, &QAction::triggered, pReceiver,
                [this, pAction, pTarget, sName]()
                {
                    const int nActionId = idForAction(pAction);
                    QMetaObject::invokeMethod(pTarget, sName.constData(), Qt::DirectConnection,
                                              Q_ARG(int, nActionId));
                });
        return true;
    }
    return false;
}

bool Q4Menu::removeItem(int nId)
{
    QAction* pAction = Lookup(nId, "removeItem");
    if (!pAction)
        return false;
    m_mapActions.remove(nId);
    m_mapIds.remove(pAction);
    disconnect(pAction, nullptr, m_pTracker, nullptr);
    removeAction(pAction);
    if (pAction->parent() == this)
        delete pAction; // sub-menu entries belong to their menu
    return true;
}

void Q4Menu::clear()
{
    const QList<int> vecIds = m_mapActions.keys();
    for (int nId : vecIds)
        removeItem(nId);
    QMenu::clear();
    m_nNextFreshId = -2;
}

QAction* Q4Menu::actionForId(int nId) const
{
    return m_mapActions.value(nId, nullptr);
}

int Q4Menu::idForAction(const QAction* pAction) const
{
    return m_mapIds.value(pAction, -1);
}

int Q4Menu::indexOf(int nId) const
{
    QAction* pAction = actionForId(nId);
    return pAction ? actions().indexOf(pAction) : -1;
}

QAction* Q4Menu::Lookup(int nId, const char* pszCaller) const
{
    QAction* pAction = actionForId(nId);
    if (!pAction && ErrorHandler::Instance()->IsAssertOn())
        ErrorHandler::Instance()->_Q_assert(
            QStringLiteral("containsItem(nId) in %1, id %2").arg(QString::fromLatin1(pszCaller)).arg(nId),
            QString::fromLatin1(g_pszSource), __LINE__);
    return pAction;
}

void Q4Menu::setItemEnabled(int nId, bool bEnabled)
{
    if (QAction* pAction = Lookup(nId, "setItemEnabled"))
        pAction->setEnabled(bEnabled);
}

bool Q4Menu::isItemEnabled(int nId) const
{
    QAction* pAction = actionForId(nId);
    return pAction && pAction->isEnabled();
}

void Q4Menu::setItemCheckable(int nId, bool bCheckable)
{
    if (QAction* pAction = Lookup(nId, "setItemCheckable"))
        pAction->setCheckable(bCheckable);
}

bool Q4Menu::isItemCheckable(int nId) const
{
    QAction* pAction = actionForId(nId);
    return pAction && pAction->isCheckable();
}

void Q4Menu::setItemChecked(int nId, bool bChecked)
{
    QAction* pAction = Lookup(nId, "setItemChecked");
    if (!pAction)
        return;
    pAction->setCheckable(true);
    pAction->setChecked(bChecked);
}

bool Q4Menu::isItemChecked(int nId) const
{
    QAction* pAction = actionForId(nId);
    return pAction && pAction->isChecked();
}

void Q4Menu::setItemVisible(int nId, bool bVisible)
{
    if (QAction* pAction = Lookup(nId, "setItemVisible"))
        pAction->setVisible(bVisible);
}

bool Q4Menu::isItemVisible(int nId) const
{
    QAction* pAction = actionForId(nId);
    return pAction && pAction->isVisible();
}

void Q4Menu::changeItem(int nId, const QString& sText)
{
    if (QAction* pAction = Lookup(nId, "changeItem"))
        pAction->setText(sText);
}

QString Q4Menu::text(int nId) const
{
    QAction* pAction = actionForId(nId);
    return pAction ? pAction->text() : QString();
}

void Q4Menu::OnTriggered(QAction* pAction)
{
    const int nId = idForAction(pAction);
    if (nId == -1)
        return;
    if (pAction->isCheckable())
    {
        // QAction flipped the check mark before telling us; undo it quietly so that the
        // receiver sees the state as it was and decides itself.
        const QSignalBlocker blocker(pAction);
        pAction->setChecked(!pAction->isChecked());
    }
    emit activated(nId);
}

void Q4Menu::OnActionDestroyed(QObject* pObject)
{
    // Only the address is used: the object is no longer a QAction here.
    const auto it = m_mapIds.find(pObject);
    if (it == m_mapIds.end())
        return;
    m_mapActions.remove(it.value());
    m_mapIds.erase(it);
}
