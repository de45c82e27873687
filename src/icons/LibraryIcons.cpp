#include "icons/LibraryIcons.h"

#include <cstdint>
#include <vector>

#include "icons/IconExtract.h"

void ExtractIconRun(const std::string& file, std::size_t first, std::span<TIcon> icons, int size) {
    if (icons.empty()) return;
    // One pass over the file gives the whole run; asking for every icon on its own opens and
    // walks the whole file again each time. Some shells fill only the first handle of such a
    // batch unless they are also given room for the icons' resource ids.
    std::vector<HICON> handles(icons.size(), nullptr);
    std::vector<UINT> ids(icons.size(), 0);
    PrivateExtractIconsA(file.c_str(), static_cast<int>(first), size, size, handles.data(),
                         ids.data(), static_cast<UINT>(icons.size()), LR_DEFAULTCOLOR);
    for (std::size_t i = 0; i < icons.size(); ++i) icons[i] = IconFromShellResult(handles[i]);
    // An icon the pass did not give is asked for by its own index, so that each slot ends
    // as the extraction of that one index would leave it.
    for (std::size_t i = 0; i < icons.size(); ++i)
        if (icons[i].empty())
            icons[i] = ExtractIconAt(file, static_cast<std::int32_t>(first + i), size);
}

IconSlots::RunExtraction IconRunsOf(const std::string& file, int size) {
    return [file, size](std::size_t first, std::span<TIcon> icons) {
        ExtractIconRun(file, first, icons, size);
    };
}
