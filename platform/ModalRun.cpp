// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalRun.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <map>

namespace {
int modalDepth = 0;
int nextListenerId = 1;
// The depth of nested event loops at which the first of the open modal windows was shown, or -1
// once none is open and the event loop it may have run in has returned.
int modalWindowShownAtLevel = -1;

std::map<int, std::function<void()>> &endListeners()
{
    static std::map<int, std::function<void()>> listeners;
    return listeners;
}

int eventLoopLevel()
{
    return QThread::currentThread()->loopLevel();
}

bool modalWindowOpen()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) && QGuiApplication::modalWindow();
}

bool modalWindowRunning()
{
    return modalWindowShownAtLevel >= 0 && (modalWindowOpen() || eventLoopLevel() > modalWindowShownAtLevel);
}

bool isModalWindow(const QObject *object)
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    return widget && widget->isWindow() && widget->isModal();
}

void notifyEnd()
{
    // Copy first: a listener may add or remove listeners while it runs.
    const auto listeners = endListeners();
    for (const auto &[id, listener] : listeners) {
        if (endListeners().contains(id))
            listener();
    }
}

// Watches every object of the application for modal windows being shown and hidden.
class ModalWindowWatch final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && isModalWindow(watched) && modalWindowShownAtLevel < 0)
            modalWindowShownAtLevel = eventLoopLevel();
        else if (event->type() == QEvent::Hide && isModalWindow(watched))
            checkEndLater();
        return false;
    }

private:
    void checkEndLater()
    {
        QMetaObject::invokeMethod(this, &ModalWindowWatch::checkEnd, Qt::QueuedConnection);
    }

    void checkEnd()
    {
        // Another modal window still open ends with its own check.
        if (modalWindowShownAtLevel < 0 || modalWindowOpen())
            return;
        if (eventLoopLevel() > modalWindowShownAtLevel)
            return checkEndLater();
        modalWindowShownAtLevel = -1;
        if (modalDepth == 0)
            notifyEnd();
    }
};

void watchModalWindows()
{
    static QPointer<ModalWindowWatch> watch;
    QCoreApplication *application = QCoreApplication::instance();
    if (watch || !application)
        return;
    watch = new ModalWindowWatch(application);
    application->installEventFilter(watch);
}
} // namespace

ModalRun::ModalRun()
{
    ++modalDepth;
}

ModalRun::~ModalRun()
{
    if (--modalDepth == 0 && !modalWindowRunning())
        notifyEnd();
}

bool ModalRun::isActive()
{
    return modalDepth > 0 || modalWindowOpen() || modalWindowRunning();
}

int ModalRun::addEndListener(std::function<void()> listener)
{
    watchModalWindows();
    const int id = nextListenerId++;
    endListeners().emplace(id, std::move(listener));
    return id;
}

void ModalRun::removeEndListener(int id)
{
    endListeners().erase(id);
}
