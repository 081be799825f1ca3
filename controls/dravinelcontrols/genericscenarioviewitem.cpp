#include "dravinelcontrols/genericscenarioviewitem.h"

#include "dravineldefinition/descriptors.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "tolveth/genericviewctrl.h"
#include "wendrisk/vccoordedit.h"
#include "wendrisk/vcnumericfloatspin.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace DravinelDefinition;

namespace
{
// The row position a layout of the form stands for.
const char* const s_pszPosition = "scenarioRowPosition";
} // namespace

GenericScenarioViewItem::GenericScenarioViewItem(GenericViewCtrl* pCtrl, values::TreeItem* pItem, int nRow)
    : GenericViewItem(pCtrl, pItem, nRow)
{
}

GenericScenarioViewItem::~GenericScenarioViewItem()
{
    delete m_pEmissionList.data();
    delete m_pUpButton.data();
    delete m_pListLayout.data();
    delete m_pButtonLayout.data();
}

void GenericScenarioViewItem::Update(Observable* pObservable, TChangeCode code)
{
    SetbModified(true);
    GenericViewItem::Update(pObservable, code);
}

void GenericScenarioViewItem::DeleteTreeItem()
{
    Detach();
    delete this;
}

void GenericScenarioViewItem::Init(values::TreeItem* pItem)
{
    values::ValueBase* pValue = pItem ? pItem->AsValue() : nullptr;
    values::Node* pParent = pItem ? pItem->GetParentNode() : nullptr;
    if (!pValue || !pParent)
        return;
    const values::ValueDescriptor* pDescriptor = pValue->GetValueDescriptor();
    if (pDescriptor == &g_vdMovLongitude || pDescriptor == &g_vdMovLatitude)
    {
        if (pParent->GetChildValue(&g_vdMovLongitude) && pParent->GetChildValue(&g_vdMovLatitude))
            AddLocation(pParent);
        return;
    }
    GenericViewItem::Init(pItem);
    Place(GetRowLayout());
    values::Node* pGrandParent = pParent->GetParentNode();
    values::Node* pEmission = pGrandParent ? pGrandParent->GetParentNode() : nullptr;
    if (pDescriptor == &g_vdFreqSendTime && pEmission && pEmission->GetValueDescriptor() == &g_vdNodeIndEm)
    {
        ++m_nRow;
        AddEmissionList(pEmission);
    }
}

void GenericScenarioViewItem::AddNumeric(values::ValueBase* pValue)
{
    const values::ValueDescriptor* pDescriptor = pValue->GetValueDescriptor();
    auto* pSpin = new VCNumericFloatSpin(GetParentWidget(), nullptr, true);
    pSpin->setAdditionalPrecision(pDescriptor && pDescriptor->Step() < 1.0 ? 3 : 0);
    pSpin->SetNumericValue(pValue);
    AddPlacedRow(CreateLabel(), pSpin);
}

void GenericScenarioViewItem::AddLocation(values::Node* pNode)
{
    auto* pEdit = new VCCoordEdit(GetParentWidget(), nullptr, 0.0, 0.0);
    pEdit->SetFormat(VCCoordEdit::FORMAT_DMS);
    pEdit->SetLongitude_ValuePath(pNode->GetChildValue(&g_vdMovLongitude)->GetPathName());
    pEdit->SetLatitude_ValuePath(pNode->GetChildValue(&g_vdMovLatitude)->GetPathName());
    AddPlacedRow(
        new QLabel(QCoreApplication::translate("GenericScenarioViewItem", "Location"), GetParentWidget()),
        pEdit);
    if (m_pCtrl)
        m_pCtrl->NotifyViewItemCreated(this);
}

void GenericScenarioViewItem::AddEmissionList(values::Node* pEmission)
{
    m_pEmissionList = new QListWidget(GetParentWidget());
    for (values::Node* pEmitter : pEmission->GetChildNodes(&g_vdNodeIndEmi))
        m_pEmissionList->addItem(pEmitter->GetName());
    m_pUpButton = new QPushButton(QStringLiteral("Up"), GetParentWidget());
    auto* pListLayout = new QHBoxLayout;
    pListLayout->setObjectName(QStringLiteral("GenLayout"));
    pListLayout->addWidget(m_pEmissionList);
    auto* pButtonLayout = new QHBoxLayout;
    pButtonLayout->setObjectName(QStringLiteral("GenLayout2"));
    pButtonLayout->addWidget(m_pUpButton);
    m_pListLayout = pListLayout;
    m_pButtonLayout = pButtonLayout;
    Place(pButtonLayout);
    Place(pListLayout);
    m_pUpButton->show();
    m_pEmissionList->show();
}

void GenericScenarioViewItem::AddPlacedRow(QLabel* pLabel, QWidget* pEditor)
{
    AddRow(pLabel, pEditor);
    // The editor keeps to the left of its column.
    if (QLayout* pRow = GetRowLayout())
    {
        if (QLayout* pGrid = pRow->itemAt(0) ? pRow->itemAt(0)->layout() : nullptr)
            pGrid->setAlignment(pEditor, Qt::AlignLeft);
    }
    Place(GetRowLayout());
}

void GenericScenarioViewItem::Place(QLayout* pLayout)
{
    QVBoxLayout* pForm = m_pCtrl ? m_pCtrl->GetLayout() : nullptr;
    if (!pForm || !pLayout)
        return;
    pLayout->setProperty(s_pszPosition, m_nRow);
    if (pLayout->parent() == pForm)
    {
        pForm->removeItem(pLayout);
        pLayout->setParent(nullptr); // insertLayout adopts only layouts without a parent
    }
    // After every row of the same or a lower position: rows of one position keep the order in
    // which they were made.
    int nIndex = pForm->count();
    for (int i = 0; i < pForm->count(); ++i)
    {
        QLayout* pOther = pForm->itemAt(i)->layout();
        const QVariant position = pOther ? pOther->property(s_pszPosition) : QVariant();
        if (position.isValid() && position.toInt() > m_nRow)
        {
            nIndex = i;
            break;
        }
    }
    pForm->insertLayout(nIndex, pLayout);
}

QListWidget* GenericScenarioViewItem::GetEmissionList() const
{
    return m_pEmissionList;
}
