// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulation.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "sim/intervals.hpp"

namespace brisvale::sim {
namespace {

// Sessions are handed out in small blocks: few enough trips to the shared counter, and the
// threads still finish together. A short run gets smaller blocks, at least eight a thread, or
// one thread would be left with the last long block alone.
constexpr long long kBlock = 16;
constexpr long long kBlocksPerThread = 8;
constexpr auto kProgressEvery = std::chrono::milliseconds(100);

struct Shared {
    std::atomic<long long> next{0};
    std::atomic<long long> done{0};
    long long block = kBlock;
    std::mutex mutex;
    std::condition_variable finished;
    int running = 0;
};

void worker(const Table& table, const RunOptions& options, std::vector<SessionResult>& results,
            Shared& shared, std::stop_token stop) {
    const auto total = static_cast<long long>(results.size());
    const auto local = table.clone();
    for (;;) {
        const long long first = shared.next.fetch_add(shared.block);
        if (first >= total || stop.stop_requested()) break;
        const long long last = std::min(total, first + shared.block);
        for (long long i = first; i < last && !stop.stop_requested(); ++i) {
            const auto session = static_cast<std::uint64_t>(i + options.firstSession);
            const auto wheel = wheelFeed(options.seed, session);
            results[static_cast<std::size_t>(i)] =
                local->play(options.seed, session, *wheel, nullptr, stop);
            shared.done.fetch_add(1, std::memory_order_relaxed);
        }
    }
    const std::lock_guard lock(shared.mutex);
    --shared.running;
    shared.finished.notify_all();
}

// A backtest: each session starts where the one before stopped, so they run one after the
// other.
void backtest(const Table& table, const RunOptions& options, std::vector<SessionResult>& results,
              Shared& shared, std::stop_token stop) {
    const std::vector<int>& spins = *options.spins;
    ListFeed feed(spins, 0);
    for (long long i = 0; i < options.sessions && feed.position() < spins.size(); ++i) {
        if (stop.stop_requested()) break;
        const std::size_t first = feed.position();
        SessionResult r =
            table.play(options.seed, static_cast<std::uint64_t>(i), feed, nullptr, stop);
        r.firstSpin = first;
        results.push_back(r);
        shared.done.store(static_cast<long long>(feed.position()), std::memory_order_relaxed);
    }
    const std::lock_guard lock(shared.mutex);
    --shared.running;
    shared.finished.notify_all();
}

}  // namespace

RunResult runSessions(const Table& table, const RunOptions& options, const ProgressFn& progress,
                      std::stop_token stop) {
    RunResult run;
    Shared shared;
    const bool isBacktest = options.spins.has_value();
    const long long total = isBacktest ? static_cast<long long>(options.spins->size())
                                       : std::max(0LL, options.sessions);
    run.threads = isBacktest ? 1 : std::max(1, options.threads);
    shared.block = std::clamp(total / (run.threads * kBlocksPerThread), 1LL, kBlock);
    if (!isBacktest) run.sessions.resize(static_cast<std::size_t>(total));

    const auto start = std::chrono::steady_clock::now();
    {
        std::vector<std::jthread> workers;
        shared.running = run.threads;
        for (int t = 0; t < run.threads; ++t) {
            workers.emplace_back([&] {
                if (isBacktest) {
                    backtest(table, options, run.sessions, shared, stop);
                } else {
                    worker(table, options, run.sessions, shared, stop);
                }
            });
        }
        std::unique_lock lock(shared.mutex);
        while (
            !shared.finished.wait_for(lock, kProgressEvery, [&] { return shared.running == 0; })) {
            if (progress) {
                lock.unlock();
                progress(shared.done.load(std::memory_order_relaxed), total);
                lock.lock();
            }
        }
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cancelled = stop.stop_requested() && shared.done.load() < total;
    if (progress && !run.cancelled) progress(total, total);
    return run;
}

RunResult runToPrecision(const Table& table, const RunOptions& options, double targetError,
                         bool& reached, const ProgressFn& progress, std::stop_token stop) {
    constexpr long long kFirstStep = 1000;
    RunResult all;
    RunOptions step = options;
    step.firstSession = 0;
    step.sessions = std::min(options.sessions, kFirstStep);
    long long ruined = 0;
    reached = false;
    for (;;) {
        const long long before = static_cast<long long>(all.sessions.size());
        RunResult part = runSessions(
            table, step,
            [&](long long done, long long) {
                if (progress) progress(before + done, options.sessions);
            },
            stop);
        all.seconds += part.seconds;
        all.threads = part.threads;
        all.cancelled = part.cancelled;
        if (part.cancelled) return all;
        for (const SessionResult& s : part.sessions) ruined += s.ending == Ending::Broke ? 1 : 0;
        all.sessions.insert(all.sessions.end(), part.sessions.begin(), part.sessions.end());
        const auto n = static_cast<long long>(all.sessions.size());
        const auto ci = wilsonInterval(ruined, n, kZ95);
        if (ci && ((*ci)[1] - (*ci)[0]) / 2 <= targetError) {
            reached = true;
            break;
        }
        if (n >= options.sessions) break;
        // The sessions the normal interval would need at the share seen so far (a share of
        // none yet counts as one in n), a tenth more, and at least half again as many.
        const double p = std::max(static_cast<double>(ruined), 1.0) / static_cast<double>(n);
        const double need = kZ95 * kZ95 * p * (1 - p) / (targetError * targetError);
        const auto next =
            std::clamp(static_cast<long long>(need * 1.1), n + n / 2, options.sessions);
        step.firstSession = n;
        step.sessions = next - n;
    }
    if (progress) progress(options.sessions, options.sessions);
    return all;
}

std::vector<double> balanceCurve(const Table& table, const RunOptions& options,
                                 const RunResult& run, std::size_t index) {
    std::vector<double> balances;
    if (index >= run.sessions.size()) return balances;
    if (options.spins) {
        ListFeed feed(*options.spins, run.sessions[index].firstSpin);
        table.play(options.seed, index, feed, &balances);
    } else {
        const auto wheel = wheelFeed(options.seed, index);
        table.play(options.seed, index, *wheel, &balances);
    }
    return balances;
}

}  // namespace brisvale::sim
