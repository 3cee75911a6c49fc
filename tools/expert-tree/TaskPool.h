// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A fixed set of threads that run batches of independent tasks. runAll() returns when every task
// of its batch has run; meanwhile the calling thread runs queued tasks itself (its own batch's
// first), so a task may start a batch of its own without tying up a thread. Tasks must not throw.
class TaskPool
{
public:
    // threads counts the calling thread: 1 runs every task on the caller, in order.
    explicit TaskPool(int threads);
    ~TaskPool();
    TaskPool(const TaskPool &) = delete;
    TaskPool &operator=(const TaskPool &) = delete;

    int threads() const { return static_cast<int>(m_workers.size()) + 1; }
    void runAll(const std::vector<std::function<void()>> &tasks);

private:
    struct Batch {
        std::size_t unfinished = 0;
    };
    struct Item {
        const std::function<void()> *task;
        Batch *batch;
    };

    void work();
    // Runs the item with the lock released; takes it again before returning.
    void run(const Item &item, std::unique_lock<std::mutex> &lock);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Item> m_queue;
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};
