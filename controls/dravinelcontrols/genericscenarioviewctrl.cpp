#include "dravinelcontrols/genericscenarioviewctrl.h"

#include "dravinelcontrols/freqscenarioviewsplit.h"
#include "dravinelcontrols/frequencyscenarioview.h"
#include "dravinelcontrols/genericscenarioviewitem.h"
#include "dravinelcontrols/movementscenarioview.h"
#include "dravineldefinition/descriptors.h"
#include "kvbase/errorhandler.h"
#include "oskevo/changecodes.h"
#include "oskevo/node.h"
#include "tolveth/genericview.h"

#include <vector>

using namespace DravinelDefinition;

namespace
{

// The rows of each group type in order; the first entry is the group's own type.
const std::vector<std::vector<const values::ValueDescriptor*>>& OrderTables()
{
    static const std::vector<std::vector<const values::ValueDescriptor*>> s_tables{
        {&g_vdNodeSimGeneral, &g_vdGenModulation, &g_vdGenDecoder, &g_vdGenGain, &g_vdGenEnvironment,
         &g_vdGenAntennaType, &g_vdGenHeight, &g_vdGenAntennaDirection, &g_vdGenMaxPower},
        {&g_vdNodeSimFrequency, &g_vdFreqType, &g_vdFreqStart, &g_vdFreqStop, &g_vdFreqStep,
         &g_vdFreqBandwidth, &g_vdFreqCount, &g_vdFreqFreq, &g_vdFreqWaitTime, &g_vdFreqSendTime},
        {&g_vdNodeSimMovement, &g_vdMovType, &g_vdMovLongitude, &g_vdMovLatitude, &g_vdMovBreakTime,
         &g_vdMovSpeed, &g_vdMovAngle, &g_vdMovRadius, &g_vdMovAmplitude, &g_vdMovPeriode, &g_vdMovCount},
    };
    return s_tables;
}

} // namespace

GenericScenarioViewCtrl::GenericScenarioViewCtrl(GenericView* pView) : GenericViewCtrl(pView)
{
}

GenericScenarioViewCtrl::~GenericScenarioViewCtrl()
{
    if (m_pNode)
        m_pNode->DeleteObserver(this);
    m_pNode = nullptr;
    Release(m_pEmissionList);
    Release(m_pMovementList);
    // The split view owns the lower views.
    m_pEmissionView = nullptr;
    m_pMovementView = nullptr;
    m_mapOrder.clear();
}

void GenericScenarioViewCtrl::Init(values::Node* pNode)
{
    m_mapOrder.clear();
    for (const auto& vecTable : OrderTables())
    {
        if (pNode && pNode->GetValueDescriptor() == vecTable.front())
        {
            for (size_t i = 0; i < vecTable.size(); ++i)
                m_mapOrder[vecTable[i]] = int(i);
        }
    }
    GenericViewCtrl::Init(pNode);
}

void GenericScenarioViewCtrl::Unload()
{
    GenericViewCtrl::Unload();
    Release(m_pEmissionList);
    Release(m_pMovementList);
    m_pEmissionView = nullptr;
    m_pMovementView = nullptr;
    auto* pSplit = GetView() ? qobject_cast<FreqScenarioViewSplit*>(GetView()->parentWidget()) : nullptr;
    if (pSplit && pSplit->GetFrequencyView())
        pSplit->SetFrequencyView(nullptr);
}

void GenericScenarioViewCtrl::OnCommand(unsigned int /*nCommand*/)
{
}

void GenericScenarioViewCtrl::NotifyViewItemCreated(GenericViewItem* pItem)
{
    GenericViewCtrl::NotifyViewItemCreated(pItem);
}

void GenericScenarioViewCtrl::NotifyViewItemDeleted(GenericViewItem* pItem)
{
    values::MediatorCtrl::NotifyDeleted(pItem);
}

int GenericScenarioViewCtrl::Position(const values::ValueDescriptor* pDescriptor)
{
    auto it = m_mapOrder.find(pDescriptor);
    if (it != m_mapOrder.end())
        return it->second;
    const int nPosition = int(m_mapOrder.size()) + 1;
    m_mapOrder[pDescriptor] = nPosition;
    return nPosition;
}

void GenericScenarioViewCtrl::Release(values::Node*& rpList)
{
    if (rpList)
        rpList->DeleteObserver(this);
    rpList = nullptr;
}

template <class T>
void GenericScenarioViewCtrl::ShowList(FreqScenarioViewSplit* pSplit, values::Node* pList,
                                       QPointer<T>& rpView, values::Node*& rpHeld)
{
    if (rpHeld != pList)
    {
        Release(rpHeld);
        rpHeld = pList;
        pList->AddObserver(this);
        if (rpView)
            rpView->Load(pList);
    }
    if (rpView || !pSplit)
        return;
    T* pView = new T(pSplit, QString());
    rpView = pView;
    pSplit->SetFrequencyView(pView); // deletes the table shown before
    pView->Init(nullptr);
    pView->Load(pList);
    pView->SetObserver(m_pModifyObserver);
    pView->show();
}

void GenericScenarioViewCtrl::UpdateViewItemList()
{
    if (!m_pNode)
        return;
    auto* pSplit = GetView() ? qobject_cast<FreqScenarioViewSplit*>(GetView()->parentWidget()) : nullptr;
    bool bListMet = false;
    // A copy: making a row must not be disturbed by changes it might cause.
    const std::vector<values::TreeItem*> vecChildren = m_pNode->GetTreeItems();
    for (values::TreeItem* pChild : vecChildren)
    {
        if (values::Node* pList = pChild->GetNode(QString()))
        {
            if (pList->GetValueDescriptor() == &g_vdNodeSimFreqListSuper)
            {
                bListMet = true;
                ShowList(pSplit, pList, m_pEmissionView, m_pEmissionList);
            }
            else if (pList->GetValueDescriptor() == &g_vdNodeSimMovListSuper)
            {
                bListMet = true;
                ShowList(pSplit, pList, m_pMovementView, m_pMovementList);
            }
            continue;
        }
        if (GetMediator(pChild))
            continue;
        m_nRowPosition = Position(pChild->GetValueDescriptor());
        // The latitude has no row of its own: the longitude's location row shows both.
        if (pChild->GetValueDescriptor() == &g_vdMovLatitude)
            continue;
        if (pChild->GetValueDescriptor() == &g_vdMovLongitude)
        {
            values::TreeItem* pLatitude = m_pNode->GetChildValueItem(QStringLiteral("MovLatitude"));
            if (pLatitude && GetMediator(pLatitude))
                continue;
        }
        if (auto* pItem = dynamic_cast<GenericScenarioViewItem*>(CreateMediator(pChild)))
            pItem->Init(pChild);
    }
    if (!bListMet && pSplit && pSplit->GetFrequencyView())
    {
        pSplit->SetFrequencyView(nullptr);
        Release(m_pEmissionList);
        Release(m_pMovementList);
        m_pEmissionView = nullptr;
        m_pMovementView = nullptr;
    }
}

values::Mediator* GenericScenarioViewCtrl::CreateMediator(Observable* pObservable)
{
    auto* pTi = dynamic_cast<values::TreeItem*>(pObservable);
    if (!pTi)
    {
        if (ErrorHandler::Instance()->IsAssertOn())
            ErrorHandler::Instance()->_Q_assert(
                QStringLiteral("pTi"), QStringLiteral("controls/dravinelcontrols/genericscenarioviewctrl"),
                __LINE__);
        return nullptr;
    }
    if (pTi->IsNode())
        return nullptr;
    auto* pItem = new GenericScenarioViewItem(this, pTi, m_nRowPosition);
    pItem->SetAliasMap(m_pAliasMap);
    return pItem;
}

void GenericScenarioViewCtrl::NotifyDeleted(values::Mediator* pMediator)
{
    // A row went: the lists are let go and looked at afresh by the next rebuild, which reuses
    // the lower pane for a new table or removes it. Both lists are released alike.
    m_pEmissionView = nullptr;
    Release(m_pEmissionList);
    Release(m_pMovementList);
    m_pMovementView = nullptr;
    values::MediatorCtrl::NotifyDeleted(pMediator);
}

void GenericScenarioViewCtrl::Update(Observable* pObservable, TChangeCode code)
{
    if (code == values::CC_DELETING)
    {
        if (m_pEmissionList && pObservable == static_cast<Observable*>(m_pEmissionList))
        {
            Release(m_pEmissionList);
            m_pEmissionView = nullptr;
        }
        else if (m_pMovementList && pObservable == static_cast<Observable*>(m_pMovementList))
        {
            Release(m_pMovementList);
            m_pMovementView = nullptr;
        }
    }
    GenericViewCtrl::Update(pObservable, code);
}

void GenericScenarioViewCtrl::SetObserver(values::IModifyObserver* pObserver)
{
    GenericViewCtrl::SetObserver(pObserver);
    if (FrequencyView* pList = GetListView())
        pList->SetObserver(pObserver);
}

FrequencyView* GenericScenarioViewCtrl::GetListView() const
{
    auto* pSplit = GetView() ? qobject_cast<FreqScenarioViewSplit*>(GetView()->parentWidget()) : nullptr;
    return pSplit ? pSplit->GetFrequencyView() : nullptr;
}
