#pragma once

#include "oskevo/itreeitem.h"
#include "oskevo/kvmodifier.h"
#include "oskevo/treeitemmediator.h"
#include "oskevo/value.h"
#include "oskevo/valuenumeric.h"
#include "tolveth/aliasmapclient.h"

#include <vector>

class FrequencyViewCtrl;
class QTableWidget;
class QTableWidgetItem;
class TableItem;

namespace values
{
class Node;
class TreeItem;
class ValueBase;
} // namespace values

// The mediator of one frequency definition node: it owns the node's row in the frequency
// view, binds start, stop, name and suppressed flag to the row's four cells, keeps the stop of
// a single frequency equal to its start (its stop cell stays empty), and tells the controller
// when its row is made or removed. The controller finds a row's mediator through the row's name
// cell, never through the row number, so rows may move.
class FrequencyViewItem : public values::TreeItemMediator,
                          public values::IDeleteSubject,
                          public values::KVModifier,
                          public AliasMapClient
{
public:
    FrequencyViewItem(FrequencyViewCtrl* pCtrl, values::Node* pFrequencyNode);
    ~FrequencyViewItem() override;

    void Update(Observable* pObservable, TChangeCode code) override;
    // Removes the row, then the definition from the tree (which also ends this mediator).
    void DeleteTreeItem() override;
    // Makes the row's cells at model row nRow: past the end the table grows to it, a free row
    // (one without cells) is filled, an occupied row gets a new row inserted before it.
    virtual void Init(int nRow);
    virtual bool IsSuppressed();
    virtual void AddTableItem(values::ValueBase* pValue, int nRow, int nCol);

    void SetDeleteObserver(values::ITreeItem* pObserver) override { m_pDeleteObserver = pObserver; }
    values::ITreeItem* GetDeleteObserver() const override { return m_pDeleteObserver; }
    // Also handed to the cells this row made, so their edits reach the same observer.
    void SetObserver(values::IModifyObserver* pObserver) override;
    bool IsModified() override { return m_bModified; }
    void SetbModified(bool bModified) override;

    // The child as a frequency definition: a child node whose name begins with the name of the
    // definition type gets a row; null for every other child.
    static values::Node* AsDefinition(values::TreeItem* pChild);
    // The name cell, the row's identity; null without a row.
    QTableWidgetItem* GetViewItem() const;
    values::Node* GetNode() const;
    FrequencyViewCtrl* GetCtrl() const { return m_pCtrl; }
    // The current model row, or -1.
    int GetRow() const;
    // Lets go of the row without touching the table, for a controller that clears the whole
    // table in one step.
    void ForgetRow();

protected:
    // Readies model row nRow for new cells as Init describes; returns the row to fill.
    int PrepareRow(int nRow);
    // The stop cell is empty exactly while start equals stop.
    void CoverStop();
    // Puts the cell of column nCol (0 start, 1 stop, 2 name, 3 flag) into the row.
    void AddCell(int nCol, int nRow, values::ValueBase* pStart, values::ValueBase* pStop,
                 values::ValueBase* pName, values::ValueBase* pSupp);
    // A cell for the value with its text, reporting to this row's modification observer.
    TableItem* MakeCell(values::ValueBase* pValue, bool bCovered);

    FrequencyViewCtrl* m_pCtrl;
    values::ITreeItem* m_pDeleteObserver = nullptr;
    TableItem* m_pNameItem = nullptr;
    QTableWidget* m_pTable = nullptr;
    values::ValueNumeric<double>* m_pStartValue = nullptr;
    values::ValueNumeric<double>* m_pStopValue = nullptr;
    values::Value<bool>* m_pSuppValue = nullptr;
    double m_dLastStart = 0.0;
    double m_dLastStop = 0.0;
    TableItem* m_pStopItem = nullptr;
    std::vector<TableItem*> m_vecCells; // the cells this row made, while the row exists
};
