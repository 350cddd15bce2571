#pragma once
// The spaced review's benchmarks, the "review" mode of laufbahn_bench.

int runWiederholung();
