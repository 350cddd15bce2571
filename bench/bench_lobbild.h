#pragma once
// Benchmarks of the praise picture: phone photos of 12 and 50 megapixels, a progressive
// one of 24, and the costliest files the limits let through (in time, in memory), each
// loaded as the praise loads it for a 1920 x 1080 screen, in a process of its own.
// Prints one figure per line.

#include <QString>

// Makes the pictures and has `program` load each in a child process.
int runLobbild(const QString &program);
// Loads one picture file and prints its processor time and peak memory.
int runLobbildEins(const QString &path, const QString &prefix);
