#pragma once

#include "tolveth/aliasmapclient.h"

#include <QDialog>

class QComboBox;
class QPushButton;

// A small modeless dialog to choose what to create: a combo box with "&Ok" and "&Cancel".
// It deletes itself when closed. Derived dialogs fill the combo box and act in SlotOk.
class NewChildDialogBase : public QDialog, public AliasMapClient
{
    Q_OBJECT

public:
    NewChildDialogBase(QWidget* pParent, IAliasMap* pAliasMap);

    QComboBox* GetComboBox() const { return m_pCombo; }
    QPushButton* GetOkButton() const { return m_pOk; }

public slots:
    // Accepts the choice and closes the dialog.
    virtual void SlotOk();
    // Closes the dialog without a choice.
    virtual void SlotCancel();

protected:
    QComboBox* m_pCombo;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
};
