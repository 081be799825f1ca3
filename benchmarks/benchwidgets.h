// Widgets shared by the benchmarks of the list editors: the editor or the plain-Qt table of
// the baseline shown at one size, its pending layout done, and the value a row shows.

#pragma once

#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/valuedescriptor.h"

#include <QCoreApplication>
#include <QTableWidget>
#include <memory>

namespace BenchWidgets
{

template <typename T> std::unique_ptr<T> Shown(std::unique_ptr<T> pWidget)
{
    pWidget->resize(800, 600);
    pWidget->show();
    QCoreApplication::processEvents();
    return pWidget;
}

// An editor view initialised without a node, shown.
template <typename T> std::unique_ptr<T> ShownView(T* pView)
{
    pView->resize(800, 600);
    pView->Init(nullptr);
    return Shown(std::unique_ptr<T>(pView));
}

inline std::unique_ptr<QTableWidget> PlainTable(int nColumns)
{
    auto pTable = std::make_unique<QTableWidget>();
    pTable->setColumnCount(nColumns);
    return Shown(std::move(pTable));
}

inline values::ValueBase* ValueOf(values::Node* pNode, const values::ValueDescriptor& descriptor)
{
    return pNode->GetValue(descriptor.PathName().mid(1));
}

} // namespace BenchWidgets
