// Round trips through whole requests on generated subtitle files: random cue lists written
// as SRT in many styles (line ends, byte-order mark, numbering, missing index and empty lines,
// empty lines after index lines, spacing and "." in timecodes, negative times, times without
// hours or fraction, position text after the end, hours of 100 and more, text lines of
// arbitrary bytes and of numbers), read and written again. The files are made so that a reader
// can tell every line's role; what is read is compared with the cue list as generated. With
// the offset 0 the copy is the cue list in its one plain form, and reading that copy again
// gives it byte for byte; with an offset every time moves by exactly that many seconds,
// stopping at zero.

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/EngineTestSupport.h"
#include "engine/request/ImportSRT.h"

namespace enginetest {
namespace {

struct Cue {
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
    std::string trailingText;  // after the end timecode, such as position values
    std::vector<std::string> lines;
};

// A line of only a number (blanks around it allowed). At the end of a block's text it would
// read as the next block's index line, so a block after one gets an index line of its own.
bool IsNumberOnly(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return false;
    }
    const std::size_t last = line.find_last_not_of(" \t");
    return std::all_of(line.begin() + static_cast<std::ptrdiff_t>(first),
                       line.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::string Escaped(const std::string& bytes) {
    std::string shown;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            shown += "\\n\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (u < 0x20 || u >= 0x7F || c == '\\') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            shown += hex;
        } else {
            shown += c;
        }
    }
    return shown;
}

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    std::vector<Cue> Cues() {
        std::vector<Cue> cues(static_cast<std::size_t>(Pick(0, 3) == 0 ? Pick(1, 2) : Pick(1, 12)));
        for (std::size_t k = 0; k < cues.size(); ++k) {
            Cue& cue = cues[k];
            cue.startMs = Chance(12) ? -Time() : Time();
            cue.endMs = Chance(8) ? Time() : cue.startMs + Pick(0, 10'000);
            if (Chance(5)) {
                static const char* const kPositions[] = {
                    "X1:100 X2:200 Y1:10 Y2:20", "position:10%,line:0", "align:start size:50%",
                    "line:10.5%", "A:1  B:2"};
                cue.trailingText = kPositions[Pick(0, 4)];
            }
            const int lineCount = Pick(0, 5);
            for (int i = 0; i < lineCount; ++i) {
                // Now and then a subtitle that reads just the next block's number.
                cue.lines.push_back(Chance(10) ? std::to_string(k + 2) : TextLine());
            }
        }
        return cues;
    }

    // The cues as an SRT file in a style drawn at random.
    std::string File(const std::vector<Cue>& cues) {
        const std::string eol = Chance(3) ? "\r\n" : (Chance(6) ? "\r" : "\n");
        const bool separate = !Chance(5);
        const bool numbered = !Chance(6);
        const bool dots = Chance(4);
        const bool spaced = Chance(5);
        const bool loose = Chance(4);  // unpadded fields where they keep their value
        const bool terse = Chance(4);  // no hours where they are 0, no fraction where it is 0
        // Between blocks that no empty line parts, an index line is known by its count.
        std::int64_t number = separate && Chance(2) ? Pick(0, 100'000) : 1;

        std::string file = Chance(4) ? "\xEF\xBB\xBF" : "";
        for (int i = Pick(0, 2); i > 0; --i) {
            file += eol;
        }
        for (std::size_t k = 0; k < cues.size(); ++k) {
            const bool afterNumber =
                k > 0 && !cues[k - 1].lines.empty() && IsNumberOnly(cues[k - 1].lines.back());
            const bool indexed =
                afterNumber || (k == 0 ? numbered || Chance(3) : numbered && !Chance(10));
            if (indexed) {
                file += Chance(8) ? "00" + std::to_string(number) : std::to_string(number);
                if (Chance(8)) {
                    file += " ";
                }
                file += eol;
                for (int i = Chance(6) ? Pick(1, 2) : 0; i > 0; --i) {
                    file += eol;  // empty lines after the index line
                }
            }
            ++number;
            const Cue& cue = cues[k];
            file += Timecode(cue.startMs, dots, spaced, loose, terse);
            file += spaced ? "  -->   " : (Chance(3) ? "-->" : " --> ");
            file += Timecode(cue.endMs, dots, spaced, loose, terse);
            if (!cue.trailingText.empty()) {
                file += " " + cue.trailingText + (Chance(3) ? "  " : "");
            }
            file += eol;
            for (const std::string& line : cue.lines) {
                file += line + eol;
                if (Chance(15)) {
                    file += eol;  // an empty line inside a block leaves no trace
                }
            }
            if (separate || k + 1 == cues.size()) {
                file += eol;
            }
        }
        for (int i = Pick(0, 2); i > 0; --i) {
            file += eol;
        }
        return file;
    }

    std::int64_t Offset() {
        static const std::int64_t kOffsets[] = {1, -1, 3, -3600, 360'000, -360'000, 86'400};
        return Chance(3) ? kOffsets[Pick(0, 6)] : Pick(-500'000, 500'000);
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int oneIn) { return Pick(1, oneIn) == 1; }

    std::int64_t Time() {
        const int kind = Pick(0, 9);
        const std::int64_t hours = kind < 5 ? 0 : (kind < 8 ? Pick(0, 99) : Pick(100, 20'000));
        return hours * 3'600'000 + Pick(0, 3'599'999);
    }

    std::string Timecode(std::int64_t ms, bool dots, bool spaced, bool loose, bool terse) {
        const std::string sign = ms < 0 ? (spaced ? "- " : "-") : "";
        ms = ms < 0 ? -ms : ms;
        std::string hours = std::to_string(ms / 3'600'000);
        std::string minutes = std::to_string(ms / 60'000 % 60);
        std::string seconds = std::to_string(ms / 1000 % 60);
        std::string millis = std::to_string(ms % 1000);
        millis.insert(0, 3 - millis.size(), '0');
        if (!loose) {
            hours.insert(0, hours.size() < 2 ? 2 - hours.size() : 0, '0');
            minutes.insert(0, 2 - minutes.size(), '0');
            seconds.insert(0, 2 - seconds.size(), '0');
        } else {
            // The digits after the "," are a decimal fraction: 4 stands for 400 milliseconds.
            while (millis.size() > 1 && millis.back() == '0') {
                millis.pop_back();
            }
            if (Chance(3)) {
                hours.insert(0, "000");
            }
        }
        const std::string colon = spaced ? " : " : ":";
        const bool withHours = !terse || ms >= 3'600'000 || Chance(2);
        const bool withFraction = !terse || ms % 1000 != 0 || Chance(2);
        return sign + (withHours ? hours + colon : "") + minutes + colon + seconds +
               (withFraction ? (spaced ? " " : "") + std::string(dots ? "." : ",") +
                                   (spaced ? " " : "") + millis
                             : "");
    }

    // A non-empty text line without a line end or "-->": arbitrary bytes, words with "|" and
    // backticks, whole numbers, blanks, UTF-8.
    std::string TextLine() {
        std::string line;
        switch (Pick(0, 5)) {
            case 0:
                for (int n = Pick(1, 24); n > 0; --n) {
                    char c;
                    do {
                        c = static_cast<char>(Pick(0, 255));
                    } while (c == '\r' || c == '\n');
                    line += c;
                }
                break;
            case 1: {
                static const char* const kWords[] = {"Hello", "world", "|",  "`", "It`s",
                                                     "a|b",   "-",     "->", ">", "||",
                                                     "\t",    "  ",    "1"};
                for (int n = Pick(1, 6); n > 0; --n) {
                    line += kWords[Pick(0, 12)];
                    line += Chance(2) ? " " : "";
                }
                break;
            }
            case 2:
                line = std::to_string(Pick(0, 200));
                if (Chance(3)) {
                    line = " " + line + "\t";
                }
                break;
            case 3:
                line = std::string(static_cast<std::size_t>(Pick(1, 3)), Chance(2) ? ' ' : '\t');
                break;
            case 4:
                line =
                    "Gr\xC3\xBC\xC3\x9F"
                    "e \xE2\x80\x94 caf\xC3\xA9 \xF0\x9F\x98\x80";
                break;
            default:
                line = "<i>Don`t</i> {\\an8} -- 100%";
                break;
        }
        while (line.find("-->") != std::string::npos) {
            line.replace(line.find("-->"), 3, "- >");
        }
        return line;
    }

    std::mt19937 rng_;
};

// The copy of cues with every time moved by offset seconds (stopping at zero): numbered from
// 1, "," before the milliseconds, LF line ends, backticks as apostrophes.
std::string PlainForm(const std::vector<Cue>& cues, std::int64_t offset) {
    std::string copy;
    for (std::size_t k = 0; k < cues.size(); ++k) {
        const Cue& cue = cues[k];
        copy += std::to_string(k + 1) + "\n";
        copy += PlainSrtTime(std::max<std::int64_t>(0, cue.startMs + offset * 1000)) + " --> " +
                PlainSrtTime(std::max<std::int64_t>(0, cue.endMs + offset * 1000));
        if (!cue.trailingText.empty()) {
            copy += " " + cue.trailingText;
        }
        copy += "\n";
        for (std::string line : cue.lines) {
            // Backticks become apostrophes, save those that may be a byte of a character:
            // all of them in a line with an ISO-2022 escape, and in a line that is not UTF-8
            // those right after a byte from 0x81 up.
            const bool iso2022 =
                line.find("\x1B$") != std::string::npos || line.find("\x1B(") != std::string::npos;
            const bool utf8 = testing_support::ConvertsFromUtf8(line);
            for (std::size_t i = 0; i < line.size(); ++i) {
                const bool mayBeSecondByte =
                    !utf8 && i > 0 && static_cast<unsigned char>(line[i - 1]) >= 0x81;
                if (line[i] == '`' && !iso2022 && !mayBeSecondByte) {
                    line[i] = '\'';
                }
            }
            copy += line + "\n";
        }
        if (cue.lines.empty()) {
            copy += "\n";
        }
        copy += "\n";
    }
    return copy;
}

class RoundTripTest : public EngineTest {
protected:
    // One whole request on content with the offset; the copy, or a failure naming the message.
    std::string Request(const std::string& content, std::int64_t offset) {
        dialogs.ClearRecords();
        host.offset.Text(std::to_string(offset));
        std::string copy = Import(content, "in.srt", "out.srt");
        EXPECT_THAT(dialogs.Messages(), IsEmpty());
        EXPECT_THAT(dialogs.Launched(), ElementsAre(folder.Path("out.srt")));
        return copy;
    }
};

constexpr unsigned kCases = 300;

TEST_F(RoundTripTest, GeneratedFilesComeBackInTheirPlainFormAndStayInIt) {
    for (unsigned seed = 1; seed <= kCases; ++seed) {
        Generator generate(seed);
        const std::vector<Cue> cues = generate.Cues();
        const std::string file = generate.File(cues);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", input:\n" + Escaped(file));

        const std::string expected = PlainForm(cues, 0);
        const std::string copy = Request(file, 0);
        ASSERT_EQ(Escaped(copy), Escaped(expected));
        EXPECT_EQ(host.cueList.ListCount(), static_cast<std::int64_t>(cues.size()));

        ASSERT_EQ(Escaped(Request(copy, 0)), Escaped(expected)) << "the plain form again";
    }
}

TEST_F(RoundTripTest, EveryTimeMovesByExactlyTheOffsetAndStopsAtZero) {
    for (unsigned seed = 1; seed <= kCases; ++seed) {
        Generator generate(seed + 100'000);
        const std::vector<Cue> cues = generate.Cues();
        const std::string file = generate.File(cues);
        const std::int64_t offset = generate.Offset();
        SCOPED_TRACE("seed " + std::to_string(seed) + ", offset " + std::to_string(offset) +
                     ", input:\n" + Escaped(file));

        ASSERT_EQ(Escaped(Request(file, offset)), Escaped(PlainForm(cues, offset)));
    }
}

}  // namespace
}  // namespace enginetest
