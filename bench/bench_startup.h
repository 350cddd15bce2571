#pragma once
// Start-up of the program measured against a bare Qt main window (bench_startup.cpp).

class QString;

using Figure = void (*)(const char *name, double value);

// Shows the bare window until the process is ended.
int runBareWindow();
// Launches the bare window (this program with "bare") and `program` in turn and
// reports the figures; non-zero when a launch fails.
int runStartup(const QString &benchProgram, const QString &program, Figure figure);
