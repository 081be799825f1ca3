#include "dravinelcontrols/editmenuactions.h"

#include <QAction>
#include <QClipboard>

void EditMenuActions::EnableForContent(bool bAnything) const
{
    for (QAction* pAction : {m_pDeleteAction, m_pCutAction, m_pCopyAction})
    {
        if (pAction)
            pAction->setEnabled(bAnything);
    }
}

void EditMenuActions::EnablePaste(const QClipboard* pClipboard) const
{
    if (m_pPasteAction)
        m_pPasteAction->setEnabled(pClipboard && !pClipboard->text().isEmpty());
}
