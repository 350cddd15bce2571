#pragma once
// A chart as a picture for paper or a file: drawn away from any window, on white, three
// times as sharp as its size, so that its texts stay readable on half a sheet.

#include <QImage>
#include <QSize>

class QChart;

// Takes `chart`, made for the purpose, and deletes it.
QImage diagrammBild(QChart *chart, QSize groesse);
