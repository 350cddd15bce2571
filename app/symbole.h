#pragma once
// The main window's pictures, drawn rather than taken from an icon theme, and the small
// helpers that make its named controls.

#include <QIcon>
#include <QPixmap>
#include <QString>

class QPushButton;
class QToolButton;

template <typename T> T *named(T *object, const QString &name)
{
    object->setObjectName(name);
    return object;
}

QIcon printerIcon();
QIcon newTextIcon();
QIcon openTextIcon();
QIcon saveIcon();
QIcon lowerCaseIcon();
QIcon deleteIcon();
QIcon startIcon();
// The reading finger's two pointers: red triangles on black, 50 x 25, the first
// pointing down, the second up, their tips at x = 24/25.
QPixmap pointerImage(bool pointingDown);
// A start button the window holds but never shows.
QPushButton *hiddenButton(const QString &name, const QString &caption = {});
QToolButton *speedButton(const QString &name, const QIcon &icon, const QString &hint = {});
