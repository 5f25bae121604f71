// Whole requests through the engine on a large generated SRT file, against a plain
// read-and-write copy of the same file.
//
//   bench_engine [--cues=N] [benchmark flags]     (or TAVREL_BENCH_CUES=N; default 1000000)
//
// Reports the bytes of the SRT file handled per second and the peak resident memory of each
// benchmark, also as a multiple of the file's size.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/AppProperties.h"
#include "engine/EngineHost.h"
#include "engine/SrtReader.h"
#include "platform/data/DialogBackend.h"
#include "platform/data/Listbox.h"
#include "platform/data/ScriptedDialogBackend.h"
#include "platform/data/TextField.h"

namespace {

class BenchHost : public engine::EngineHost {
public:
    BenchHost() { offset.Text("3"); }
    platform::Listbox& Listbox1() override { return cueList; }
    platform::TextField& TextField1() override { return offset; }
    engine::AppProperties& App() override { return app; }

    platform::Listbox cueList;
    platform::TextField offset;
    engine::AppProperties app;
};

long cueCount = 1000000;
std::filesystem::path folder;
std::string inputPath;
std::string outputPath;
std::size_t inputSize = 0;

std::string Timecode(long milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld,%03ld", milliseconds / 3600000,
                  milliseconds / 60000 % 60, milliseconds / 1000 % 60, milliseconds % 1000);
    return text;
}

// Subtitle lines of everyday length, some with accented letters, dashes and CJK text.
void GenerateInput() {
    static const char* const firstLines[] = {
        "I told you we would be late again,",
        "- Where are you going? - Home.",
        "Ce n'\xC3\xA9tait pas ma faute, je te jure.",
        "Das ist gr\xC3\xB6\xC3\x9F"
        "er als gedacht \xE2\x80\x94 viel gr\xC3\xB6\xC3\x9F"
        "er.",
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE5\xAD\x97\xE5\xB9\x95\xE3\x81\xA7\xE3"
        "\x81\x99\xE3\x80\x82",
    };
    static const char* const secondLines[] = {
        "but nobody listens to me anyway.",
        "We have to leave before it gets dark.",
        "\xC2\xBF"
        "Qu\xC3\xA9 quieres decir con eso, se\xC3\xB1or?",
        "It`s the last train tonight, isn't it?",
        "<i>The end of the line.</i>",
    };
    std::ofstream out(inputPath, std::ios::binary | std::ios::trunc);
    std::string block;
    for (long i = 0; i < cueCount; ++i) {
        const long start = i * 3000 + 500;
        block.assign(std::to_string(i + 1)).append("\n");
        block.append(Timecode(start)).append(" --> ").append(Timecode(start + 2400)).append("\n");
        block.append(firstLines[i % 5])
            .append("\n")
            .append(secondLines[(i / 5) % 5])
            .append("\n\n");
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    out.close();
    inputSize = std::filesystem::file_size(inputPath);
}

// Peak resident memory since the last ResetPeakMemory, in bytes (Linux: VmHWM).
void ResetPeakMemory() {
    if (std::FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

double PeakMemory() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) * 1024.0;
        }
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

void ReportMemory(benchmark::State& state) {
    const double peak = PeakMemory();
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_x_file"] = peak / static_cast<double>(inputSize);
    state.counters["file_MB"] = static_cast<double>(inputSize) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(inputSize));
}

// The floor: read the whole file, write it whole to a new file, flushed to the disk.
void BM_PlainCopy(benchmark::State& state) {
    ResetPeakMemory();
    for (auto _ : state) {
        std::string content(std::filesystem::file_size(inputPath), '\0');
        const int in = ::open(inputPath.c_str(), O_RDONLY);
        std::size_t got = 0;
        while (got < content.size()) {
            const ssize_t n = ::read(in, content.data() + got, content.size() - got);
            if (n <= 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        ::close(in);
        const int out = ::open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
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
    ReportMemory(state);
}

// One whole request, as the button runs it: open dialog, read, shift, export, save, write.
void BM_WholeRequest(benchmark::State& state) {
    platform::ScriptedDialogBackend dialogs;
    platform::InstallDialogBackend(&dialogs);
    ResetPeakMemory();
    for (auto _ : state) {
        auto host = std::make_unique<BenchHost>();
        dialogs.AnswerOpen(inputPath);
        dialogs.AnswerSave(outputPath);
        engine::ImportSRT(*host);
        if (!dialogs.Messages().empty() || host->cueList.ListCount() != cueCount) {
            state.SkipWithError("the request did not read every cue");
            break;
        }
        state.PauseTiming();
        host.reset();  // freeing a million rows is not part of the request
        state.ResumeTiming();
    }
    ReportMemory(state);
    platform::InstallDialogBackend(nullptr);
}

}  // namespace

BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WholeRequest)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (const char* fromEnvironment = std::getenv("TAVREL_BENCH_CUES")) {
        cueCount = std::atol(fromEnvironment);
    }
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--cues=", 7) == 0) {
            cueCount = std::atol(argv[i] + 7);
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (cueCount < 1) {
        std::fprintf(stderr, "The number of cues must be at least 1.\n");
        return 1;
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());

    std::string pattern = (std::filesystem::temp_directory_path() / "tavrel-bench-XXXXXX").string();
    folder = ::mkdtemp(pattern.data());
    inputPath = (folder / "movie.srt").string();
    outputPath = (folder / "movie_V2.srt").string();
    GenerateInput();
    std::fprintf(stderr, "%ld cues, %.1f MB in %s\n", cueCount,
                 static_cast<double>(inputSize) / 1e6, inputPath.c_str());

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
