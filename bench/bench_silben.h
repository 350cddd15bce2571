#pragma once
// Reading syllables of a whole German dictionary (Debian's "wngerman" word list, about
// 356,000 words): "silben_wngerman_ms" must stay below one second. Reading the patterns
// is measured apart ("silben_muster_ms"): a program reads them once.

// Prints its figures, one "name value" a line; non-zero when the list or the patterns
// are missing.
int runSilben(int argc, char **argv);
