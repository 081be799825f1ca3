#pragma once

#include <QPointer>
#include <QSplitter>

class FrequencyView;
class GenericScenarioView;

// A scenario group's editor: the group's form above and, when the group has an emission list
// or a movement, its table below. The form's controller fills and empties the lower pane.
class FreqScenarioViewSplit : public QSplitter
{
    Q_OBJECT

public:
    explicit FreqScenarioViewSplit(QWidget* pParent);

    // Does not delete the previous form.
    virtual void SetGenericScenarioView(GenericScenarioView* pView);
    virtual GenericScenarioView* GetGenericScenarioView();
    // Deletes the previous lower view and takes pView (null: no lower pane); both panes then
    // get half of the splitter's width.
    virtual void SetFrequencyView(FrequencyView* pView);
    virtual FrequencyView* GetFrequencyView();

private:
    GenericScenarioView* m_pGenericScenarioView;
    QPointer<FrequencyView> m_pFrequencyView;
};
