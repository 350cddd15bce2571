#pragma once
// A list as wide as its longest entry, from `minimum` pixels up to half of `room`, so that
// word groups are not cut off; it follows its entries and the room's size.

class QListWidget;
class QWidget;

void followLongestEntry(QListWidget *list, QWidget *room, int minimum);
