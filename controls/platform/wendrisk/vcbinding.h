#pragma once

#include "kvbase/observable.h"
#include "paltrey/inputhint.h"

#include <QString>

class QWidget;

namespace values
{
class ValueBase;
}

// The part every single-value editor shares: it holds the bound value and observes it, shows
// the value again whenever it changes elsewhere, lets go of it when it is deleted (the editor
// is then disabled), and shows why an input was refused. Edits are written with the editor
// itself as originator, so the editor is not called back for its own change.
class VCBinding : public IObserver
{
public:
    explicit VCBinding(QWidget* pWidget);
    ~VCBinding() override;
    VCBinding(const VCBinding&) = delete;
    VCBinding& operator=(const VCBinding&) = delete;

    values::ValueBase* GetBoundValue() const { return m_pValue; }
    bool IsBound() const { return m_pValue != nullptr; }

    bool HasError() const { return m_hint.HasError(); }
    const QString& GetHint() const { return m_hint.GetHint(); }

    void Update(Observable* pObservable, TChangeCode code) override;

protected:
    // Binds pValue (null unbinds) and shows it. Enables the widget when bound.
    void Bind(values::ValueBase* pValue);
    // Binds the value at the absolute path of the process-wide tree; a path that names no value
    // leaves the editor unbound and disabled, with a hint saying so. Answers whether bound.
    bool BindPath(const QString& sPath);
    // The same for editors of numbers: a value of another kind leaves the editor unbound, with
    // a hint saying so.
    void BindNumeric(values::ValueBase* pValue);
    bool BindNumericPath(const QString& sPath);

    // Puts the bound value into the widget (only called while bound).
    virtual void ShowValue() = 0;
    // The bound value is gone (deleted or unbound); default: disable the widget.
    virtual void ValueReleased();

    // Writes through the value's own checks; a refusal shows the value's reason as hint and
    // changes nothing. On success the widget shows the value as stored. Answers whether the
    // value took it.
    bool WriteText(const QString& sText);
    bool WriteNumber(double dNumber);
    // Checks a number the operator typed against the descriptor's range and kind (whole numbers
    // for integer values); a refusal is shown as hint. Answers whether it may be written.
    bool CheckNumber(double dNumber);
    // Shared by the editors whose text is taken on Return and on leaving: Return and Enter commit
    // (a refused text stays to be corrected, and the key goes no further, so a dialog does not
    // close over it); Escape puts the value back over an edit or a refused text. Answers
    // whether the key was taken.
    bool TakeEditKey(int nKey, bool bReadOnly, const QString& sText, const QString& sShown);
    // Leaving commits an edit; a text the editor cannot keep gives way to the value, and the
    // reason stays shown.
    void CommitOnLeave(bool bReadOnly, const QString& sText, const QString& sShown);
    // Writes the edited text; false when refused. Editors that use the two above replace it.
    virtual bool Commit() { return true; }
    void ShowHint(const QString& sHint) { m_hint.Show(sHint); }
    void ClearHint() { m_hint.Clear(); }
    QWidget* GetWidget() const { return m_pWidget; }

private:
    void Release();

    QWidget* m_pWidget;
    values::ValueBase* m_pValue = nullptr;
    InputHint m_hint;
};
