#pragma once
// A run started right after start-up, while the voice of the spoken dictation or the
// syllables of "Silben farbig" are still being loaded: the time from "Laufbahn starten"
// until the run's first window is on the screen ("laufstart_diktat_ms",
// "laufstart_silben_ms"), which must stay below a second (bench_laufstart.cpp).
//
//   laufbahn_bench laufstart diktat|silben

class QString;

// Prints its figure, "name value"; non-zero when the run shows no window.
int runLaufstart(const QString &art);
