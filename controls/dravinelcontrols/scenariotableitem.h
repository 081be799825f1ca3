#pragma once

#include "dravinelcontrols/tableitem.h"

#include <QAbstractItemView>

namespace values
{
class Node;
template <class T> class ValueNumeric;
} // namespace values

// A cell of the emission and movement tables. It knows the attribute node of its row, shows
// floating-point numbers rounded with their unit and basis prefix, and shows a breakpoint's
// location (latitude and longitude, two values of the node) as one coordinate: the cell bound
// to the latitude follows the longitude too and edits both with a coordinate editor.
class ScenarioTableItem : public TableItem
{
    Q_OBJECT

public:
    // Sets the triggers on the whole table and fills the text at once.
    ScenarioTableItem(values::Node* pNode, values::ValueBase* pValue, QTableWidget* pTable,
                      QAbstractItemView::EditTriggers triggers, const QString& sText);
    ~ScenarioTableItem() override;

    void Text(values::ValueBase* pValue) override;
    QWidget* createEditor() const override;
    // Every editor writes its value itself.
    void setContentFromEditor(QWidget* pEditor) override;

    void Update(Observable* pObservable, TChangeCode code) override;
    values::Node* GetNode() const { return m_pNode; }

private:
    bool IsLocation() const;

    values::Node* m_pNode;
    // The longitude a location cell follows besides its latitude; null for other cells.
    values::ValueNumeric<double>* m_pLongitude = nullptr;
};
