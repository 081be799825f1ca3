#include "oskevo/changerecorder.h"

#include "oskevo/node.h"
#include "oskevo/valuebase.h"

namespace values
{

int ChangeRecorder::s_nAttached = 0;

ChangeRecorder::ChangeRecorder(Node* pNode) : m_pNode(pNode)
{
    if (m_pNode)
        m_pNode->AttachRecorder(this);
}

ChangeRecorder::~ChangeRecorder()
{
    if (m_pNode)
        m_pNode->DetachRecorder(this);
}

void ChangeRecorder::Detached()
{
    m_pNode = nullptr;
    NodeDeleted();
}

template <class F> void ChangeRecorder::Report(TreeItem* pAt, F fnMake)
{
    if (s_nAttached <= 0 || !pAt)
        return;
    QStringList lstPath;
    for (TreeItem* p = pAt; p; p = p->GetParentNode())
    {
        if (Node* pNode = p->AsNode())
        {
            // A copy: a recorder may detach itself while it is told.
            const std::vector<ChangeRecorder*> vecRecorders = pNode->m_vecRecorders;
            for (ChangeRecorder* pRecorder : vecRecorders)
            {
                ChangeRecord record = fnMake();
                record.lstPath = lstPath;
                pRecorder->Recorded(std::move(record));
            }
        }
        lstPath.prepend(p->GetName());
    }
}

void ChangeRecorder::ValueChanging(TreeItem* pValue)
{
    ValueBase* pBase = pValue ? pValue->AsValue() : nullptr;
    if (!pBase || pBase->IsDying())
        return;
    Report(pValue,
           [pBase]
           {
               ChangeRecord record;
               record.eKind = ChangeRecord::K_VALUE;
               record.sText = pBase->GetAsString();
               return record;
           });
}

void ChangeRecorder::NodeTextChanging(Node* pNode)
{
    Report(pNode,
           [pNode]
           {
               ChangeRecord record;
               record.eKind = ChangeRecord::K_NODE_TEXT;
               record.sText = QString::fromStdString(pNode->GetAsStdString());
               return record;
           });
}

void ChangeRecorder::Linked(Node* pParent, TreeItem* pItem, int nIndex)
{
    Report(pParent,
           [pItem, nIndex]
           {
               ChangeRecord record;
               record.eKind = ChangeRecord::K_INSERT;
               record.sName = pItem->GetName();
               record.nIndex = nIndex;
               return record;
           });
}

void ChangeRecorder::Unlinking(Node* pParent, TreeItem* pItem, int nIndex)
{
    // One copy serves every recorder (they never change it in place).
    std::shared_ptr<TreeItem> spCopy;
    Report(pParent,
           [pItem, nIndex, &spCopy]
           {
               if (!spCopy)
                   spCopy.reset(pItem->Clone());
               ChangeRecord record;
               record.eKind = ChangeRecord::K_REMOVE;
               record.spItem = spCopy;
               record.nIndex = nIndex;
               return record;
           });
}

void ChangeRecorder::Reordering(Node* pParent)
{
    Report(pParent,
           [pParent]
           {
               ChangeRecord record;
               record.eKind = ChangeRecord::K_REORDER;
               record.lstOrder.reserve(pParent->GetChildCount());
               for (const TreeItem* pChild : pParent->GetTreeItems())
                   record.lstOrder.append(pChild->GetName());
               return record;
           });
}

void ChangeRecorder::Renamed(TreeItem* pItem, const QString& sOldName)
{
    Report(pItem->GetParentNode(),
           [pItem, &sOldName]
           {
               ChangeRecord record;
               record.eKind = ChangeRecord::K_RENAME;
               record.sName = pItem->GetName();
               record.sText = sOldName;
               return record;
           });
}

void ChangeRecorder::DescriptorChanging(Node* pNode)
{
    Report(pNode,
           [pNode]
           {
               ChangeRecord record;
               record.eKind = ChangeRecord::K_DESCRIPTOR;
               record.pDescriptor = pNode->GetValueDescriptor();
               return record;
           });
}

bool ChangeRecorder::Toggle(Node* pRoot, ChangeRecord& record)
{
    TreeItem* pAt = pRoot;
    for (const QString& sName : record.lstPath)
    {
        Node* pNode = pAt ? pAt->AsNode() : nullptr;
        pAt = pNode ? pNode->GetChildValueItem(sName) : nullptr;
    }
    if (!pAt || pAt->IsDying())
        return false;
    Node* pNode = pAt->AsNode();
    switch (record.eKind)
    {
    case ChangeRecord::K_VALUE:
    {
        ValueBase* pValue = pAt->AsValue();
        if (!pValue)
            return false;
        const QString sNow = pValue->GetAsString();
        if (!pValue->SetAsString(record.sText))
            return false;
        record.sText = sNow;
        return true;
    }
    case ChangeRecord::K_NODE_TEXT:
    {
        if (!pNode)
            return false;
        const QString sNow = QString::fromStdString(pNode->GetAsStdString());
        pNode->SetAsStdString(record.sText.toStdString(), nullptr);
        record.sText = sNow;
        return true;
    }
    case ChangeRecord::K_INSERT:
    {
        TreeItem* pChild = pNode ? pNode->GetChildValueItem(record.sName) : nullptr;
        if (!pChild)
            return false;
        record.nIndex = pNode->IndexOf(pChild);
        record.spItem.reset(pChild->Clone());
        record.eKind = ChangeRecord::K_REMOVE;
        pNode->DeleteItem(pChild);
        return true;
    }
    case ChangeRecord::K_REMOVE:
    {
        if (!pNode || !record.spItem || pNode->GetChildValueItem(record.spItem->GetName()))
            return false;
        TreeItem* pChild = record.spItem->Clone();
        if (!pNode->AddItem(pChild, nullptr, record.nIndex))
        {
            delete pChild;
            return false;
        }
        record.sName = pChild->GetName();
        record.spItem.reset();
        record.eKind = ChangeRecord::K_INSERT;
        return true;
    }
    case ChangeRecord::K_REORDER:
    {
        if (!pNode || record.lstOrder.size() != pNode->GetChildCount())
            return false;
        QStringList lstNow;
        std::vector<TreeItem*> vecOrder;
        for (const TreeItem* pChild : pNode->GetTreeItems())
            lstNow.append(pChild->GetName());
        for (const QString& sName : record.lstOrder)
            vecOrder.push_back(pNode->GetChildValueItem(sName));
        if (!pNode->ReorderChildren(vecOrder))
            return false;
        record.lstOrder = lstNow;
        return true;
    }
    case ChangeRecord::K_RENAME:
    {
        TreeItem* pChild = pNode ? pNode->GetChildValueItem(record.sName) : nullptr;
        if (!pChild || !pChild->SetName(record.sText))
            return false;
        std::swap(record.sName, record.sText);
        return true;
    }
    case ChangeRecord::K_DESCRIPTOR:
    {
        if (!pNode || !record.pDescriptor)
            return false;
        const ValueDescriptor* pNow = pNode->GetValueDescriptor();
        pNode->SetValueDescriptor(record.pDescriptor);
        record.pDescriptor = pNow;
        return true;
    }
    }
    return false;
}

} // namespace values
