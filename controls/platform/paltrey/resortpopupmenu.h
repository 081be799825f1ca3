#pragma once

#include <QKeySequence>
#include <QMap>
#include <QMenu>
#include <QPointer>

class QAction;

// The context menu of the list editors: a QMenu whose entries are added with the receiver and
// slot they call, optionally under an integer id and at a given position. The returned action
// is what callers keep to enable or disable an entry; popup() at a global position is QMenu's.
class ResortPopupMenu : public QMenu
{
    Q_OBJECT

public:
    // A null name gives an empty object name.
    explicit ResortPopupMenu(QWidget* pParent = nullptr, const char* pszName = nullptr);
    ~ResortPopupMenu() override;

    // Adds an entry showing sText that calls pReceiver's slot (a SLOT() signature string) when
    // triggered. nId < 0 picks a free id; an id already used is refused (null). nIndex < 0 or past
    // the end appends, otherwise the entry goes before the entry now at nIndex. The shortcut is
    // shown and works while the menu is open; callers that want it elsewhere add the action to
    // that widget too. A null receiver or slot gives an entry that calls nothing. Returns the
    // new action (owned by the menu), or null when the id is taken or the slot does not exist.
    QAction* insertItem(const QString& sText, const QObject* pReceiver, const char* pszSlot,
                        const QKeySequence& shortcut = QKeySequence(), int nId = -1, int nIndex = -1);
    // Adds a separator at nIndex (appended when < 0 or past the end).
    QAction* insertSeparator(int nIndex = -1);
    using QMenu::insertSeparator;

    // Look-ups by id; an unknown id gives null / -1 / false and changes nothing.
    QAction* actionForId(int nId) const;
    int idOf(const QAction* pAction) const;
    void setItemEnabled(int nId, bool bEnabled);
    bool isItemEnabled(int nId) const;

private:
    QAction* ActionAt(int nIndex) const;

    QMap<int, QPointer<QAction>> m_mapActions; // an entry deleted elsewhere reads as null
    int m_nNextId = 0;
};
