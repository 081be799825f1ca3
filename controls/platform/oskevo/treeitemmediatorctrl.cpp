#include "oskevo/treeitemmediatorctrl.h"

#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"

#include "kvbase/kvexception.h"

namespace values
{

ValueBase* TreeItemMediatorCtrl::CreateValue(Node* pNode, const ValueDescriptor* pDescriptor,
                                             IObserver* pObserver)
{
    const QString sPath = pDescriptor ? pDescriptor->PathName() : QStringLiteral("(no descriptor)");
    TreeItem* pItem = pDescriptor ? pDescriptor->CreateAt(pNode, nullptr) : nullptr;
    ValueBase* pValue = pItem ? pItem->AsValue() : nullptr;
    if (!pValue)
        throw KVException(QStringLiteral("Wrong type assumed for %1.").arg(sPath),
                          QStringLiteral("CreateValue"));
    if (pObserver)
        pValue->AddObserver(pObserver);
    return pValue;
}

} // namespace values
