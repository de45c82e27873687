#pragma once
// The names of history files: when the change was made, to the millisecond, then what it was,
// so that the files sort by time and say what they hold:
//
//     2026-12-08 12-34-56.123 Delete File Type txtfile.reg
//
// No Win32 in here; names are UTF-16, as the file system holds them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A moment in local time.
struct Stamp {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

// "2026-12-08 12:34:56": the moment as the comment at the top of a history file gives it.
std::string CommentStamp(const Stamp& stamp);

// The file name of a change made at stamp and called title (its plain form). Characters that a
// file name cannot hold become "_", and a long title is cut to keep the path short.
std::u16string HistoryFileName(const Stamp& stamp, std::u16string_view title);

// True for a name that HistoryFileName can give: the folder may hold other files, which are
// never counted or deleted.
bool IsHistoryFileName(std::u16string_view name);
