#include "tolveth/genericviewitem.h"

#include "oskevo/changecodes.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "oskevo/valueselection.h"
#include "tolveth/genericview.h"
#include "tolveth/genericviewctrl.h"
#include "tolveth/tooltip.h"
#include "tolveth/vcfactory.h"
#include "wendrisk/vccombobool.h"
#include "wendrisk/vccombosel.h"
#include "wendrisk/vcdatetimeedit.h"
#include "wendrisk/vclineedit.h"
#include "wendrisk/vcnumericfloatspin.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

GenericViewItem::GenericViewItem(GenericViewCtrl* pCtrl, values::TreeItem* pItem, int nRow)
    : values::TreeItemMediator(pCtrl, pItem), m_pCtrl(pCtrl), m_nRow(nRow)
{
}

GenericViewItem::~GenericViewItem()
{
    if (m_pCtrl && !m_pCtrl->IsDestructing() && m_pRowLayout)
        m_pCtrl->NotifyViewItemDeleted(this);
    delete m_pEditor;
    delete m_pLabel;
    delete m_pRowLayout; // leaves the form layout
}

void GenericViewItem::Update(Observable* pObservable, TChangeCode code)
{
    if (code == values::CC_VALUE || code == values::CC_MODIFIED || code == values::CC_NAME)
    {
        if (code == values::CC_NAME && m_pLabel)
            m_pLabel->setText(GetLabelText());
        SetbModified(true);
    }
    // Deletes this row when the value goes.
    values::TreeItemMediator::Update(pObservable, code);
}

void GenericViewItem::Init(values::TreeItem* pItem)
{
    values::ValueBase* pValue = pItem ? pItem->AsValue() : nullptr;
    if (!pValue)
        return;
    if (dynamic_cast<values::ValueBool*>(pValue))
        AddComboBool(pValue);
    else if (dynamic_cast<values::ValueSelection*>(pValue))
        AddComboSel(pValue);
    else if (VCFactory::IsDateTime(pValue))
        AddDateTimeEdit(pValue);
    else if (dynamic_cast<values::ValueDouble*>(pValue))
        AddNumeric(pValue);
    else
        AddEdit(pValue);
    if (m_pCtrl)
        m_pCtrl->NotifyViewItemCreated(this);
}

void GenericViewItem::AddComboBool(values::ValueBase* pValue)
{
    VCComboBool* pCombo = new VCComboBool(GetParentWidget());
    pCombo->SetValueBool(pValue);
    AddRow(CreateLabel(), pCombo);
}

void GenericViewItem::AddEdit(values::ValueBase* pValue)
{
    AddRow(CreateLabel(), VCFactory::Create(pValue, GetParentWidget()));
}

void GenericViewItem::AddNumeric(values::ValueBase* pValue)
{
    AddNumericFloat(pValue);
}

void GenericViewItem::AddComboSel(values::ValueBase* pValue)
{
    VCComboSel* pCombo = new VCComboSel(GetParentWidget());
    pCombo->SetValueSel(pValue);
    AddRow(CreateLabel(), pCombo);
}

void GenericViewItem::AddDateTimeEdit(values::ValueBase* pValue)
{
    VCDateTimeEdit* pEdit = new VCDateTimeEdit(GetParentWidget());
    pEdit->SetValueDateTime(pValue);
    AddRow(CreateLabel(), pEdit);
}

void GenericViewItem::AddNumericFloat(values::ValueBase* pValue)
{
    const values::ValueDescriptor* pDescriptor = pValue->GetValueDescriptor();
    QWidget* pEditor = nullptr;
    if (pDescriptor && pDescriptor->Unit() == values::g_sHz)
    {
        VCLineEdit* pEdit = new VCLineEdit(GetParentWidget(), nullptr, VCLineEdit::TYPE_FREQUENCY);
        pEdit->SetValueBase(pValue);
        pEditor = pEdit;
    }
    else
    {
        // The label carries the unit already.
        VCNumericFloatSpin* pSpin = new VCNumericFloatSpin(GetParentWidget(), nullptr, false);
        pSpin->SetNumericValue(pValue);
        pEditor = pSpin;
    }
    AddRow(CreateLabel(), pEditor);
}

void GenericViewItem::SetAliasMap(IAliasMap* pAliasMap)
{
    AliasMapClient::SetAliasMap(pAliasMap);
    if (m_pLabel)
        m_pLabel->setText(GetLabelText());
}

QString GenericViewItem::GetLabelText() const
{
    values::TreeItem* pItem = GetTreeItem();
    if (!pItem)
        return QString();
    QString sText = Alias(pItem->GetName());
    const values::ValueDescriptor* pDescriptor = pItem->GetValueDescriptor();
    if (pDescriptor && !pDescriptor->Unit().isEmpty() && !VCFactory::IsDateTime(pItem->AsValue()))
        sText += QStringLiteral(" [") + values::ValueDescriptor::Basis(pDescriptor->Basis()) +
                 pDescriptor->Unit() + QLatin1Char(']');
    return sText;
}

QLabel* GenericViewItem::CreateLabel()
{
    QLabel* pLabel = new QLabel(GetLabelText(), GetParentWidget());
    values::TreeItem* pItem = GetTreeItem();
    if (pItem)
        pLabel->setToolTip(Tooltip::Retrieve(pItem->GetValueDescriptor()));
    return pLabel;
}

QWidget* GenericViewItem::GetParentWidget() const
{
    return m_pCtrl ? m_pCtrl->GetView() : nullptr;
}

void GenericViewItem::AddRow(QLabel* pLabel, QWidget* pEditor)
{
    values::TreeItem* pItem = GetTreeItem();
    m_pLabel = pLabel;
    m_pEditor = pEditor;
    if (pEditor && pItem)
    {
        pEditor->setObjectName(pItem->GetName());
        pEditor->setToolTip(Tooltip::Retrieve(pItem->GetValueDescriptor()));
    }
    if (pLabel && pEditor)
        pLabel->setBuddy(pEditor);

    QHBoxLayout* pRow = new QHBoxLayout;
    QGridLayout* pGrid = new QGridLayout;
    pGrid->setColumnMinimumWidth(0, s_nColumnWidth);
    pGrid->setColumnMinimumWidth(1, s_nColumnWidth);
    if (pLabel)
        pGrid->addWidget(pLabel, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    if (pEditor)
        pGrid->addWidget(pEditor, 0, 1);
    pRow->addLayout(pGrid);
    m_pRowLayout = pRow;

    QVBoxLayout* pForm = m_pCtrl ? m_pCtrl->GetLayout() : nullptr;
    if (pForm)
        pForm->addLayout(pRow);
    if (pLabel)
        pLabel->show();
    if (pEditor)
        pEditor->show();
}
