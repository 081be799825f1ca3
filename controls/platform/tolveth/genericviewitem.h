#pragma once

#include "oskevo/kvmodifier.h"
#include "oskevo/treeitemmediator.h"
#include "tolveth/aliasmapclient.h"

#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QWidget>

class GenericViewCtrl;

namespace values
{
class TreeItem;
class ValueBase;
} // namespace values

// One row of a generic form: a label (the value's name through the alias map, with the
// unit) and the value-bound editor of the value's kind. The row observes its value: any
// change marks it modified, a rename refreshes the label, and the row goes away with the
// value. It owns its label, its editor and its row layout.
class GenericViewItem : public values::TreeItemMediator, public values::KVModifier, public AliasMapClient
{
public:
    GenericViewItem(GenericViewCtrl* pCtrl, values::TreeItem* pItem, int nRow);
    ~GenericViewItem() override;

    void Update(Observable* pObservable, TChangeCode code) override;

    // Builds the row of the value by its kind: boolean AddComboBool, selection AddComboSel,
    // date-time AddDateTimeEdit, floating point AddNumeric, anything else AddEdit. Then tells
    // the controller (NotifyViewItemCreated). A node gets no row.
    virtual void Init(values::TreeItem* pItem);

    // The row operations, one per value kind.
    virtual void AddComboBool(values::ValueBase* pValue);
    virtual void AddEdit(values::ValueBase* pValue);
    // The floating-point row Init asks for; by default AddNumericFloat.
    virtual void AddNumeric(values::ValueBase* pValue);
    virtual void AddComboSel(values::ValueBase* pValue);
    virtual void AddDateTimeEdit(values::ValueBase* pValue);
    // A value in hertz is typed as a frequency ("100.5 MHz"), any other in a spin box.
    virtual void AddNumericFloat(values::ValueBase* pValue);

    // A new alias map renames the label at once.
    void SetAliasMap(IAliasMap* pAliasMap) override;

    // Sets the flag without telling the observer (the controller tells it once for all).
    void ResetModified(bool bModified) { m_bModified = bModified; }

    GenericViewCtrl* GetCtrl() const { return m_pCtrl; }
    int GetRow() const { return m_nRow; }
    QWidget* GetEditor() const { return m_pEditor; }
    QLabel* GetLabel() const { return m_pLabel; }
    QLayout* GetRowLayout() const { return m_pRowLayout; }

    // "<alias of the name>", followed by " [<basis prefix><unit>]" when the value has a unit.
    QString GetLabelText() const;

protected:
    // A label with GetLabelText and the descriptor's tool tip, on the controller's view.
    QLabel* CreateLabel();
    // Stores label and editor and puts them as a row into the controller's form layout:
    // label right-aligned beside the editor, both columns at least s_nColumnWidth wide.
    void AddRow(QLabel* pLabel, QWidget* pEditor);
    QWidget* GetParentWidget() const;

    static const int s_nColumnWidth = 200;

    GenericViewCtrl* m_pCtrl;
    int m_nRow;
    // Guarded: derived rows may delete label or editor themselves.
    QPointer<QWidget> m_pEditor;
    QPointer<QLabel> m_pLabel;
    QPointer<QLayout> m_pRowLayout;
};
