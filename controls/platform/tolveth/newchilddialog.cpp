#include "tolveth/newchilddialog.h"

#include "oskevo/valuedescriptor.h"

#include <QComboBox>
#include <QPushButton>

NewChildDialog::NewChildDialog(QWidget* pParent,
                               const std::list<const values::ValueDescriptor*>& lstDescriptors,
                               IAliasMap* pAliasMap)
    : NewChildDialogBase(pParent, pAliasMap)
{
    for (const values::ValueDescriptor* pDescriptor : lstDescriptors)
    {
        if (!pDescriptor)
            continue;
        m_vecDescriptors.push_back(pDescriptor);
        m_pCombo->addItem(Alias(pDescriptor->DefaultItemName()));
    }
    m_pOk->setEnabled(!m_vecDescriptors.empty());
}

const values::ValueDescriptor* NewChildDialog::GetCurrentDescriptor() const
{
    const int nIndex = m_pCombo->currentIndex();
    return nIndex >= 0 && nIndex < int(m_vecDescriptors.size()) ? m_vecDescriptors[size_t(nIndex)] : nullptr;
}

void NewChildDialog::SlotOk()
{
    const values::ValueDescriptor* pDescriptor = GetCurrentDescriptor();
    if (!pDescriptor)
        return; // nothing to choose: the dialog stays until cancelled
    // Close first: a receiver that opens another dialog finds this one gone.
    NewChildDialogBase::SlotOk();
    emit SignalNewChild(pDescriptor);
}
