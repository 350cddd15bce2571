// Developer shortcuts: entries of the main window that try one form on the text of
// Memo1. Pupils and teachers never get them; LAUFBAHN_ENTWICKLER=1 at start does.
#pragma once

// Whether the developer shortcuts are set up; read from the environment once.
bool entwicklerEintraege();
