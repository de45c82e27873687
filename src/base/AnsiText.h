#pragma once
// Text as the program's ...A calls take it, in UTF-16 for the few calls that must be wide.
// The program runs in UTF-8 where Windows allows it (its manifest), and then every ...A call
// converts through UTF-8, except GDI's: its text calls still convert through the system's code
// page. Text of any script is therefore drawn and compared through the wide calls.

#include <windows.h>

#include <string>
#include <string_view>

// The text converted from the process's code page (CP_ACP: UTF-8 under the manifest, the
// system's code page on older Windows), as the ...A calls convert it.
std::wstring WideFromAnsi(std::string_view text);

// The text converted to the process's code page; characters it lacks become its default
// character (on older Windows, whose code page is no UTF-8).
std::string AnsiFromWide(std::wstring_view text);
