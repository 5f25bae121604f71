#include "engine/request/ImportSRT.h"

#include <new>
#include <string>

#include "engine/format/SrtCueReader.h"
#include "engine/format/SrtReadError.h"
#include "engine/format/Timecode.h"
#include "engine/request/DoSRT.h"
#include "platform/core/Memory.h"
#include "platform/core/Text.h"
#include "platform/data/Dialogs.h"
#include "platform/data/Encodings.h"

namespace engine {

namespace {

// Reads file into the cue list and hands over to DoSRT.
void ReadAndExport(EngineHost& host, platform::FolderItem& file) {
    std::unique_ptr<platform::TextInputStream> stream = file.OpenAsTextFile();
    host.App().srtName = file.Name();
    if (!stream) {
        platform::MsgBox("Could not load file.\n" + file.LastError());
        return;
    }
    stream->Encoding(platform::Encodings::UTF8);

    std::string refusal;
    try {
        ReadCues(host, *stream);
    } catch (const SrtReadError& error) {
        refusal =
            "Could not read the SRT file " + platform::Quoted(file.Name()) + ".\n" + error.what();
    } catch (const OffsetTooLargeException& error) {
        refusal = error.what();  // the file is not at fault: the message says what is
    }
    stream->Close();
    if (!refusal.empty()) {
        platform::MsgBox(refusal);
        return;
    }
    DoSRT(host);
}

// A request that ran out of memory lets go of all it built, so that the report of it can be
// made and shown, and the list box's view is reset to no rows rather than to half of them.
void ReleaseRequest(EngineHost& host) {
    host.Listbox1().DeleteAllRows();
    host.App().EmptyLists();
    platform::ReturnFreeMemory();
}

}  // namespace

void ImportSRT(EngineHost& host) {
    host.Listbox1().DeleteAllRows();

    std::optional<platform::FolderItem> file = platform::GetOpenFolderItem("text/srt");
    if (!file) {
        platform::MsgBox("Could not load file.");
        return;
    }
    // Reading, converting and writing take seconds on a long file; the user sees the
    // application busy then, but not while a dialog or message waits for them.
    const platform::BusyScope busy;
    try {
        ReadAndExport(host, *file);
    } catch (const std::bad_alloc&) {
        // Let go while still busy: when the busy state ends, the list box's view catches up
        // with the cue list, and it must find no half-built one then.
        ReleaseRequest(host);
        throw;
    } catch (...) {
        platform::ReturnFreeMemory();
        throw;
    }
    platform::ReturnFreeMemory();
}

}  // namespace engine
