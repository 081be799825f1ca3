#pragma once

class QWidget;

namespace values
{
class IModifyObserver;
class Node;
} // namespace values

// Embeds the frequency list editor in the studio: a FrequencyView over a frequency-definitions
// node, reporting every edit to the studio's modification observer (which may be null). The
// widget belongs to parent; a null node gives an empty editor that can be loaded later.
QWidget* CreateFrequencyEditor(values::Node* fdsNode, QWidget* parent, values::IModifyObserver* observer);
