// Backticks in Shift-JIS, Big5, GBK and ISO-2022-JP text, judged by the C library's converter
// rather than by bytes: lines drawn at random from a pool of characters are written in each
// encoding, whole files of them go through a request, and each line of the copy must decode to
// the characters of its line, a backtick only ever becoming an apostrophe.

#include <gmock/gmock.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/EngineTestSupport.h"
#include "platform/core/Text.h"

namespace enginetest {
namespace {

using testing_support::Converted;

// The characters of the lines, in UTF-8: half-width katakana (one byte from 0xA1 up in
// Shift-JIS); characters with a byte 0x60 in Shift-JIS (〜 チ 伝 濮), Big5 (亡 奈 常), GBK
// (乣 僠 揱 ー) and ISO-2022-JP (ム 萎 凍 燹); other kana and hanzi; ASCII. Each encoding
// draws from those it can write.
const char* const kPool[] = {"ｶ",  "ﾃ",  "ｽ",  "ﾄ",  "ｱ",  "ﾒ",  "〜", "チ", "伝", "濮",
                             "亡", "奈", "常", "乣", "僠", "揱", "ー", "ム", "萎", "凍",
                             "燹", "あ", "の", "日", "中", "文", "a",  "Z",  " ",  "|"};

// bytes in encoding as characters; nothing when they are not well-formed there.
std::optional<std::u32string> Characters(const std::string& bytes, const char* encoding) {
    const std::optional<std::string> utf32 = Converted(bytes, encoding, "UTF-32LE");
    if (!utf32) {
        return std::nullopt;
    }
    std::u32string characters;
    for (std::size_t at = 0; at + 4 <= utf32->size(); at += 4) {
        char32_t c = 0;
        for (int k = 3; k >= 0; --k) {
            c = c << 8 | static_cast<unsigned char>((*utf32)[at + static_cast<std::size_t>(k)]);
        }
        characters += c;
    }
    return characters;
}

// Checks written, the copy's line for line, both in encoding. A line with an ISO-2022 escape
// keeps every backtick; a line whose bytes happen to be UTF-8 is read as UTF-8 and loses every
// one; in any other line a backtick at the start or after an ASCII character must turn, and
// one after another character may stay.
void ExpectSameButBackticks(const std::string& line, const std::string& written,
                            const char* encoding) {
    SCOPED_TRACE(platform::Quoted(line) + " written as " + platform::Quoted(written));
    const bool escaped =
        line.find("\x1B$") != std::string::npos || line.find("\x1B(") != std::string::npos;
    const bool utf8 = !escaped && testing_support::ConvertsFromUtf8(line);
    const char* readAs = utf8 ? "UTF-8" : encoding;
    const std::optional<std::u32string> before = Characters(line, readAs);
    const std::optional<std::u32string> after = Characters(written, readAs);
    ASSERT_TRUE(before.has_value());
    ASSERT_TRUE(after.has_value()) << "the copy's line is not " << readAs;
    ASSERT_EQ(after->size(), before->size());
    for (std::size_t i = 0; i < before->size(); ++i) {
        const char32_t was = (*before)[i];
        const char32_t now = (*after)[i];
        if (was != U'`') {
            EXPECT_EQ(now, was) << "character " << i;
        } else if (escaped) {
            EXPECT_EQ(now, U'`') << "character " << i;
        } else if (utf8 || i == 0 || (*before)[i - 1] < 0x80) {
            EXPECT_EQ(now, U'\'') << "character " << i;
        } else {
            EXPECT_TRUE(now == U'`' || now == U'\'') << "character " << i;
        }
    }
}

class BacktickEncodingsTest : public EngineTest {};

TEST_F(BacktickEncodingsTest, CopiesDecodeToTheSameCharactersBacktickForApostrophe) {
    for (const char* encoding : {"SHIFT_JIS", "BIG5", "GBK", "ISO-2022-JP"}) {
        std::vector<std::string> pool;
        for (const char* c : kPool) {
            if (Converted(c, "UTF-8", encoding)) {
                pool.push_back(c);
            }
        }
        for (unsigned seed = 1; seed <= 40; ++seed) {
            SCOPED_TRACE(std::string(encoding) + ", seed " + std::to_string(seed));
            std::mt19937 rng(seed);
            const auto pick = [&rng](std::size_t low, std::size_t high) {
                return std::uniform_int_distribution<std::size_t>(low, high)(rng);
            };
            std::string file;
            std::vector<std::vector<std::string>> cues(pick(1, 6));
            for (std::size_t k = 0; k < cues.size(); ++k) {
                file += std::to_string(k + 1) + "\n00:00:01,000 --> 00:00:02,000\n";
                cues[k].resize(pick(1, 3));
                for (std::string& line : cues[k]) {
                    std::string text;
                    for (std::size_t n = pick(1, 10); n > 0; --n) {
                        text += pick(0, 2) == 0 ? "`" : pool[pick(0, pool.size() - 1)];
                    }
                    line = Converted(text, "UTF-8", encoding).value();
                    file += line + "\n";
                }
                file += "\n";
            }

            const std::string copy = Import(file, "in.srt", "out.srt");
            // The copy: an index line, a timecode line, the text lines and an empty line for
            // each block.
            std::vector<std::string> written;
            for (std::size_t begin = 0; begin < copy.size();) {
                const std::size_t end = std::min(copy.find('\n', begin), copy.size());
                written.push_back(copy.substr(begin, end - begin));
                begin = end + 1;
            }
            std::size_t at = 0;
            for (const std::vector<std::string>& lines : cues) {
                at += 2;
                for (const std::string& line : lines) {
                    ASSERT_LT(at, written.size());
                    ExpectSameButBackticks(line, written[at++], encoding);
                }
                ASSERT_LT(at, written.size());
                EXPECT_EQ(written[at++], "");
            }
            EXPECT_EQ(at, written.size());
            if (HasFailure()) {
                return;  // one file's faults tell enough
            }
        }
    }
    EXPECT_THAT(dialogs.Messages(), IsEmpty());
}

}  // namespace
}  // namespace enginetest
