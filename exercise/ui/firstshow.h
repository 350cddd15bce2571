#pragma once
// Work a window needs only once it is on the screen (pictures, icons, lists read from
// the system) is done when it is first shown, so that creating every form at start-up
// stays quick.

#include <functional>

class QWidget;

// Runs `prepare` once, when `widget` is about to be shown for the first time (after its
// children, before it is painted); at once when it is visible already.
void whenFirstShown(QWidget *widget, std::function<void()> prepare);

// Runs `handler` each time `window` becomes the active window (the teacher comes back to
// it, a dialog over it closes); for what may have changed meanwhile, such as the date.
void wheneverActivated(QWidget *window, std::function<void()> handler);
