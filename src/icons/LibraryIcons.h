#pragma once
// The icons of an icon library file (.icl, .dll, .exe, .ico) extracted into icon objects, many
// in one pass over the file, in the order of the file: icon i goes to its own slot. No window
// is involved, so the grids, their tests and the benchmark share these.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "icons/IconSlots.h"
#include "icons/TIcon.h"

// Releases the icon handle of every slot; afterwards each slot is empty.
void ReleaseLibraryIcons(std::span<TIcon> slots);

// Extracts icons first, first + 1, ... of file into icons, as many as icons holds, in one pass
// over the file, at the size and colours ExtractIconA gives each of them. An icon that cannot
// be extracted leaves its slot empty. The file is taken as it is ("%" included).
void ExtractIconRun(const std::string& file, std::size_t first, std::span<TIcon> icons);
// The same, as the extraction that a grid's slots call for each run of cells about to be drawn.
IconSlots::RunExtraction IconRunsOf(const std::string& file);

// Counts the icons of file and fills slots 0 up to that count, cut to the number of slots, in
// one pass over the file; returns how many slots now belong to the library (0 for a missing
// file, a file that cannot be read or one without icons). An icon that cannot be extracted leaves
// its slot empty but still counts. Slots at and above the result are left as they were. The
// file is the one a file dialog chose, taken as it is ("%" included).
std::int32_t LoadLibraryIcons(const std::string& file, std::span<TIcon> slots);
