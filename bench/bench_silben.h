#pragma once
// Reading syllables of a whole German dictionary (Debian's "wngerman" word list, about
// 356,000 words): "silben_wngerman_ms" must stay below one second. Reading the patterns
// is measured apart ("silben_muster_ms"): a program reads them once, and must have them
// within half the time the dictionary takes ("silben_muster_vs_wngerman"). Every word's
// breaks are held against libhyphen's own reading of the patterns: any word they differ
// in is printed and counted ("silben_wngerman_abweichungen", which must be 0).

// Prints its figures, one "name value" a line; non-zero when the list or the patterns
// are missing.
int runSilben(int argc, char **argv);
