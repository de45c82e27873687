#include "history/HistoryNames.h"

#include <algorithm>
#include <cstdio>

#include "base/AsciiCase.h"
#include "base/FileNameChars.h"

namespace {

// The title part stays well inside the path lengths that every program can open.
constexpr size_t kLongestTitle = 100;
constexpr std::u16string_view kExtension = u".reg";
// "2026-12-08 12-34-56.123 ": digits where the pattern has "9".
constexpr std::u16string_view kStampPattern = u"9999-99-99 99-99-99.999 ";

std::u16string ascii(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace

std::string CommentStamp(const Stamp& s) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", s.year, s.month, s.day,
                  s.hour, s.minute, s.second);
    return text;
}

std::u16string HistoryFileName(const Stamp& s, std::u16string_view title) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d-%02d-%02d.%03d ", s.year, s.month,
                  s.day, s.hour, s.minute, s.second, s.millisecond);
    std::u16string name = ascii(stamp);
    size_t length = std::min(title.size(), kLongestTitle);
    // A cut never parts the two halves of a surrogate pair.
    if (length < title.size() && title[length] >= 0xDC00 && title[length] < 0xE000) --length;
    for (char16_t c : title.substr(0, length)) name += UnfitForFileName(c) ? u'_' : c;
    return name + std::u16string(kExtension);
}

bool IsHistoryFileName(std::u16string_view name) {
    if (name.size() < kStampPattern.size() + kExtension.size()) return false;
    for (size_t i = 0; i < kStampPattern.size(); ++i) {
        const bool digit = name[i] >= u'0' && name[i] <= u'9';
        if (kStampPattern[i] == u'9' ? !digit : name[i] != kStampPattern[i]) return false;
    }
    return EqualIgnoringAsciiCase(name.substr(name.size() - kExtension.size()), kExtension);
}
