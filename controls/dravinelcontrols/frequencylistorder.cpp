#include "dravinelcontrols/frequencylistorder.h"

#include "dravinelcontrols/frequencyview.h"
#include "dravinelcontrols/frequencyviewctrl.h"
#include "dravinelcontrols/frequencyviewitem.h"
#include "dravineldefinition/names.h"
#include "oskevo/node.h"
#include "zorvanappstartup/cfgcenter.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QProgressDialog>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

using DravinelDefinition::C::g_sFd;

namespace
{

// Advances a progress dialog, repainting it only when the shown percentage moves.
class Progress
{
public:
    Progress(QProgressDialog* pDialog, int nMaximum) : m_pDialog(pDialog), m_nMaximum(std::max(nMaximum, 1))
    {
    }
    void Step()
    {
        ++m_nValue;
        const int nPercent = int(qint64(m_nValue) * 100 / m_nMaximum);
        if (nPercent != m_nPercent)
        {
            m_nPercent = nPercent;
            m_pDialog->setValue(std::min(m_nValue, m_nMaximum));
        }
    }

private:
    QProgressDialog* m_pDialog;
    int m_nMaximum;
    int m_nValue = 0;
    int m_nPercent = -1;
};

} // namespace

void FrequencyListOrder::Apply(values::Node* pList, const std::vector<values::Node*>& vecShown)
{
    if (!pList)
        return;
    // 1. Sort numbers in the order the rows are shown.
    int nCounter = 0;
    for (values::Node* pFd : vecShown)
    {
        if (pFd->GetName().startsWith(g_sFd))
            Rename(pFd, QStringLiteral("%1_%2").arg(nCounter++).arg(g_sFd));
    }
    // 2. The definitions take the order of the rows in the tree.
    Reorder(pList, vecShown);
    // 3. Numbered names in the tree's order, which is now the table's.
    int nNumber = 0;
    const std::vector<values::TreeItem*> vecChildren = pList->GetTreeItems();
    for (values::TreeItem* pChild : vecChildren)
    {
        if (pChild->IsNode() && pChild->GetName().contains(g_sFd))
            Rename(pChild, g_sFd + QStringLiteral("%1").arg(nNumber++, 5, 10, QLatin1Char('0')));
    }
}

void FrequencyListOrder::Reorder(values::Node* pList, const std::vector<values::Node*>& vecShown)
{
    const int n = int(vecShown.size());
    if (n < 2)
        return;
    const int nMaximum = 2 * n + int(std::floor(std::log10(double(n)))) * (n + 10);
    QProgressDialog dialog(QCoreApplication::translate("FrequencyViewCtrl", "Nodes Reordering ..."),
                           QString(), 1, nMaximum);
    dialog.setWindowTitle(CfgCenter::GetAppName());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setCancelButton(nullptr);
    Progress progress(&dialog, nMaximum);

    // Least-significant-digit radix sort of the definitions by their place in the table.
    typedef std::pair<int, values::Node*> Keyed;
    std::vector<std::vector<Keyed>> vecBuckets(10);
    for (int i = 0; i < n; ++i)
    {
        vecBuckets[size_t(i % 10)].emplace_back(i, vecShown[size_t(i)]);
        progress.Step();
    }
    for (int nDivisor = 10; n > nDivisor; nDivisor *= 10)
    {
        std::vector<std::vector<Keyed>> vecAside(10);
        for (size_t b = 0; b < 10; ++b)
        {
            vecAside[b].swap(vecBuckets[b]);
            progress.Step();
        }
        for (const std::vector<Keyed>& bucket : vecAside)
        {
            for (const Keyed& keyed : bucket)
            {
                vecBuckets[size_t((keyed.first / nDivisor) % 10)].push_back(keyed);
                progress.Step();
            }
        }
    }
    std::vector<values::Node*> vecSorted;
    vecSorted.reserve(size_t(n));
    for (const std::vector<Keyed>& bucket : vecBuckets)
    {
        for (const Keyed& keyed : bucket)
        {
            vecSorted.push_back(keyed.second);
            progress.Step();
        }
    }

    // The places the definitions hold among the children take them in table order; other
    // children keep their places.
    const std::unordered_set<values::TreeItem*> setShown(vecShown.begin(), vecShown.end());
    std::vector<values::TreeItem*> vecOrder = pList->GetTreeItems();
    size_t nNext = 0;
    for (values::TreeItem*& pChild : vecOrder)
    {
        if (setShown.count(pChild))
            pChild = vecSorted[nNext++];
    }
    pList->ReorderChildren(vecOrder, nullptr);
    dialog.setValue(nMaximum);
}

// Renames an item whose new name a sibling may still hold. A sibling named like a frequency
// definition is renamed later in the same pass, so it steps aside; otherwise the item takes a
// unique variant of the name.
void FrequencyListOrder::Rename(values::TreeItem* pItem, const QString& sName)
{
    if (pItem->SetName(sName, nullptr, false))
        return;
    values::Node* pParent = pItem->GetParentNode();
    values::TreeItem* pHolder = pParent ? pParent->GetChildValueItem(sName) : nullptr;
    if (pHolder && pHolder != pItem && pHolder->IsNode() && pHolder->GetName().contains(g_sFd) &&
        pHolder->SetName(pParent->MakeUniqueName(sName + QLatin1Char('_')), nullptr, false) &&
        pItem->SetName(sName, nullptr, false))
        return;
    pItem->SetName(sName, nullptr, true);
}

void FrequencyListOrder::SortLastFirst(const values::Node* pList, std::vector<FrequencyViewItem*>& vecItems)
{
    std::unordered_map<const values::TreeItem*, int> mapPlaces;
    const std::vector<values::TreeItem*>& vecChildren = pList->GetTreeItems();
    mapPlaces.reserve(vecChildren.size());
    for (size_t i = 0; i < vecChildren.size(); ++i)
        mapPlaces.emplace(vecChildren[i], int(i));
    std::vector<std::pair<int, FrequencyViewItem*>> vecPlaces;
    vecPlaces.reserve(vecItems.size());
    for (FrequencyViewItem* pItem : vecItems)
    {
        auto it = mapPlaces.find(pItem->GetTreeItem());
        vecPlaces.emplace_back(it == mapPlaces.end() ? -1 : it->second, pItem);
    }
    std::stable_sort(vecPlaces.begin(), vecPlaces.end(),
                     [](const std::pair<int, FrequencyViewItem*>& a,
                        const std::pair<int, FrequencyViewItem*>& b) { return a.first > b.first; });
    for (size_t i = 0; i < vecPlaces.size(); ++i)
        vecItems[i] = vecPlaces[i].second;
}

std::vector<values::Node*> FrequencyListOrder::ShownOrder(const FrequencyViewCtrl& ctrl)
{
    std::vector<values::Node*> vecShown;
    const FrequencyView* pView = ctrl.GetFrequencyView();
    if (!pView)
        return vecShown;
    const QHeaderView* pHeader = pView->verticalHeader();
    const int nRows = pView->rowCount();
    vecShown.reserve(size_t(nRows));
    for (int nVisual = 0; nVisual < nRows; ++nVisual)
    {
        FrequencyViewItem* pItem = ctrl.GetRowMediator(pHeader->logicalIndex(nVisual));
        values::Node* pFd = pItem ? pItem->GetNode() : nullptr;
        if (pFd && pFd->GetParentNode() == ctrl.GetNode())
            vecShown.push_back(pFd);
    }
    return vecShown;
}
