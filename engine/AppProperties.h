#pragma once

#include <string>

#include "platform/core/StringList.h"

namespace engine {

// What the application object holds for the engine from one request to the next, in the order
// the application declares them.
struct AppProperties {
    platform::StringList endTimeArray;  // SRT timecodes of the ends, one per cue-list row
    std::string lastSecs;               // kept for the application's own use; the engine ignores it
    std::string lineBreakSymbol;        // "|" once a block with two text lines has been read
    platform::StringList secondsArray;  // emptied by every export, never filled
    std::string srtName;                // bare name, with extension, of the file last opened
    platform::StringList startTimeArray;  // SRT timecodes of the starts
    platform::StringList textArray;       // cue texts, their lines joined by the line-break symbol

    // Empties the four lists.
    void EmptyLists() {
        endTimeArray.RemoveAll();
        secondsArray.RemoveAll();
        startTimeArray.RemoveAll();
        textArray.RemoveAll();
    }
};

}  // namespace engine
