#include "dravinelcontrols/scenariotableitem.h"

#include "dravinelcontrols/scenarioadapters.h"
#include "dravineldefinition/descriptors.h"
#include "kvbase/coord.h"
#include "oskevo/changecodes.h"
#include "oskevo/node.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "tolveth/vcfactory.h"
#include "wendrisk/vccoordedit.h"
#include "wendrisk/vcnumericfloatspin.h"

#include <QTableWidget>

using DravinelDefinition::LocationAdapter;

ScenarioTableItem::ScenarioTableItem(values::Node* pNode, values::ValueBase* pValue, QTableWidget* pTable,
                                     QAbstractItemView::EditTriggers triggers, const QString& sText)
    : TableItem(pValue, pTable, sText), m_pNode(pNode)
{
    if (pTable)
        pTable->setEditTriggers(triggers);
    Text(pValue);
    if (IsLocation())
    {
        m_pLongitude = LocationAdapter(m_pNode).LocLongitude();
        if (m_pLongitude)
            m_pLongitude->AddObserver(this);
    }
}

ScenarioTableItem::~ScenarioTableItem()
{
    if (m_pLongitude)
        m_pLongitude->DeleteObserver(this);
}

bool ScenarioTableItem::IsLocation() const
{
    return GetValue() && GetValue()->GetValueDescriptor() == &DravinelDefinition::g_vdMovListLatitude;
}

void ScenarioTableItem::Text(values::ValueBase* pValue)
{
    if (IsCovered() || !pValue || dynamic_cast<values::Value<bool>*>(pValue))
    {
        TableItem::Text(pValue);
        return;
    }
    auto* pDouble = dynamic_cast<values::ValueNumeric<double>*>(pValue);
    if (!pDouble)
    {
        setText(pValue->GetAsString());
        return;
    }
    const values::ValueDescriptor* pDescriptor = pValue->GetValueDescriptor();
    if (pDescriptor == &DravinelDefinition::g_vdMovListLatitude ||
        pDescriptor == &DravinelDefinition::g_vdMovListLongitude)
    {
        const LocationAdapter location(m_pNode);
        values::ValueNumeric<double>* pLatitude = location.LocLatitude();
        values::ValueNumeric<double>* pLongitude = location.LocLongitude();
        setText(Coord(pLongitude ? pLongitude->GetValue() : 0.0, pLatitude ? pLatitude->GetValue() : 0.0)
                    .GetText(Coord::FORMAT_DMS));
        return;
    }
    QString sText;
    sText.setNum(pDouble->GetValue(), 'f', 0);
    if (pDescriptor && !pDescriptor->Unit().isEmpty())
        sText +=
            QLatin1Char(' ') + values::ValueDescriptor::Basis(pDescriptor->Basis()) + pDescriptor->Unit();
    setText(sText);
}

QWidget* ScenarioTableItem::createEditor() const
{
    values::ValueBase* pValue = GetValue();
    if (!pValue || !GetTable())
        return nullptr;
    QWidget* pViewport = GetTable()->viewport();
    const QString sPath = pValue->GetPathName();
    if (!IsLocation())
    {
        if (dynamic_cast<values::ValueNumeric<double>*>(pValue))
        {
            auto* pSpin = new VCNumericFloatSpin(pViewport, nullptr, true);
            pSpin->SetNumeric_ValuePath(sPath);
            return pSpin;
        }
        return VCFactory::Create(pValue, pViewport);
    }
    // The longitude sits beside the latitude; the one followed, if any, gives its exact path.
    QString sLongitudePath = sPath;
    sLongitudePath.replace(pValue->GetName(), QStringLiteral("MovListLongitude"));
    if (m_pLongitude)
        sLongitudePath = m_pLongitude->GetPathName();
    auto* pEdit = new VCCoordEdit(pViewport, nullptr, 0.0, 0.0);
    pEdit->SetFormat(Coord::FORMAT_DMS); // the editor shows what the cell showed
    pEdit->SetLatitude_ValuePath(sPath);
    pEdit->SetLongitude_ValuePath(sLongitudePath);
    return pEdit;
}

void ScenarioTableItem::setContentFromEditor(QWidget* /*pEditor*/)
{
}

void ScenarioTableItem::Update(Observable* pObservable, TChangeCode code)
{
    if (m_pLongitude && pObservable == static_cast<Observable*>(m_pLongitude))
    {
        if (code == values::CC_STATE)
        {
            if (m_pLongitude->GetState() == values::VS_DELETE)
            {
                // The longitude is going away: the location keeps its last text.
                m_pLongitude->DeleteObserver(this);
                m_pLongitude = nullptr;
            }
            return;
        }
        SetbModified(true);
        if (code == values::CC_VALUE)
            Text(m_pLongitude);
        return;
    }
    TableItem::Update(pObservable, code);
}
