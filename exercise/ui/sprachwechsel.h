#pragma once
// Captions that follow the language shown. A form sets its German captions in its
// constructor; what sets the translatable ones again (through tr()) is named here and runs
// whenever the application's translators change. Without a translator tr() gives the
// German source text back, so taking the translator away brings every caption back.

#include <functional>

class QWidget;

// Runs `beschriften` each time `form` learns of a new language (QEvent::LanguageChange).
void beiSprachwechsel(QWidget *form, std::function<void()> beschriften);
