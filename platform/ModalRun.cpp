#include "ModalRun.h"

#include <map>

namespace {
int modalDepth = 0;
int nextListenerId = 1;

std::map<int, std::function<void()>> &endListeners()
{
    static std::map<int, std::function<void()>> listeners;
    return listeners;
}
} // namespace

ModalRun::ModalRun()
{
    ++modalDepth;
}

ModalRun::~ModalRun()
{
    if (--modalDepth > 0)
        return;
    // Copy first: a listener may add or remove listeners while it runs.
    const auto listeners = endListeners();
    for (const auto &[id, listener] : listeners) {
        if (endListeners().contains(id))
            listener();
    }
}

bool ModalRun::isActive()
{
    return modalDepth > 0;
}

int ModalRun::addEndListener(std::function<void()> listener)
{
    const int id = nextListenerId++;
    endListeners().emplace(id, std::move(listener));
    return id;
}

void ModalRun::removeEndListener(int id)
{
    endListeners().erase(id);
}
