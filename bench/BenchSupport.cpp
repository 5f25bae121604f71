#include "BenchSupport.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/Files.h"

namespace tavrelbench {

namespace {

long cueCount = 1000000;
std::unique_ptr<testing_support::TemporaryFolder> folder;
std::string inputPath;
std::string outputPath;
std::size_t inputSize = 0;
bool anyFailed = false;

std::string Timecode(long milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld,%03ld", milliseconds / 3600000,
                  milliseconds / 60000 % 60, milliseconds / 1000 % 60, milliseconds % 1000);
    return text;
}

// A field of /proc/self/status given in kB ("VmHWM:", "VmRSS:"), in bytes; 0 when missing.
double StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(field.size())) * 1024.0;
        }
    }
    return 0;
}

double PeakMemory() {
    if (const double peak = StatusBytes("VmHWM:"); peak > 0) {
        return peak;
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

}  // namespace

bool Initialize(int& argc, char** argv) {
    if (const char* fromEnvironment = std::getenv("TAVREL_BENCH_CUES")) {
        cueCount = std::atol(fromEnvironment);
    }
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--cues=", 7) == 0) {
            cueCount = std::atol(argv[i] + 7);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    if (cueCount < 1) {
        std::fprintf(stderr, "The number of cues must be at least 1.\n");
        return false;
    }
    benchmark::Initialize(&argc, argv);
    return true;
}

long CueCount() {
    return cueCount;
}

// Subtitle lines of everyday length, some with accented letters, dashes and CJK text.
void GenerateInput() {
    folder = std::make_unique<testing_support::TemporaryFolder>();
    inputPath = folder->Path("movie.srt");
    outputPath = folder->Path("movie_V2.srt");

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
    std::fprintf(stderr, "%ld cues, %.1f MB in %s\n", cueCount,
                 static_cast<double>(inputSize) / 1e6, inputPath.c_str());
}

void RemoveFiles() {
    folder.reset();
}

const std::string& InputPath() {
    return inputPath;
}

const std::string& OutputPath() {
    return outputPath;
}

std::size_t InputSize() {
    return inputSize;
}

// Linux: writing 5 to clear_refs resets the peak (VmHWM) to the current resident size.
void ResetPeakMemory() {
    if (std::FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

double ResidentMemory() {
    return StatusBytes("VmRSS:");
}

void ReportMemory(benchmark::State& state) {
    const double peak = PeakMemory();
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_x_file"] = peak / static_cast<double>(inputSize);
    state.counters["file_MB"] = static_cast<double>(inputSize) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(inputSize));
}

void Fail(benchmark::State& state, const char* what) {
    anyFailed = true;
    state.SkipWithError(what);
}

int ExitStatus() {
    return anyFailed ? 1 : 0;
}

}  // namespace tavrelbench
