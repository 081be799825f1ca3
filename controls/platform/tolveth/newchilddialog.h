#pragma once

#include "tolveth/newchilddialogbase.h"

#include <list>
#include <vector>

namespace values
{
class ValueDescriptor;
}

// Offers descriptors by their display names (the alias of the name an item of the type
// gets) and emits SignalNewChild for the one chosen with "&Ok". Without descriptors "&Ok"
// is disabled.
class NewChildDialog : public NewChildDialogBase
{
    Q_OBJECT

public:
    NewChildDialog(QWidget* pParent, const std::list<const values::ValueDescriptor*>& lstDescriptors,
                   IAliasMap* pAliasMap);

    // The descriptor of the combo box's current entry, or null.
    const values::ValueDescriptor* GetCurrentDescriptor() const;

signals:
    void SignalNewChild(const values::ValueDescriptor* pDescriptor);

public slots:
    void SlotOk() override;

private:
    std::vector<const values::ValueDescriptor*> m_vecDescriptors; // by combo box index
};
