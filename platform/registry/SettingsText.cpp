#include "platform/registry/SettingsText.h"

#include <QByteArrayView>
#include <QStringDecoder>

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Printable text: valid UTF-8 without control characters (a tab is allowed).
bool IsText(std::string_view line) {
    bool ascii = true;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
            return false;
        }
        ascii = ascii && byte < 0x80;
    }
    if (ascii) {
        return true;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(QByteArrayView(line.data(), line.size()));
    if (decoder.hasError()) {
        return false;
    }
    for (const QChar c : decoded) {
        if (c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

}  // namespace

SettingsGroups ParseSettings(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    SettingsGroups groups;
    auto* group = &groups[std::string()];
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.size() > kMaxSettingsLine || !IsText(line)) {
            continue;
        }
        line = Trimmed(line);
        if (line.starts_with(';') || line.starts_with('#')) {
            continue;  // comments are not kept
        }
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            const std::string_view name = line.substr(1, line.size() - 2);
            if (name.find_first_of("[]") == std::string_view::npos) {
                group = &groups[std::string(name)];
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            continue;  // neither a group nor a value
        }
        const std::string_view name = Trimmed(line.substr(0, equals));
        (*group)[std::string(name)] = std::string(Trimmed(line.substr(equals + 1)));
    }
    if (groups.begin()->second.empty()) {
        groups.erase(groups.begin());  // no lines before the first group
    }
    return groups;
}

std::string FormatSettings(const SettingsGroups& groups) {
    std::string text;
    for (const auto& [group, values] : groups) {
        if (!group.empty()) {
            text += '[' + group + "]\n";
        }
        for (const auto& [name, value] : values) {
            text += name + '=' + value + '\n';
        }
        text += '\n';
    }
    return text;
}

}  // namespace platform
