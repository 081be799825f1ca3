// Timing and reporting shared by the benchmark programs: one step timed, the best of several
// runs of a step, and the table rows with their target check. A missed target is printed, not
// fatal: the programs fail only when they cannot run.

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace BenchTiming
{

// Milliseconds one call of step takes.
inline double Milliseconds(const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Milliseconds of the timed part, best of nRuns; prepare and finish are not timed. Pending
// events (deferred layout and painting) are processed inside the timed part: they belong to
// the work.
inline double Best(int nRuns, const std::function<void()>& prepare, const std::function<void()>& timed,
                   const std::function<void()>& finish)
{
    double dBest = 1e300;
    for (int nRun = 0; nRun < nRuns; ++nRun)
    {
        prepare();
        const double dMs = Milliseconds(
            [&]
            {
                timed();
                QCoreApplication::processEvents();
            });
        dBest = std::min(dBest, dMs);
        finish();
    }
    return dBest;
}

// Milliseconds of one call, averaged over nCalls calls (each with its pending events) in a
// timed part, best of nRuns.
inline double BestPerCall(int nRuns, int nCalls, const std::function<void()>& prepare,
                          const std::function<void(int)>& call, const std::function<void()>& finish)
{
    const auto calls = [&]
    {
        for (int k = 0; k < nCalls; ++k)
        {
            call(k);
            QCoreApplication::processEvents();
        }
    };
    return Best(nRuns, prepare, calls, finish) / nCalls;
}

// One measured step of a size, with its time per item.
inline void Row(const char* pszStep, int nCount, double dMs)
{
    std::printf("%-44s %8d %10.1f ms %8.0f ns/item\n", pszStep, nCount, dMs, dMs * 1e6 / std::max(nCount, 1));
    std::fflush(stdout);
}

// A ratio against its target: "ok" or "MISSED" (or "info" without a target); answers whether
// the target was met.
inline bool Check(const char* pszCase, int nCount, double dOurs, double dBase, double dTarget,
                  const char* pszTarget)
{
    const double dRatio = dBase > 0.0 ? dOurs / dBase : 0.0;
    const bool bOk = dTarget <= 0.0 || dRatio <= dTarget;
    std::printf("%-14s %7d %11.3f %11.3f %7.2fx  %s (%s)\n", pszCase, nCount, dOurs, dBase, dRatio,
                dTarget <= 0.0 ? "info" : (bOk ? "ok" : "MISSED"), pszTarget);
    std::fflush(stdout);
    return bOk;
}

} // namespace BenchTiming
