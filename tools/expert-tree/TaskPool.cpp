// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/expert-tree/TaskPool.h"

#include <algorithm>

TaskPool::TaskPool(int threads)
{
    for (int i = 1; i < threads; ++i)
        m_workers.emplace_back([this] { work(); });
}

TaskPool::~TaskPool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread &worker : m_workers)
        worker.join();
}

void TaskPool::runAll(const std::vector<std::function<void()>> &tasks)
{
    if (m_workers.empty() || tasks.size() < 2) {
        for (const auto &task : tasks)
            task();
        return;
    }
    Batch batch{tasks.size()};
    std::unique_lock lock(m_mutex);
    for (const auto &task : tasks)
        m_queue.push_back({&task, &batch});
    m_changed.notify_all();
    while (batch.unfinished > 0) {
        auto own = std::find_if(m_queue.begin(), m_queue.end(), [&](const Item &item) { return item.batch == &batch; });
        if (own == m_queue.end() && m_queue.empty()) {
            m_changed.wait(lock);
            continue;
        }
        // Nothing of this batch waits: help with the oldest task of any other.
        const auto taken = own != m_queue.end() ? own : m_queue.begin();
        const Item item = *taken;
        m_queue.erase(taken);
        run(item, lock);
    }
}

void TaskPool::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        const Item item = m_queue.front();
        m_queue.pop_front();
        run(item, lock);
    }
}

void TaskPool::run(const Item &item, std::unique_lock<std::mutex> &lock)
{
    lock.unlock();
    (*item.task)();
    lock.lock();
    if (--item.batch->unfinished == 0)
        m_changed.notify_all();
}
