#include "icons/LibraryIcons.h"

#include "icons/IconExtract.h"

void ReleaseLibraryIcons(std::span<TIcon> slots) {
    for (TIcon& icon : slots) icon.reset();
}

std::int32_t LoadLibraryIcons(const std::string& file, std::span<TIcon> slots) {
    const unsigned count = CountIcons(file);
    const std::size_t loaded = count < slots.size() ? count : slots.size();
    for (std::size_t i = 0; i < loaded; ++i)
        slots[i] = ExtractIconFrom(file, static_cast<std::int32_t>(i));
    return static_cast<std::int32_t>(loaded);
}
