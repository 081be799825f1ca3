#include "dravinelcontrols/jobdialog.h"

#include "dravinelcontrols/dravinelicons.h"
#include "dravinelcontrols/dravinelviewctrl.h"
#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewsplit.h"
#include "dravinelcontrols/tvifds.h"
#include "dravineldefinition/devicetypes.h"
#include "kvbase/errorhandler.h"
#include "tolveth/treeviewbasectrl.h"
#include "tolveth/treeviewsplit.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString s_sSource = QStringLiteral("dravinelcontrols/jobdialog");

void Assert(bool bCondition, const char* pszExpression, int nLine)
{
    if (!bCondition && ErrorHandler::Instance()->IsAssertOn())
        ErrorHandler::Instance()->_Q_assert(QString::fromLatin1(pszExpression), s_sSource, nLine);
}

} // namespace

JobDialog::JobDialog(values::Node* pDcd, values::IModifyObserver* pObserver, const QRect& rGeometry,
                     bool bHideStartButtons, unsigned int uDeviceType, bool bFfm, bool bSearch, bool bScan)
    : QDialog(nullptr, Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_pDcd(pDcd)
{
    setObjectName(QStringLiteral("JobDialog"));
    setModal(true);
    setGeometry(rGeometry);
    setSizeGripEnabled(true);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    policy.setHeightForWidth(sizePolicy().hasHeightForWidth());
    setSizePolicy(policy);

    auto* pLayout = new QVBoxLayout(this);
    m_pTreeView = new TreeViewSplit(this, false);
    new DravinelViewCtrl(static_cast<ITreeListView*>(m_pTreeView)); // the view owns it
    m_pTreeView->SetAliasMap(&m_aliasMap);
    m_pTreeView->resize(rGeometry.size());
    m_pTreeView->Init(m_pDcd);
    m_pTreeView->SetObserver(pObserver);
    pLayout->addWidget(m_pTreeView);
    SelectSingleFds();

    // The DF receiver's button row has the larger pictures of its own panels.
    const bool bLarge = uDeviceType == DravinelDefinition::DEVICETYPE_DF_RECEIVER;
    auto* pButtons = new QHBoxLayout;
    auto addStartButton = [&](const char* pszName, const char* const* ppXpm, const QString& sToolTip,
                              void (JobDialog::*pSlot)())
    {
        auto* pButton = new QPushButton(this);
        pButton->setObjectName(QLatin1String(pszName));
        pButton->setIcon(QPixmap(ppXpm));
        pButton->setToolTip(sToolTip);
        connect(pButton, &QPushButton::clicked, this, pSlot);
        pButton->setFixedWidth(pButton->sizeHint().height());
        pButtons->addWidget(pButton);
    };
    if (!bHideStartButtons && bFfm)
        addStartButton("FfmButton", bLarge ? DravinelIcons::FfmButtonLarge() : DravinelIcons::FfmButton(),
                       tr("Start Fixed Frequency Mode"), &JobDialog::SlotFfm);
    if (!bHideStartButtons && bSearch)
        addStartButton("SearchButton",
                       bLarge ? DravinelIcons::SearchButtonLarge() : DravinelIcons::SearchButton(),
                       tr("Start as Search Job"), &JobDialog::SlotSearch);
    if (!bHideStartButtons && bScan)
        addStartButton("ScanButton", bLarge ? DravinelIcons::ScanButtonLarge() : DravinelIcons::ScanButton(),
                       tr("Start as Scan Job"), &JobDialog::SlotScan);
    pButtons->addStretch();
    auto* pOk = new QPushButton(tr("&Ok"), this);
    pOk->setObjectName(QStringLiteral("OkButton"));
    pOk->setFixedWidth(80);
    connect(pOk, &QPushButton::clicked, this, &JobDialog::SlotOk);
    pButtons->addWidget(pOk);
    auto* pCancel = new QPushButton(tr("&Cancel"), this);
    pCancel->setObjectName(QStringLiteral("CancelButton"));
    pCancel->setFixedWidth(80);
    connect(pCancel, &QPushButton::clicked, this, &JobDialog::SlotCancel);
    pButtons->addWidget(pCancel);
    pLayout->addLayout(pButtons);
    pOk->setFocus();
}

JobDialog::~JobDialog()
{
    // The alias map dies before the tree view, which must not ask it any more.
    m_pTreeView->SetAliasMap(nullptr);
}

void JobDialog::SelectSingleFds()
{
    TreeViewBaseCtrl* pCtrl = m_pTreeView->GetTreeViewCtrl();
    Assert(pCtrl, "pCtrl", __LINE__);
    if (pCtrl && !dynamic_cast<TviFds*>(pCtrl->CurrentTvi()))
        pCtrl->SelectSingleFds();
}

void JobDialog::RetrieveCurrentFd()
{
    m_pCurrentFd = nullptr;
    TreeViewBaseCtrl* pCtrl = m_pTreeView->GetTreeViewCtrl();
    Assert(pCtrl, "pCtrl", __LINE__);
    auto* pTvi = pCtrl ? dynamic_cast<TviFds*>(pCtrl->CurrentTvi()) : nullptr;
    if (!pTvi || !pTvi->GetDisplay())
        return;
    auto* pFreqViewSplit = qobject_cast<FrequencyViewSplit*>(pTvi->GetDisplay());
    Assert(pFreqViewSplit, "pFreqViewSplit", __LINE__);
    FrequencyView* pFreqView = pFreqViewSplit ? pFreqViewSplit->GetFrequencyView() : nullptr;
    Assert(pFreqView, "pFreqView", __LINE__);
    if (pFreqView)
        m_pCurrentFd = pFreqView->GetCurrentFd();
}

void JobDialog::SlotFfm()
{
    RetrieveCurrentFd();
    if (m_pCurrentFd)
    {
        done(RESULT_FFM);
        return;
    }
    QMessageBox::information(this, tr("Information"),
                             tr("For starting the FFM mode, a frequency has to be selected."),
                             QMessageBox::Ok);
}

void JobDialog::SlotSearch()
{
    done(RESULT_SEARCH);
}

void JobDialog::SlotScan()
{
    done(RESULT_SCAN);
}

void JobDialog::SlotOk()
{
    done(RESULT_OK);
}

void JobDialog::SlotCancel()
{
    done(RESULT_CANCEL);
}
