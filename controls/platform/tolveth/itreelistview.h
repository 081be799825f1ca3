#pragma once

#include "tolveth/itreeedit.h"

class QWidget;

// An editor that shows a list (tree) of nodes beside their displays.
class ITreeListView : public ITreeEdit
{
public:
    virtual QWidget* GetListView() = 0;
    virtual QWidget* WidgetCast() = 0;
};
