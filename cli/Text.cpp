#include "cli/Text.h"

#include <locale.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>

namespace cli {
namespace {

constexpr wchar_t kLastCodePoint = 0x10FFFF;

// Reads the text one character at a time with the C library's UTF-8 decoder, whatever the
// program's own locale: each call of `visit` gets a character's bytes and the character, or a
// single byte that begins none and nothing.
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    const locale_t previous = utf8 != locale_t{} ? uselocale(utf8) : locale_t{};
    for (std::size_t at = 0; at < text.size();) {
        std::mbstate_t state{};
        wchar_t character = 0;
        std::size_t length = utf8 != locale_t{} ? std::mbrtowc(&character, text.data() + at,
                                                               text.size() - at, &state)
                                                : static_cast<std::size_t>(-1);
        // The decoder reads a NUL as length 0 and takes code points above Unicode's last.
        const bool valid = length != 0 && length <= text.size() - at && character <= kLastCodePoint;
        if (!valid && static_cast<unsigned char>(text[at]) < 0x80) {
            length = 1;  // ASCII, NUL included, needs no decoder
            character = static_cast<unsigned char>(text[at]);
        } else if (!valid) {
            visit(text.substr(at, 1), false, wchar_t{0});
            ++at;
            continue;
        }
        visit(text.substr(at, length), true, character);
        at += length;
    }
    if (previous != locale_t{}) {
        uselocale(previous);
    }
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    ForEachCharacter(text, [&valid](std::string_view bytes, bool character, wchar_t) {
        valid += character ? bytes : std::string_view("\xEF\xBF\xBD");
    });
    return valid;
}

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : ValidUtf8(text)) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Printable(std::string_view text) {
    std::string printable;
    printable.reserve(text.size());
    ForEachCharacter(text, [&printable](std::string_view bytes, bool character, wchar_t c) {
        if (character && c == L'\\') {
            printable += "\\\\";
        } else if (character && c == L'\n') {
            printable += "\\n";
        } else if (character && c == L'\r') {
            printable += "\\r";
        } else if (character && c == L'\t') {
            printable += "\\t";
        } else if (character && (c == L' ' || std::iswgraph(c))) {
            printable += bytes;
        } else {
            for (const char byte : bytes) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(byte));
                printable += escape;
            }
        }
    });
    return printable;
}

}  // namespace cli
