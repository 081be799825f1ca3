#pragma once

#include "tolveth/genericviewctrl.h"

#include <QPointer>
#include <map>

class FreqScenarioViewSplit;
class FrequencyScenarioView;
class FrequencyView;
class MovementScenarioView;

namespace values
{
class ValueDescriptor;
}

// The controller of a GenericScenarioView. Its rows follow the order table of the group's
// type (value types of no table after them, in the order they appear); a longitude and a
// latitude share one "Location" row. When the group holds an emission list or a movement, the
// matching table is shown in the split view's lower pane, made when the list appears and
// removed when it goes.
class GenericScenarioViewCtrl : public GenericViewCtrl
{
public:
    explicit GenericScenarioViewCtrl(GenericView* pView);
    ~GenericScenarioViewCtrl() override;

    void Init(values::Node* pNode) override;
    // Also lets go of the lists and removes the lower pane.
    void Unload() override;
    void OnCommand(unsigned int nCommand) override;
    void NotifyViewItemCreated(GenericViewItem* pItem) override;
    void NotifyViewItemDeleted(GenericViewItem* pItem) override;
    void UpdateViewItemList() override;

    // Also reaches the lower pane's table, which may have been made before.
    void SetObserver(values::IModifyObserver* pObserver) override;
    void NotifyDeleted(values::Mediator* pMediator) override;
    values::Mediator* CreateMediator(Observable* pObservable) override;
    void Update(Observable* pObservable, TChangeCode code) override;

    // The lower pane's table, or null.
    FrequencyView* GetListView() const;

private:
    // The order position of a value type; a type of no table gets the next free one.
    int Position(const values::ValueDescriptor* pDescriptor);
    // Shows the list node in the lower pane, making the view of kind T when there is none.
    template <class T>
    void ShowList(FreqScenarioViewSplit* pSplit, values::Node* pList, QPointer<T>& rpView,
                  values::Node*& rpHeld);
    void Release(values::Node*& rpList);

    QPointer<FrequencyScenarioView> m_pEmissionView;
    QPointer<MovementScenarioView> m_pMovementView;
    std::map<const values::ValueDescriptor*, int> m_mapOrder;
    values::Node* m_pEmissionList = nullptr;
    values::Node* m_pMovementList = nullptr;
};
