#pragma once

#include "tvistdnode.h"

#include <memory>

namespace DravinelDefinition
{
class ControlData;
}
namespace values
{
template <class T> class Value;
class ValueSelection;
} // namespace values

// The item of a device's control data (a job): shows the job's "name [type]" and, when the
// tree first shows it, makes the job's device type the default device, so that the rules
// every other item consults are that device's.
class TviDcd : public TviStdNode
{
    Q_OBJECT

public:
    TviDcd(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);
    ~TviDcd() override;

    void Init() override;
    QString GetName() override;
    const values::ValueDescriptor* GetVdAttr() const override;
    void Update(Observable* pObservable, TChangeCode code) override;

    void AssignNameAndType();

protected:
    void AssignValues() override { AssignNameAndType(); }

private:
    values::Node* GetOwnerNode() const;

    std::unique_ptr<DravinelDefinition::ControlData> m_pControlData;
    values::Value<QString>* m_pName = nullptr;
    values::ValueSelection* m_pType = nullptr;
};
