#pragma once

// What the engine's tests share: a window stand-in holding a cue list, an offset field and the
// application object's properties; a temporary folder; the scripted dialogs.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "engine/AppProperties.h"
#include "engine/EngineHost.h"
#include "platform/data/DialogBackend.h"
#include "platform/data/Listbox.h"
#include "platform/data/ScriptedDialogBackend.h"
#include "platform/data/TextField.h"

namespace enginetest {

class TestHost : public engine::EngineHost {
public:
    TestHost() { offset.Text("3"); }
    platform::Listbox& Listbox1() override { return cueList; }
    platform::TextField& TextField1() override { return offset; }
    engine::AppProperties& App() override { return app; }

    platform::Listbox cueList;
    platform::TextField offset;
    engine::AppProperties app;
};

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavrel-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string Path(std::string_view name) const { return (path_ / name).string(); }
    const std::filesystem::path& Folder() const { return path_; }

    // The names of the files in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string DataFile(std::string_view name) {
    return std::string(TAVREL_TEST_DATA_DIR) + "/" + std::string(name);
}

// A test with a host, a temporary folder and the scripted dialogs installed.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { platform::InstallDialogBackend(&dialogs); }
    void TearDown() override {
        platform::InstallDialogBackend(nullptr);
        EXPECT_EQ(dialogs.PendingAnswers(), 0u) << "a queued dialog answer was never asked for";
    }

    // The cells of row as one text: "start | end | text".
    std::string Row(std::int64_t row) {
        return host.cueList.Cell(row, 0) + " | " + host.cueList.Cell(row, 1) + " | " +
               host.cueList.Cell(row, 2);
    }

    TestHost host;
    TemporaryFolder folder;
    platform::ScriptedDialogBackend dialogs;
};

}  // namespace enginetest
