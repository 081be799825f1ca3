#include "tolveth/genericview.h"

#include "tolveth/genericviewctrl.h"

#include <QScrollArea>
#include <QVBoxLayout>

GenericView::GenericView(QWidget* pParent, QString sName) : QWidget(pParent)
{
    setObjectName(sName);
    // Nodes with many values need more room than a display area has: the rows scroll.
    QVBoxLayout* pOuter = new QVBoxLayout(this);
    pOuter->setContentsMargins(0, 0, 0, 0);
    QScrollArea* pScroll = new QScrollArea(this);
    pScroll->setObjectName(QStringLiteral("GenericViewScroll"));
    pScroll->setFrameShape(QFrame::NoFrame);
    pScroll->setWidgetResizable(true);
    pOuter->addWidget(pScroll);
    QWidget* pContent = new QWidget;
    pContent->setObjectName(QStringLiteral("GenericViewContent"));
    m_pFormLayout = new QVBoxLayout(pContent);
    m_pFormLayout->setObjectName(QStringLiteral("GenericViewLayout"));
    // Rows stay together at the top however high the display area is.
    m_pFormLayout->setAlignment(Qt::AlignTop);
    pScroll->setWidget(pContent);
}

GenericView::~GenericView()
{
    // The rows own widgets that are children of this view: let them go while it is whole.
    DeleteCtrl();
}

GenericViewCtrl* GenericView::MakeCtrl()
{
    return new GenericViewCtrl(this);
}
