#pragma once

#include "kvbase/observable.h"
#include "oskevo/kvmodifier.h"
#include "tolveth/aliasmapclient.h"

#include <QObject>
#include <QTableWidgetItem>

class QPainter;
class QRect;
class QWidget;

namespace values
{
class ValueBase;
}

// One cell of a Table bound to one value of the tree. The text follows the value (booleans as
// "YES"/"NO", floating-point numbers as megahertz with six decimals, everything else in the
// value's own text form); a covered cell shows nothing without letting go of the value. Every
// change notification marks the cell modified and tells its modification observer. The cell
// offers the editor for its value; the editors write the value themselves.
class TableItem : public QObject,
                  public QTableWidgetItem,
                  public IObserver,
                  public values::KVModifier,
                  public AliasMapClient
{
    Q_OBJECT

public:
    // pValue must not be null. The text is not taken from the value: the creator calls
    // Text(value) once the item is in its table.
    TableItem(values::ValueBase* pValue, QTableWidget* pTable, const QString& sText);
    ~TableItem() override;

    virtual void Text(values::ValueBase* pValue);
    void SetbCovered(bool bCovered, bool bRefresh);
    bool IsCovered() const { return m_bCovered; }
    values::ValueBase* GetValue() const { return m_pValue; }
    QTableWidget* GetTable() const { return m_pTable; }

    virtual QWidget* createEditor() const;
    virtual void setContentFromEditor(QWidget* pEditor);
    // Draws the check box of a boolean cell into the painter (origin at the cell's corner).
    virtual void paint(QPainter* pPainter, const QRect& rect, bool bSelected);

    void Update(Observable* pObservable, TChangeCode code) override;
    void SetObserver(values::IModifyObserver* pObserver) override;
    bool IsModified() override;
    void SetbModified(bool bModified) override;

private:
    values::ValueBase* m_pValue;
    bool m_bModified;
    bool m_bCovered;
    QTableWidget* m_pTable;
};
