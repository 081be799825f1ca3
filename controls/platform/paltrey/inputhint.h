#pragma once

#include <QString>

class QWidget;

// Shows an input error on an editor widget: a red frame, the reason as tool tip, and the text
// for whoever asks (GetHint). Clearing restores the widget's own style sheet and tool tip. The
// editors use it instead of clamping or silently dropping what the operator typed.
class InputHint
{
public:
    // sSelector picks what gets the red frame (a style sheet selector); empty: the widget itself.
    explicit InputHint(QWidget* pWidget, const QString& sSelector = QString());

    void Show(const QString& sHint);
    void Clear();
    bool HasError() const { return m_bError; }
    const QString& GetHint() const { return m_sHint; }

private:
    QWidget* m_pWidget;
    bool m_bError = false;
    QString m_sSelector;
    QString m_sHint;
    QString m_sOwnStyleSheet;
    QString m_sOwnToolTip;
};
