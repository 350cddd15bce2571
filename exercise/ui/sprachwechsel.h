#pragma once
// Captions that follow the language shown. A form builds the widgets of its translatable
// captions without text; what sets those captions (through tr()) is named here, at the end of
// the constructor, and runs then and whenever the application's translators change. Without a
// translator tr() gives the German source text back, so taking the translator away brings
// every caption back.

#include <functional>

class QWidget;

// Runs `beschriften` now and each time `form` learns of a new language
// (QEvent::LanguageChange).
void beiSprachwechsel(QWidget *form, std::function<void()> beschriften);
