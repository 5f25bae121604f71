#include "platform/core/Text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/core/Exceptions.h"

namespace platform {

StringList Split(std::string_view text, std::string_view delimiter) {
    StringList pieces;
    if (delimiter.empty()) {
        pieces.Append(std::string(text));
        return pieces;
    }
    std::size_t start = 0;
    for (std::size_t at = text.find(delimiter); at != std::string_view::npos;
         at = text.find(delimiter, start)) {
        pieces.Append(std::string(text.substr(start, at - start)));
        start = at + delimiter.size();
    }
    pieces.Append(std::string(text.substr(start)));
    return pieces;
}

std::string Replace(std::string_view text, std::string_view find, std::string_view replacement) {
    const std::size_t at = find.empty() ? std::string_view::npos : text.find(find);
    if (at == std::string_view::npos) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size() - find.size() + replacement.size());
    result.append(text.substr(0, at)).append(replacement).append(text.substr(at + find.size()));
    return result;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find.empty()) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at = text.find(find); at != std::string_view::npos;
         at = text.find(find, start)) {
        result.append(text.substr(start, at - start)).append(replacement);
        start = at + find.size();
    }
    result.append(text.substr(start));
    return result;
}

double Val(std::string_view text) {
    const std::size_t begin = SkipBlanks(text);
    std::size_t end = begin;
    const bool negative = end < text.size() && text[end] == '-';
    if (negative) {
        ++end;
    }
    // The digits, gathered as a whole number as long as that stays exact.
    std::uint64_t mantissa = 0;
    int significantDigits = 0;
    int decimals = 0;
    const auto gather = [&](bool afterPoint) {
        for (; end < text.size() && IsDigit(text[end]); ++end) {
            if (mantissa != 0 || text[end] != '0') {
                ++significantDigits;
            }
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[end] - '0');
            decimals += afterPoint ? 1 : 0;
        }
    };
    const std::size_t digitsBegin = end;
    gather(false);
    const std::string_view wholeDigits = text.substr(digitsBegin, end - digitsBegin);
    bool anyDigit = end > digitsBegin;
    if (end + 1 < text.size() && text[end] == '.' && IsDigit(text[end + 1])) {
        ++end;
        gather(true);
        anyDigit = true;
    }
    if (!anyDigit) {
        return 0.0;
    }
    // Up to 15 significant digits and 22 decimals, the whole number and the power of ten are
    // both exact Doubles, and one division rounds correctly: the same value from_chars gives.
    constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (significantDigits <= 15 && decimals <= 22) {
        const double value = static_cast<double>(mantissa) / powersOfTen[decimals];
        return negative ? -value : value;
    }
    double value = 0.0;
    const auto [ptr, error] =
        std::from_chars(text.data() + begin, text.data() + end, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        if (wholeDigits.find_first_not_of('0') == std::string_view::npos) {
            return negative ? -0.0 : 0.0;  // a fraction too small for a Double
        }
        // Too large for a Double: the largest one, so that every later step stays finite.
        return negative ? std::numeric_limits<double>::lowest()
                        : std::numeric_limits<double>::max();
    }
    return value;
}

std::string Str(double value) {
    if (value == 0.0) {
        return "0";  // also for -0.0: zero is not negative
    }
    constexpr double exactWholeNumbers = 9007199254740992.0;  // 2^53
    if (value == std::floor(value) && std::fabs(value) < exactWholeNumbers) {
        return Str(static_cast<std::int64_t>(value));
    }
    // Fixed format without a precision gives the shortest text that reads back as value.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

std::string Str(std::int64_t value) {
    return std::to_string(value);
}

std::string Format(double value, std::string_view mask) {
    const std::size_t point = mask.find('.');
    const std::size_t wholeDigits = point == std::string_view::npos ? mask.size() : point;
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(mask.size() - point - 1);

    // Room for the whole part of the largest Double, its sign, the point and every decimal.
    std::string buffer(
        std::numeric_limits<double>::max_exponent10 + 4 + static_cast<std::size_t>(decimals), '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    if (result.ec != std::errc{}) {
        throw RuntimeException("Cannot format the number " + Str(value) + ".");
    }
    std::string_view digits(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    std::string sign;
    if (!digits.empty() && digits.front() == '-') {
        digits.remove_prefix(1);
        // A value that rounds to zero keeps no sign: -0.0001 with "00.000" is 00.000.
        if (digits.find_first_not_of("0.") != std::string_view::npos) {
            sign = "-";
        }
    }
    const std::size_t whole = std::min(digits.find('.'), digits.size());
    std::string padding(whole < wholeDigits ? wholeDigits - whole : 0, '0');
    return sign + padding + std::string(digits);
}

double Floor(double value) {
    return std::floor(value);
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view Utf8Prefix(std::string_view text, std::size_t longest) {
    if (text.size() <= longest) {
        return text;
    }
    // A character is at most four bytes long: a cut that would fall inside one moves back
    // over at most three continuation bytes. Text that is not UTF-8 (a run of Latin-1 letters
    // looks like continuation bytes) is cut where asked.
    const auto continuation = [&](std::size_t at) {
        return (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    };
    std::size_t cut = longest;
    while (cut > 0 && longest - cut < 3 && continuation(cut)) {
        --cut;
    }
    return text.substr(0, continuation(cut) ? longest : cut);
}

namespace {

// The length of the well-formed UTF-8 character at the start of text, or 0 when none begins
// there.
std::size_t Utf8CharacterLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range the second byte must lie in
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong form
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;   // no overlong form
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// The code point of the well-formed UTF-8 character of the given length at the start of text.
char32_t Utf8CodePoint(std::string_view text, std::size_t length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = byte(0) & leadBits[length];
    for (std::size_t i = 1; i < length; ++i) {
        code = (code << 6) | (byte(i) & 0x3F);
    }
    return code;
}

// Whether a message would show the character as nothing, or as a plain space: the C1 controls,
// the no-break space, the zero-width spaces and joiners, the direction marks, the word joiner
// and the byte order mark.
bool IsInvisible(char32_t code) {
    return (code >= 0x80 && code <= 0xA0) || (code >= 0x200B && code <= 0x200F) || code == 0x2060 ||
           code == 0xFEFF;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        // Runs of ASCII, the common case, eight bytes at a time.
        std::uint64_t eight = 0;
        if (text.size() - at >= sizeof eight) {
            std::memcpy(&eight, text.data() + at, sizeof eight);
            if ((eight & 0x8080808080808080U) == 0) {
                at += sizeof eight;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = Utf8CharacterLength(text.substr(at));
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string Quoted(std::string_view text, std::size_t longest) {
    const std::string_view shown = Utf8Prefix(text, longest);
    std::string quoted(1, '"');
    quoted.reserve(shown.size() + 5);
    const auto escaped = [&quoted](unsigned char byte) {
        quoted.append("\\x").append(1, kHexDigits[byte >> 4]).append(1, kHexDigits[byte & 0xF]);
    };
    for (std::size_t at = 0; at < shown.size();) {
        const auto byte = static_cast<unsigned char>(shown[at]);
        if (byte == '"' || byte == '\\') {
            quoted.append(1, '\\').append(1, static_cast<char>(byte));
        } else if (byte == 0) {
            quoted += "\\0";
        } else if (byte == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            escaped(byte);
        } else if (byte >= 0x80) {
            const std::size_t length = Utf8CharacterLength(shown.substr(at));
            if (length == 0) {
                escaped(byte);
            } else {
                const char32_t code = Utf8CodePoint(shown.substr(at), length);
                if (IsInvisible(code)) {
                    quoted += "\\u";
                    for (int shift = 12; shift >= 0; shift -= 4) {
                        quoted += kHexDigits[(code >> shift) & 0xF];
                    }
                } else {
                    quoted.append(shown.substr(at, length));
                }
                at += length;
                continue;
            }
        } else {
            quoted += static_cast<char>(byte);
        }
        ++at;
    }
    if (shown.size() < text.size()) {
        quoted += "...";
    }
    quoted.push_back('"');
    return quoted;
}

}  // namespace platform
