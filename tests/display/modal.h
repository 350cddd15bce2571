#pragma once
// A display shown modally for a test, with the test's steps run inside its loop.

#include "display/ui/displaywindow.h"

#include <QTimer>
#include <functional>

namespace testing {

// Shows `form` modally and runs `steps` inside its loop. False when the form had to
// be closed because it did not close by itself within `timeoutMs`.
inline bool runModal(display::DisplayWindow &form, const std::function<void()> &steps,
                     int timeoutMs = 15000)
{
    QTimer::singleShot(0, &form, steps);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &form, &QWidget::close);
    guard.start(timeoutMs);
    form.exec();
    return guard.isActive();
}

} // namespace testing
