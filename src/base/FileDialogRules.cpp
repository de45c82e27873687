#include "base/FileDialogRules.h"

#include "base/FileNameChars.h"

std::string InitialFolderFor(const std::string& folder) {
    const std::size_t n = folder.size();
    if (n == 0 || folder[n - 1] != '\\') return folder;
    if (n >= 2 && folder[n - 2] == ':') return folder;
    return folder.substr(0, n - 1);
}

std::string FolderPart(const std::string& path) {
    const std::size_t last = path.find_last_of("\\:");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string NamePart(const std::string& path) {
    return path.substr(FolderPart(path).size());
}

std::string DialogFilter(const std::string& barSeparated) {
    std::string filter = barSeparated;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

std::string ExportFileName(const std::string& keyName) {
    std::string name = keyName;
    for (char& c : name)
        if (UnfitForFileName(static_cast<unsigned char>(c))) c = '_';
    return name + ".reg";
}
