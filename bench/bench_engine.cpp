// Whole requests through the engine on a large generated SRT file, against a plain
// read-and-write copy of the same file.
//
//   bench_engine [--cues=N] [benchmark flags]     (or TAVREL_BENCH_CUES=N; default 1000000)
//
// Reports the bytes of the SRT file handled per second and the peak resident memory of each
// benchmark, also as a multiple of the file's size, and the resident memory of an idle process
// after a large request and after a small one that follows it.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "engine/AppProperties.h"
#include "engine/EngineHost.h"
#include "engine/request/ImportSRT.h"
#include "platform/core/Memory.h"
#include "platform/data/DialogBackend.h"
#include "platform/data/Listbox.h"
#include "platform/data/TextField.h"
#include "support/ScriptedDialogBackend.h"
#include "support/StandaloneHost.h"

namespace {

using tavrelbench::InputPath;
using tavrelbench::OutputPath;

using BenchHost = testing_support::StandaloneHost;

// The floor: read the whole file, write it whole to a new file, flushed to the disk.
void BM_PlainCopy(benchmark::State& state) {
    tavrelbench::ResetPeakMemory();
    for (auto _ : state) {
        std::string content(std::filesystem::file_size(InputPath()), '\0');
        const int in = ::open(InputPath().c_str(), O_RDONLY);
        std::size_t got = 0;
        while (got < content.size()) {
            const ssize_t n = ::read(in, content.data() + got, content.size() - got);
            if (n <= 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        ::close(in);
        const int out = ::open(OutputPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::size_t put = 0;
        while (put < got) {
            const ssize_t n = ::write(out, content.data() + put, got - put);
            if (n <= 0) {
                break;
            }
            put += static_cast<std::size_t>(n);
        }
        ::fsync(out);
        ::close(out);
        benchmark::DoNotOptimize(put);
    }
    tavrelbench::ReportMemory(state);
}

// One whole request, as the button runs it: open dialog, read, shift, export, save, write.
void BM_WholeRequest(benchmark::State& state) {
    platform::ScriptedDialogBackend dialogs;
    platform::InstallDialogBackend(&dialogs);
    tavrelbench::ResetPeakMemory();
    for (auto _ : state) {
        auto host = std::make_unique<BenchHost>();
        dialogs.AnswerOpen(InputPath());
        dialogs.AnswerSave(OutputPath());
        engine::ImportSRT(*host);
        if (!dialogs.Messages().empty() || dialogs.Launched().size() != 1 ||
            host->cueList.ListCount() != tavrelbench::CueCount()) {
            tavrelbench::Fail(state, "the request did not read and write every cue");
            break;
        }
        state.PauseTiming();
        host.reset();  // freeing a million rows is not part of the request
        dialogs.ClearRecords();
        state.ResumeTiming();
    }
    tavrelbench::ReportMemory(state);
    platform::InstallDialogBackend(nullptr);
}

// The memory a process keeps while it waits: before any request, after one on the large file
// (which keeps its cue list and lists until the next request) and after a small one that follows.
void BM_IdleMemory(benchmark::State& state) {
    const std::string small = OutputPath() + ".small.srt";
    if (std::FILE* file = std::fopen(small.c_str(), "w")) {
        std::fputs("1\n00:00:01,000 --> 00:00:02,000\nHi\n\n", file);
        std::fclose(file);
    }
    platform::ScriptedDialogBackend dialogs;
    platform::InstallDialogBackend(&dialogs);
    for (auto _ : state) {
        BenchHost host;
        platform::ReturnFreeMemory();  // what the benchmarks before this one let go of
        const double before = tavrelbench::ResidentMemory();
        dialogs.AnswerOpen(InputPath());
        dialogs.AnswerSave(OutputPath());
        engine::ImportSRT(host);
        const double afterLarge = tavrelbench::ResidentMemory();
        dialogs.AnswerOpen(small);
        dialogs.AnswerSave(OutputPath());
        engine::ImportSRT(host);
        const double afterSmall = tavrelbench::ResidentMemory();
        if (!dialogs.Messages().empty() || host.cueList.ListCount() != 1) {
            tavrelbench::Fail(state, "a request did not go through");
            break;
        }
        dialogs.ClearRecords();
        state.counters["idle_before_MB"] = before / 1e6;
        state.counters["idle_after_large_MB"] = afterLarge / 1e6;
        state.counters["idle_after_small_MB"] = afterSmall / 1e6;
    }
    platform::InstallDialogBackend(nullptr);
    std::remove(small.c_str());
}

}  // namespace

BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WholeRequest)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_IdleMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv) {
    if (!tavrelbench::Initialize(argc, argv)) {
        return 1;
    }
    tavrelbench::GenerateInput();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tavrelbench::RemoveFiles();
    return tavrelbench::ExitStatus();
}
