#pragma once

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

#include "nxskin.h"

// Helpers shared by the widget tests: the resource folder of the build and synthetic pointer
// events (the offscreen platform sends no enter/leave events on its own).
namespace WidgetTest {

inline void useBuiltResources()
{
    NxSkin::setResourceDir(qEnvironmentVariable("QUILLON_BIN_DIR") +
                           QStringLiteral("/audiorecorder_res"));
}

inline void enter(QWidget* widget, const QPoint& pos = QPoint(2, 2))
{
    QEnterEvent event(pos, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
}

inline void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

inline void mouse(QWidget* widget, QEvent::Type type, const QPoint& pos,
                  Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                  : type == QEvent::MouseMove ? Qt::MouseButtons(Qt::LeftButton)
                                                              : Qt::MouseButtons(button);
    QMouseEvent event(type, pos, widget->mapToGlobal(pos),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace WidgetTest
