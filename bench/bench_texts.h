#pragma once
// Benchmarks of the exercise texts: opening the largest text the program takes, and
// the random word order of a long word list. Prints one figure per line.

int runTexts();
