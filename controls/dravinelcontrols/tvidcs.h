#pragma once

#include "tvistdnode.h"

namespace values
{
template <class T> class Value;
}

// The item of a device control set: shows the set's name (the base text while it has
// none) under a document icon.
class TviDcs : public TviStdNode
{
    Q_OBJECT

public:
    TviDcs(ITreeViewCtrl* pCtrl, QWidget* pDisplayArea, values::TreeItem* pItem);
    ~TviDcs() override;

    void Init() override;
    const char* const* GetXpm() override;
    QString GetName() override;
    void CreateDisplay() override { TviStdNode::CreateDisplay(); }
    const values::ValueDescriptor* GetVdAttr() const override;
    void Update(Observable* pObservable, TChangeCode code) override;

    void AssignName();

protected:
    void AssignValues() override { AssignName(); }

private:
    values::Value<QString>* m_pName = nullptr;
};
