#pragma once
// The rewrite form "Nachschreiben" for a word group or a text section: the editor wraps
// and shows four lines; a blank is a letter like any other. Opened once per chunk.

#include "writing/ui/nachschreiben.h"

class TForm12 : public Nachschreiben {
    Q_OBJECT
public:
    explicit TForm12(QWidget *parent = nullptr);
};
