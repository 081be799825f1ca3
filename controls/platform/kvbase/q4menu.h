#pragma once

#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QString>

// A menu whose entries are addressed by integer ids, in the manner of the classic popup menu
// API. Ids are unique within a menu: inserting an id that is taken refuses the entry (-1 is
// returned and an assertion reported). An id of -1 asks for a fresh one; fresh ids are
// negative from -2 downwards and never collide with the non-negative ids callers choose.
//
// Check items do not toggle themselves when the user activates them: the receiver decides
// (typically setItemChecked(id, !isItemChecked(id))). setItemChecked makes an entry a check
// item, whichever state it sets.
//
// The slot given to insertItem is a SLOT() signature taking no argument, a bool (the
// entry's checked state) or an int (the entry's id).
class Q4Menu : public QMenu
{
    Q_OBJECT
public:
    explicit Q4Menu(QWidget* pParent = nullptr, const char* pszName = nullptr);
    explicit Q4Menu(const QString& sTitle, QWidget* pParent = nullptr);
    ~Q4Menu() override;

    // Adds an entry calling member of receiver (both may be null for an entry without an
    // action) at index (-1: at the end). Returns the entry's id, -1 if it was refused.
    int insertItem(const QString& sText, const QObject* pReceiver, const char* pszMember,
                   const QKeySequence& shortcut = QKeySequence(), int nId = -1, int nIndex = -1);
    int insertItem(const QIcon& icon, const QString& sText, const QObject* pReceiver, const char* pszMember,
                   const QKeySequence& shortcut = QKeySequence(), int nId = -1, int nIndex = -1);
    // Adds a sub-menu entry; the menu is not reparented.
    int insertItem(const QString& sText, QMenu* pSubMenu, int nId = -1, int nIndex = -1);
    int insertSeparator(int nIndex = -1);
    // Removes and deletes the entry. Returns false for an unknown id.
    bool removeItem(int nId);
    void clear();

    QAction* actionForId(int nId) const;
    // The id of an entry of this menu, -1 for any other action.
    int idForAction(const QAction* pAction) const;
    bool containsItem(int nId) const { return m_mapActions.contains(nId); }
    int indexOf(int nId) const;

    // Operations on an unknown id do nothing and report an assertion; queries answer false
    // or an empty text.
    void setItemEnabled(int nId, bool bEnabled);
    bool isItemEnabled(int nId) const;
    void setItemCheckable(int nId, bool bCheckable);
    bool isItemCheckable(int nId) const;
    void setItemChecked(int nId, bool bChecked);
    bool isItemChecked(int nId) const;
    void setItemVisible(int nId, bool bVisible);
    bool isItemVisible(int nId) const;
    void changeItem(int nId, const QString& sText);
    QString text(int nId) const;

signals:
    // An entry was activated (clicked, chosen with the keyboard, its shortcut, or triggered).
    void activated(int nId);

private:
    void OnTriggered(QAction* pAction);
    void OnActionDestroyed(QObject* pObject);
    int AddAction(QAction* pAction, int nId, int nIndex);
    bool ConnectMember(QAction* pAction, const QObject* pReceiver, const char* pszMember);
    QAction* Lookup(int nId, const char* pszCaller) const;

    QHash<int, QAction*> m_mapActions;
    QHash<const QObject*, int> m_mapIds; // keyed by address, also while an action dies
    int m_nNextFreshId = -2;
    QObject* m_pTracker; // context of our own connections to the actions
};
