#include "newdevicedialog.h"

#include "oskevo/valueselection.h"
#include "tolveth/alias.h"

#include <QCloseEvent>
#include <QComboBox>

NewDeviceDialog::NewDeviceDialog(QWidget* pParent, const values::ValueSelection& deviceTypes,
                                 IAliasMap* pAliasMap)
    : NewChildDialogBase(pParent, pAliasMap), m_pDeviceTypes(&deviceTypes)
{
    for (int nIndex = 0; nIndex < deviceTypes.GetCount(); ++nIndex)
        m_pCombo->insertItem(nIndex, Alias::Lookup(deviceTypes.GetItem(nIndex).GetName(), pAliasMap),
                             QVariant());
    m_pCombo->setCurrentIndex(0);
}

void NewDeviceDialog::SlotOk()
{
    const int nIndex = m_pCombo->currentIndex();
    if (nIndex < 0 || nIndex >= m_pDeviceTypes->GetCount())
    {
        // No type to create: the dialog ends like a cancel.
        done(-1);
        return;
    }
    emit SignalNewDevice(m_pDeviceTypes->GetItem(nIndex).GetKey());
    done(m_pDeviceTypes->GetItem(m_pCombo->currentIndex()).GetKey());
}

void NewDeviceDialog::closeEvent(QCloseEvent* pEvent)
{
    done(-1);
    QWidget::closeEvent(pEvent);
}
