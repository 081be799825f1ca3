// What the undo history of a job costs: the memory of a history of 1 000 steps over a job of
// 100 000 frequency definitions against the job's own (target: within 3x; the steps are value
// edits and row deletions as an operator makes them), and undo and redo of a 10 000-row delete
// against the delete itself (target: each within 2x).

#include "dravinelcontrols/undohistory.h"
#include "oskevo/node.h"
#include "oskevo/valuebase.h"
#include "oskevo/vttransaction.h"

#include "benchjob.h"
#include "benchtiming.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <cstdio>
#include <malloc.h>

namespace
{

double HeapMB()
{
    malloc_trim(0);
    return double(mallinfo2().uordblks) / 1e6;
}

void DeleteRows(values::Node* pFds, int nFirst, int nCount)
{
    std::vector<values::TreeItem*> vecRows(pFds->GetTreeItems().begin() + nFirst,
                                           pFds->GetTreeItems().begin() + nFirst + nCount);
    values::VtTransaction transaction;
    for (auto it = vecRows.rbegin(); it != vecRows.rend(); ++it)
        pFds->DeleteItem(*it);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int nCount = 100000;
    const int nSteps = 1000;
    const int nRows = 10000;

    const double dBefore = HeapMB();
    BenchJob job(QStringLiteral("/BenchUndo"));
    job.Fill(nCount);
    UndoHistory* pHistory = job.GetHistory();
    pHistory->Clear();
    values::Node* pFds = job.Fds();
    if (!pFds || pFds->GetChildCount() < nCount)
    {
        std::printf("no job of %d definitions\n", nCount);
        return 1;
    }
    const double dJob = HeapMB() - dBefore;

    // Nine value edits to one row deletion, each its own step.
    for (int i = 0; i < nSteps; ++i)
    {
        if (i % 10 == 9)
            DeleteRows(pFds, i * 7, 1);
        else if (values::ValueBase* pName =
                     pFds->GetTreeItems()[size_t(i * 37)]->AsNode()->GetValue(QStringLiteral("FdAttr/FName")))
            pName->SetAsString(QStringLiteral("Edited %1").arg(i));
        pHistory->CloseStep();
    }
    const double dHistory = HeapMB() - dBefore - dJob;
    const int nHistorySteps = pHistory->GetStack()->count();
    pHistory->Clear();

    const int nBeforeDelete = pFds->GetChildCount();
    const double dDelete = BenchTiming::Milliseconds(
        [&]
        {
            DeleteRows(pFds, 1000, nRows);
            pHistory->CloseStep();
        });
    const double dUndo = BenchTiming::Milliseconds([&] { pHistory->Undo(); });
    const bool bBack = pFds->GetChildCount() == nBeforeDelete;
    const double dRedo = BenchTiming::Milliseconds([&] { pHistory->Redo(); });
    const bool bAgain = pFds->GetChildCount() == nBeforeDelete - nRows;
    if (!bBack || !bAgain)
        std::printf("undo or redo did not give the rows back: MISSED\n");

    std::printf("Undo history of a job of %d frequency definitions (%.1f MB); %d steps held %.2f MB\n",
                nCount, dJob, nHistorySteps, dHistory);
    std::printf("%-14s %7s %11s %11s %8s\n", "step", "N", "ours", "base", "ratio");
    bool bOk = BenchTiming::Check("History MB", nSteps, dHistory, dJob, 3.0, "<= 3x the job");
    bOk = BenchTiming::Check("Undo delete", nRows, dUndo, dDelete, 2.0, "<= 2x the delete") && bOk;
    bOk = BenchTiming::Check("Redo delete", nRows, dRedo, dDelete, 2.0, "<= 2x the delete") && bOk && bBack &&
          bAgain;
    std::printf("%s\n", bOk ? "all targets met" : "some targets MISSED");
    job.DeleteWatcher();
    return 0;
}
