#pragma once

class QWidget;

namespace values
{
class IModifyObserver;
class Node;
} // namespace values

// Factories of the parameter editor and of the frequency list with its parameter pane, in the
// form the studio's editor registry takes. Each editor reports its modifications to pObserver
// (null allowed) and belongs to pParent.
//
// CreateParameterEditor takes a parameter set or any node that owns one (a device, a job, a
// control set, a frequency definition); an owner without a set gets one as soon as a group is
// created or pasted. The parameters of emissions, emitters and movements are scenario
// parameters: their groups show as scenario forms with their emission or movement tables. CreateFrequencySplitEditor takes a frequency-definitions node.
QWidget* CreateParameterEditor(values::Node* pParNode, QWidget* pParent, values::IModifyObserver* pObserver);
QWidget* CreateFrequencySplitEditor(values::Node* pFdsNode, QWidget* pParent,
                                    values::IModifyObserver* pObserver);
