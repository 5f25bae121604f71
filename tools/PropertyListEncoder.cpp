// Encodes property-list sources into the stored lists the windows are built from.
//
//   property_list_encoder [--check] SOURCE.txt...
//
// For each SOURCE.txt, writes the encoded list to SOURCE.bin beside it (replacing the old file
// only once the new one is complete). With --check, writes nothing and reports every binary that
// differs from the encoding of its source. Every encoded list is read back for its class before
// it is written, so a list that the windows could not read is never stored.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/data/PropertyList.h"
#include "platform/data/PropertyListSource.h"

namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return std::move(bytes).str();
}

// Writes bytes to a temporary file beside path, then puts it in path's place.
bool WriteBytes(const fs::path& path, const std::string& bytes, std::string& problem) {
    fs::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            problem = "cannot write " + temporary.string();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        problem = "cannot replace " + path.string() + ": " + error.message();
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

// Encodes one source; returns false after telling why when it cannot.
bool Process(const fs::path& source, bool check) {
    fs::path binary = source;
    binary.replace_extension(".bin");
    const std::optional<std::string> text = ReadBytes(source);
    if (!text) {
        std::cerr << source.string() << ": cannot read the file.\n";
        return false;
    }
    platform::EncodedPropertyList encoded;
    try {
        encoded = platform::EncodePropertyListSource(source.filename().string(), *text);
        const auto entries = platform::ReadPropertyList(binary.filename().string(), encoded.bytes,
                                                        encoded.className);
        std::cout << binary.string() << ": " << entries.size() << " entries, "
                  << encoded.bytes.size() << " bytes, class " << encoded.className;
    } catch (const platform::PropertyListError& error) {
        std::cerr << error.what() << "\n";
        return false;
    }
    if (check) {
        const std::optional<std::string> stored = ReadBytes(binary);
        const bool same = stored && *stored == encoded.bytes;
        std::cout << (same ? ", up to date\n" : ", DIFFERS from its source\n");
        return same;
    }
    std::string problem;
    if (!WriteBytes(binary, encoded.bytes, problem)) {
        std::cout << "\n";
        std::cerr << problem << "\n";
        return false;
    }
    std::cout << ", written\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> sources;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--check") {
            check = true;
        } else if (argument.starts_with("-")) {
            std::cerr << "unknown option " << argument << "\n";
            return 2;
        } else {
            sources.emplace_back(argument);
        }
    }
    if (sources.empty()) {
        std::cerr << "usage: property_list_encoder [--check] SOURCE.txt...\n";
        return 2;
    }
    bool allGood = true;
    for (const fs::path& source : sources) {
        if (source.extension() != ".txt") {
            std::cerr << source.string() << ": a source's name must end in .txt\n";
            allGood = false;
            continue;
        }
        allGood = Process(source, check) && allGood;
    }
    return allGood ? 0 : 1;
}
