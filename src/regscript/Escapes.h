#pragma once
// The characters that a quoted name or text of a registry script writes as a backslash and a
// letter, with the letter that stands for each.

#include <array>
#include <utility>

namespace regscript {

inline constexpr std::array<std::pair<char16_t, char16_t>, 4> kEscapes{{
    {u'\\', u'\\'},
    {u'"', u'"'},
    {u'\n', u'n'},
    {u'\r', u'r'},
}};

}  // namespace regscript
