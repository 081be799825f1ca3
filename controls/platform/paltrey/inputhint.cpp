#include "paltrey/inputhint.h"

#include <QWidget>

InputHint::InputHint(QWidget* pWidget, const QString& sSelector) : m_pWidget(pWidget), m_sSelector(sSelector)
{
}

void InputHint::Show(const QString& sHint)
{
    if (!m_bError)
    {
        m_sOwnStyleSheet = m_pWidget->styleSheet();
        m_sOwnToolTip = m_pWidget->toolTip();
    }
    m_bError = true;
    m_sHint = sHint;
    // The widget's class is only known for sure once it is fully built, so the selector is
    // made here. A class selector keeps the frame off the widget's children.
    const QString sSelector =
        m_sSelector.isEmpty()
            ? QStringLiteral(".") + QString::fromLatin1(m_pWidget->metaObject()->className())
            : m_sSelector;
    m_pWidget->setStyleSheet(m_sOwnStyleSheet +
                             QStringLiteral("\n%1 { border: 2px solid red; }").arg(sSelector));
    m_pWidget->setToolTip(sHint);
}

void InputHint::Clear()
{
    if (!m_bError)
        return;
    m_bError = false;
    m_sHint.clear();
    m_pWidget->setStyleSheet(m_sOwnStyleSheet);
    m_pWidget->setToolTip(m_sOwnToolTip);
}
