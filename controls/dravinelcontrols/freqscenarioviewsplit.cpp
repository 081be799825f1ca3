#include "dravinelcontrols/freqscenarioviewsplit.h"

#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/genericscenarioview.h"

FreqScenarioViewSplit::FreqScenarioViewSplit(QWidget* pParent) : QSplitter(Qt::Vertical, pParent)
{
    m_pGenericScenarioView = new GenericScenarioView(this, QString());
}

void FreqScenarioViewSplit::SetGenericScenarioView(GenericScenarioView* pView)
{
    m_pGenericScenarioView = pView;
}

GenericScenarioView* FreqScenarioViewSplit::GetGenericScenarioView()
{
    return m_pGenericScenarioView;
}

void FreqScenarioViewSplit::SetFrequencyView(FrequencyView* pView)
{
    if (m_pFrequencyView != pView)
        delete m_pFrequencyView.data();
    m_pFrequencyView = pView;
    if (pView && indexOf(pView) < 0)
        addWidget(pView);
    const int nHalf = width() / 2;
    setSizes({nHalf, nHalf});
}

FrequencyView* FreqScenarioViewSplit::GetFrequencyView()
{
    return m_pFrequencyView;
}
