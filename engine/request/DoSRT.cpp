#include "engine/request/DoSRT.h"

#include "engine/format/Timecode.h"
#include "engine/request/WriteShiftedCopy.h"
#include "platform/core/Text.h"

namespace engine {

namespace {

// A shifted timecode ("72.500") as an SRT timecode ("00:01:12,500"): its first "." becomes ",".
std::string SrtTimecode(std::string_view shifted) {
    std::string timecode = ReturnTimecodeSRT(platform::Val(shifted));
    if (const std::size_t point = timecode.find('.'); point != std::string::npos) {
        timecode[point] = ',';
    }
    return timecode;
}

}  // namespace

void DoSRT(EngineHost& host) {
    AppProperties& app = host.App();
    app.EmptyLists();

    const platform::Listbox& cueList = host.Listbox1();
    const auto rows = static_cast<std::size_t>(cueList.ListCount());
    app.startTimeArray.Reserve(rows);
    app.endTimeArray.Reserve(rows);
    app.textArray.Reserve(rows);
    for (std::int64_t i = 0; i < cueList.ListCount(); ++i) {
        app.startTimeArray.Append(cueList.Cell(i, 0));
        app.endTimeArray.Append(cueList.Cell(i, 1));
        app.textArray.Append(cueList.Cell(i, 2));
    }
    for (std::int64_t i = 0; i < cueList.ListCount(); ++i) {
        app.startTimeArray.Set(i, SrtTimecode(app.startTimeArray(i)));
        app.endTimeArray.Set(i, SrtTimecode(app.endTimeArray(i)));
    }

    WriteShiftedCopy(host);
}

}  // namespace engine
