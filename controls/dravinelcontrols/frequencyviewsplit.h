#pragma once

#include "dravinelcontrols/frequencyviewsplitctrl.h"
#include "tolveth/treeeditforwarder.h"

#include <QSplitter>

class FrequencyView;
class ParameterView;

// The frequency list editor with the parameters of its current frequency definition: the
// frequency table above, a parameter area below that shows the parameter editor of the
// definition in the current row. The editor interfaces go to the controller, created on the
// first Init and owned.
class FrequencyViewSplit : public QSplitter, public TreeEditForwarder<FrequencyViewSplitCtrl>
{
    Q_OBJECT

public:
    FrequencyViewSplit(QWidget* pParent, QString sName);
    ~FrequencyViewSplit() override;

    // AliasMapClient: also handed to the frequency view and an existing controller.
    void SetAliasMap(IAliasMap* pAliasMap) override;

    FrequencyView* GetFrequencyView() const { return m_pFrequencyView; }
    // Null while no parameters are shown.
    ParameterView* GetParameterView() const { return m_pParameterView; }
    QWidget* GetParameterViewArea() const { return m_pParameterArea; }
    void SetParameterView(ParameterView* pView) { m_pParameterView = pView; }

protected:
    // The controller drives the frequency view of this split view.
    FrequencyViewSplitCtrl* MakeCtrl() override;

private:
    FrequencyView* m_pFrequencyView;
    ParameterView* m_pParameterView = nullptr;
    QWidget* m_pParameterArea;
};
