#pragma once

#include "tolveth/newchilddialogbase.h"

namespace values
{
class ValueSelection;
}

// Lets the operator pick the type of a new standard device: the known device types under
// their display names, the first preselected. OK reports the type's key.
class NewDeviceDialog : public NewChildDialogBase
{
    Q_OBJECT

public:
    NewDeviceDialog(QWidget* pParent, const values::ValueSelection& deviceTypes, IAliasMap* pAliasMap);

signals:
    void SignalNewDevice(int iType);

public slots:
    void SlotOk() override;

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    const values::ValueSelection* m_pDeviceTypes;
};
