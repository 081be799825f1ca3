#pragma once

#include <QString>

// One command an editor offers to the host's menus: the number passed back to
// IMenuCommandExecuter::OnCommand, the menu text and whether it may be chosen now.
struct MenuCommand
{
    MenuCommand() = default;
    MenuCommand(unsigned int nId, const QString& sText, bool bEnabled = true)
        : m_nId(nId), m_sText(sText), m_bEnabled(bEnabled)
    {
    }

    unsigned int m_nId = 0;
    QString m_sText;
    bool m_bEnabled = true;
};
