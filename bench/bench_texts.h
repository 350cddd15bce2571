#pragma once
// Benchmarks of the exercise texts: opening the largest text the program takes (running
// text and a word list, which must open within three times the time), a key typed in each, and
// the random word order of a long word list. Prints one figure per line.

int runTexts();
