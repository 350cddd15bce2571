// Developer shortcuts: entries of the main window that try one form on the text of
// Memo1. Pupils and teachers never get them; LAUFBAHN_ENTWICKLER=1 at start does.
#pragma once

class QAction;
class QPlainTextEdit;
class TForm3;

// Whether the developer shortcuts are set up; read from the environment once.
bool entwicklerEintraege();

// Ctrl+Shift+F4 to F12 on the main window `form`, trying its forms on `text` (Memo1);
// `alternativ` is "alternativer Laufmodus". Nothing without LAUFBAHN_ENTWICKLER=1.
void entwicklerEintraegeEinrichten(TForm3 &form, QPlainTextEdit &text, const QAction &alternativ);
