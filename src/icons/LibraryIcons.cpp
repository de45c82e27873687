#include "icons/LibraryIcons.h"

#include <vector>

#include "icons/IconExtract.h"

void ReleaseLibraryIcons(std::span<TIcon> slots) {
    for (TIcon& icon : slots) icon.reset();
}

std::int32_t LoadLibraryIcons(const std::string& file, std::span<TIcon> slots) {
    const unsigned count = CountIconsAt(file);
    const std::size_t loaded = count < slots.size() ? count : slots.size();
    if (loaded == 0) return 0;

    // One pass over the file gives icons 0 to loaded - 1 in their order, at the size and
    // colours ExtractIconA gives each of them; asking for every icon on its own opens and
    // walks the whole file again each time. Some shells fill only the first handle of such a
    // batch unless they are also given room for the icons' resource ids.
    std::vector<HICON> handles(loaded, nullptr);
    std::vector<UINT> ids(loaded, 0);
    PrivateExtractIconsA(file.c_str(), 0, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                         handles.data(), ids.data(), static_cast<UINT>(loaded), LR_DEFAULTCOLOR);
    for (std::size_t i = 0; i < loaded; ++i) slots[i] = IconFromShellResult(handles[i]);
    // An icon the pass did not give is asked for by its own index, so that each slot ends
    // as the extraction of that one index would leave it.
    for (std::size_t i = 0; i < loaded; ++i)
        if (slots[i].empty()) slots[i] = ExtractIconAt(file, static_cast<std::int32_t>(i));
    return static_cast<std::int32_t>(loaded);
}
