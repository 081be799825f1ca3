#include "dravinelcontrols/tableitem.h"

#include "kvbase/errorhandler.h"
#include "oskevo/changecodes.h"
#include "oskevo/value.h"
#include "oskevo/valuedescriptor.h"
#include "oskevo/valuenumeric.h"
#include "tolveth/vcfactory.h"
#include "wendrisk/vclineedit.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QTableWidget>
#include <cmath>

namespace
{
const char* const s_xpmUnchecked[] = {
    "12 12 4 1",    "a c #404040",  ". c #808080",  "c c #d4d0c8",  "b c #e9e5dc",  "............",
    ".aaaaaaaaaab", ".acccccccccb", ".acccccccccb", ".acccccccccb", ".acccccccccb", ".acccccccccb",
    ".acccccccccb", ".acccccccccb", ".acccccccccb", ".acccccccccb", ".bbbbbbbbbbb"};

const char* const s_xpmChecked[] = {
    "12 12 5 1",    "a c #404040",  ". c #808080",  "c c #d4d0c8",  "b c #e9e5dc",  "d c #000000",
    "............", ".aaaaaaaaaab", ".acccccccccb", ".acccccccdcb", ".accccccddcb", ".acdcccdddcb",
    ".acddcdddccb", ".acdddddcccb", ".accdddccccb", ".acccdcccccb", ".acccccccccb", ".bbbbbbbbbbb"};

values::ValueNumeric<double>* AsDouble(values::ValueBase* pValue)
{
    return dynamic_cast<values::ValueNumeric<double>*>(pValue);
}
} // namespace

TableItem::TableItem(values::ValueBase* pValue, QTableWidget* pTable, const QString& sText)
    : QObject(), QTableWidgetItem(sText, QTableWidgetItem::Type), m_pValue(pValue), m_bModified(false),
      m_bCovered(false), m_pTable(pTable)
{
    m_pValue->AddObserver(this);
}

TableItem::~TableItem()
{
    if (m_pValue)
    {
        m_pValue->DeleteObserver(this);
        m_pValue = nullptr;
    }
}

void TableItem::Text(values::ValueBase* pValue)
{
    if (m_bCovered)
    {
        setText(QString());
        return;
    }
    if (!pValue)
        return;
    if (auto* pBool = dynamic_cast<values::Value<bool>*>(pValue))
    {
        setText(pBool->GetValue() ? QStringLiteral("YES") : QStringLiteral("NO"));
        setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        return;
    }
    QString sText = pValue->GetAsString();
    if (auto* pDouble = AsDouble(pValue))
    {
        // Frequencies are held in hertz and shown in megahertz, whatever the unit.
        sText.setNum(pDouble->GetValue() * std::pow(1000.0, -2), 'f', 6);
        sText += QStringLiteral(" M") + values::g_sHz;
    }
    setText(sText);
}

void TableItem::SetbCovered(bool bCovered, bool bRefresh)
{
    m_bCovered = bCovered;
    if (bRefresh)
        Text(m_pValue);
}

QWidget* TableItem::createEditor() const
{
    if (!m_pValue || !m_pTable)
        return nullptr;
    QWidget* pViewport = m_pTable->viewport();
    if (!AsDouble(m_pValue))
    {
        QWidget* pEditor = VCFactory::Create(m_pValue, pViewport);
        if (pEditor)
            pEditor->setDisabled(false);
        return pEditor;
    }
    const values::ValueDescriptor* pDescriptor = m_pValue->GetValueDescriptor();
    if (pDescriptor && pDescriptor->Unit() == values::g_sHz)
    {
        VCLineEdit* pEdit = new VCLineEdit(pViewport, "", VCLineEdit::TYPE_FREQUENCY);
        pEdit->SetValueBase(m_pValue);
        pEdit->setReadOnly(false);
        pEdit->setEnabled(true);
        return pEdit;
    }
    // Other floating-point values cannot be edited in place.
    return nullptr;
}

void TableItem::setContentFromEditor(QWidget*)
{
    // The editors write their value themselves.
}

void TableItem::paint(QPainter* pPainter, const QRect& rect, bool bSelected)
{
    auto* pBool = dynamic_cast<values::Value<bool>*>(m_pValue);
    if (!pBool)
    {
        if (QTableWidget* pTable = tableWidget())
            pTable->update();
        return;
    }
    const QPalette palette;
    pPainter->fillRect(0, 0, rect.width(), rect.height(),
                       palette.brush(bSelected ? QPalette::Highlight : QPalette::Base));
    const QPixmap pixmap(pBool->GetValue() ? s_xpmChecked : s_xpmUnchecked);
    pPainter->drawPixmap((rect.width() - pixmap.width()) / 2, (rect.height() - pixmap.height()) / 2, pixmap);
    pPainter->setPen(palette.color(bSelected ? QPalette::HighlightedText : QPalette::Text));
}

void TableItem::Update(Observable* pObservable, TChangeCode code)
{
    if (code == values::CC_STATE && m_pValue && pObservable == static_cast<Observable*>(m_pValue))
    {
        if (m_pValue->GetState() == values::VS_DELETE)
        {
            // The value is going away: let go of it, keep the text.
            m_pValue->DeleteObserver(this);
            m_pValue = nullptr;
        }
        return;
    }

    SetbModified(true);

    auto* pValue = dynamic_cast<values::ValueBase*>(pObservable);
    if (code == values::CC_STATE)
    {
        if (ErrorHandler::Instance()->IsAssertOn() && pValue && pValue->GetState() == values::VS_DELETE)
        {
            ErrorHandler::Instance()->_Q_assert(
                QStringLiteral("dynamic_cast<values::ValueBase*>(pValue)->GetState() != VS_DELETE"),
                QStringLiteral("controls/dravinelcontrols/tableitem"), 229);
        }
    }
    else if (code == values::CC_VALUE)
    {
        Text(pValue);
    }
}

void TableItem::SetObserver(values::IModifyObserver* pObserver)
{
    m_pModifyObserver = pObserver;
}

bool TableItem::IsModified()
{
    return m_bModified;
}

void TableItem::SetbModified(bool bModified)
{
    m_bModified = bModified;
    if (m_pModifyObserver)
        m_pModifyObserver->NotifyModified(bModified);
}
