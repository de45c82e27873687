#pragma once
// Registry scripts (.reg files), the format the registry editor imports and exports: one
// writer and one reader.
//
//     Windows Registry Editor Version 5.00
//
//     ; a comment
//
//     [-HKEY_CLASSES_ROOT\txtfile]             <- the key and everything below it go
//
//     [HKEY_CLASSES_ROOT\txtfile]              <- the key is made when missing
//     @="Text Document"                        <- the default value
//     "EditFlags"=dword:00010000
//     "Old"=-                                  <- the value goes
//     "Path"=hex(2):25,00,53,00,79,00,73,00,\  <- long data go on over lines ending in "\"
//       00,00
//
// The writer writes the version 5 form: UTF-16LE with a byte-order mark, CRLF line ends. The
// reader reads that form and the older REGEDIT4 one, whose 8-bit text is in the code page of
// the machine that wrote it.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Exception.h"
#include "regscript/RegKey.h"

namespace regscript {

// One value line of a section: a value written, or (remove) the value of that name deleted.
struct Entry {
    Value value;
    bool remove = false;
    bool operator==(const Entry&) const = default;
};

// One section: "[path]" with its value lines, or "[-path]", which deletes the key.
struct Section {
    std::u16string path;  // full path, beginning with the root's name
    bool removeKey = false;
    std::vector<Entry> entries;
    bool operator==(const Section&) const = default;
};

struct Script {
    std::vector<std::u16string> comments;  // written after the first line, each after "; "
    std::vector<Section> sections;
    bool operator==(const Script&) const = default;
};

// A file that is no registry script, or a line that the reader cannot take; the message names
// the line.
class ScriptError : public Exception {
public:
    using Exception::Exception;
};

inline constexpr std::u16string_view kVersion5Header = u"Windows Registry Editor Version 5.00";
inline constexpr std::u16string_view kVersion4Header = u"REGEDIT4";

// The file's bytes in the version 5 form. Every value is written so that importing gives its
// type and bytes back exactly: REG_SZ as quoted text only when its data is one text with its
// NUL and no control characters, REG_DWORD as dword: only with exactly four bytes, every other
// value as hexadecimal bytes. A line break in a name is written as \n (or \r).
std::vector<std::uint8_t> WriteScript(const Script& script);

// Turns the bytes of an 8-bit file into UTF-16 text.
using Decoder = std::function<std::u16string(std::string_view)>;

// Reads a script. A file with a UTF-16LE byte-order mark is read as UTF-16; any other is 8-bit
// text, turned into UTF-16 by decode8bit. In a REGEDIT4 file the hexadecimal data of the string
// types are 8-bit text as well, and are read through decode8bit too. Raises ScriptError.
Script ReadScript(std::span<const std::uint8_t> file, const Decoder& decode8bit);

}  // namespace regscript
