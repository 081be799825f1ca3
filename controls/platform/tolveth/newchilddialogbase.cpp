#include "tolveth/newchilddialogbase.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

NewChildDialogBase::NewChildDialogBase(QWidget* pParent, IAliasMap* pAliasMap)
    : QDialog(pParent), m_pCombo(new QComboBox(this)), m_pOk(new QPushButton(tr("&Ok"), this)),
      m_pCancel(new QPushButton(tr("&Cancel"), this))
{
    SetAliasMap(pAliasMap);
    setObjectName(QStringLiteral("NewChildDialog"));
    setWindowTitle(tr("New"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    m_pCombo->setObjectName(QStringLiteral("ChildTypeCombo"));
    m_pOk->setObjectName(QStringLiteral("OkButton"));
    m_pCancel->setObjectName(QStringLiteral("CancelButton"));
    m_pOk->setDefault(true);

    QLabel* pLabel = new QLabel(tr("&Type:"), this);
    pLabel->setBuddy(m_pCombo);
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    QHBoxLayout* pRow = new QHBoxLayout;
    pRow->addWidget(pLabel);
    pRow->addWidget(m_pCombo, 1);
    pLayout->addLayout(pRow);
    QHBoxLayout* pButtons = new QHBoxLayout;
    pButtons->addStretch(1);
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(m_pCancel);
    pLayout->addLayout(pButtons);

    connect(m_pOk, SIGNAL(clicked()), this, SLOT(SlotOk()));
    connect(m_pCancel, SIGNAL(clicked()), this, SLOT(SlotCancel()));
}

void NewChildDialogBase::SlotOk()
{
    accept();
}

void NewChildDialogBase::SlotCancel()
{
    reject();
}
