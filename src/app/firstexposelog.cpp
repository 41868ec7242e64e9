#include "firstexposelog.h"

#include <QDateTime>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace FirstExposeLog {
namespace {

class Watcher : public QObject {
public:
    Watcher(QObject* parent, std::function<void()> then) : QObject(parent), m_then(std::move(then))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* surface = qobject_cast<QWindow*>(watched);
        if (event->type() != QEvent::Expose || !surface || !surface->isExposed())
            return false;
        qInfo("window exposed at %lld ms since the epoch",
              static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        watched->removeEventFilter(this);
        if (m_then)
            m_then();
        deleteLater();
        return false;
    }

private:
    std::function<void()> m_then;
};

}  // namespace

void watch(QWidget* window, std::function<void()> then)
{
    // Expose events go to the native window, which exists once the window id is created.
    window->winId();
    window->windowHandle()->installEventFilter(new Watcher(window, std::move(then)));
}

}  // namespace FirstExposeLog
