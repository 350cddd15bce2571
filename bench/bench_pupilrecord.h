#pragma once
// The pupil record's benchmarks, the "record" mode of laufbahn_bench.

int runPupilRecord();
