#pragma once

#include "tvistdnode.h"

namespace values
{
template <class T> class Value;
class ValueSelection;
} // namespace values

// The item of a device: shows "name [type]" and keeps it current; the device's attributes
// are edited in the display instead of having an item of their own.
class TviDev : public TviStdNode
{
    Q_OBJECT

public:
    TviDev(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);
    ~TviDev() override;

    void Init() override;
    const char* const* GetXpm() override;
    QString GetName() override;
    const values::ValueDescriptor* GetVdAttr() const override;
    void Update(Observable* pObservable, TChangeCode code) override;

    // Takes the name and type values that exist and are not held yet.
    void AssignNameAndType();

protected:
    void AssignValues() override { AssignNameAndType(); }

private:
    values::Value<QString>* m_pName = nullptr;
    values::ValueSelection* m_pType = nullptr;
};
