#pragma once

// What the benchmarks share: the number of cues from the command line, a generated SRT file of
// that many cues in a temporary folder, and the counters every benchmark reports (bytes of the
// file per second, peak resident memory, also as a multiple of the file's size).

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace tavrelbench {

// Takes --cues=N out of argv (TAVREL_BENCH_CUES=N also sets it; default 1000000) and hands the
// rest to the benchmark library. False, with a message, when the count is not at least 1.
bool Initialize(int& argc, char** argv);

long CueCount();

// Writes the SRT file of CueCount() cues into a new temporary folder.
void GenerateInput();
// Removes the folder with everything in it.
void RemoveFiles();

const std::string& InputPath();   // the generated file, movie.srt
const std::string& OutputPath();  // where the shifted copy goes, movie_V2.srt
std::size_t InputSize();

// Peak resident memory is counted from the latest ResetPeakMemory on.
void ResetPeakMemory();
// The resident memory now (VmRSS), in bytes.
double ResidentMemory();
// Sets the bytes processed and the memory counters of state.
void ReportMemory(benchmark::State& state);

// Ends state's benchmark with an error, and makes ExitStatus report the failure.
void Fail(benchmark::State& state, const char* what);
// 0 when no benchmark failed, else 1.
int ExitStatus();

}  // namespace tavrelbench
