#pragma once
// The main window's controls, built into it at start-up as a form designer would.

class QToolBar;
class TForm3;

// Menus, tool bar (returned), the three steps and the hidden controls of `form`.
QToolBar *hauptfensterAufbauen(TForm3 &form);
