#pragma once

#include "dravinelcontrols/frequencyviewctrl.h"

class FrequencyViewItem;
class FrequencyViewSplit;

namespace values
{
class Mediator;
class Node;
} // namespace values

// The controller of a FrequencyViewSplit: a frequency controller that follows the current row
// and shows the parameters of its frequency definition in the split view's parameter area. The
// parameter editor goes when another row becomes current, when a row is deleted and when a
// definition is suppressed; it comes back for the current row, and for a definition that is
// unsuppressed.
class FrequencyViewSplitCtrl : public FrequencyViewCtrl
{
    Q_OBJECT

public:
    explicit FrequencyViewSplitCtrl(FrequencyViewSplit* pSplit);
    ~FrequencyViewSplitCtrl() override;

    // The base Init, then the parameters of the first row.
    void Init(values::Node* pNode) override;
    void NotifyViewItemCreated(values::Mediator* pMediator) override;
    // The base operation, then the parameter editor goes.
    void NotifyViewItemDeleted(values::Mediator* pMediator) override;
    void AddConnects() override;
    void AddMenu() override;
    void UpdateViewItemList() override;
    // Also reaches the parameter editor shown.
    void SetObserver(values::IModifyObserver* pObserver) override;
    // Also true after an edit in the parameter editor.
    bool IsModified() override;

    // Shows the parameters of a frequency definition, unless the current one is suppressed.
    void ShowParameter(values::Node* pFrequencyDefinition) override;
    // Removes the parameter editor.
    void DeleteParameter() override;
    // Makes the parameter editor for pNode (a parameter set, or a definition without one).
    void CreateParameter(values::Node* pNode);

    FrequencyViewSplit* GetSplit() const { return m_pSplit; }
    FrequencyViewItem* GetCurrentItem() const { return m_pCurrentItem; }

public slots:
    void SlotCurrentChanged(int nRow, int nCol, int nPreviousRow, int nPreviousCol);
    void SlotCellClicked(int nRow, int nCol);

private:
    // Marks every cell of a row (un)selected.
    void MarkRow(int nRow, bool bSelected);

    FrequencyViewSplit* m_pSplit;
    FrequencyViewItem* m_pCurrentItem = nullptr;
};
