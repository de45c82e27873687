#pragma once
// The rules around the program's file dialogs, as plain text: where a dialog starts, which
// folder a chosen file leaves behind, and the form of a filter.

#include <string>

// The folder a dialog starts in, from a folder kept with its trailing backslash: one
// trailing backslash goes, unless it follows a drive colon ("C:\" stays a drive's root).
std::string InitialFolderFor(const std::string& folder);

// The folder part of a path: every character up to and including the last "\" or ":";
// empty when there is neither.
std::string FolderPart(const std::string& path);

// The name part of a path: what follows its folder part.
std::string NamePart(const std::string& path);

// A filter of the form "text|pattern|text|pattern" as the dialog wants it: each bar a NUL,
// and the whole ended by two NULs.
std::string DialogFilter(const std::string& barSeparated);

// The file name an export of the key called keyName suggests: the name with ".reg", each
// character a file name cannot hold made "_".
std::string ExportFileName(const std::string& keyName);
