#pragma once
// The icons of an icon library file (.icl, .dll, .exe, .ico) extracted into icon objects, many
// in one pass over the file, in the order of the file: icon i goes to its own slot. No window
// is involved, so the grids and their tests share these.

#include <cstddef>
#include <span>
#include <string>

#include "icons/IconExtract.h"
#include "icons/IconSlots.h"
#include "icons/TIcon.h"

// Extracts icons first, first + 1, ... of file into icons, as many as icons holds, in one pass
// over the file, size pixels square, in the colours ExtractIconA gives each of them. An icon
// that cannot be extracted leaves its slot empty. The file is taken as it is ("%" included).
void ExtractIconRun(const std::string& file, std::size_t first, std::span<TIcon> icons,
                    int size = kIconSize);
// The same, as the extraction that a grid's slots call for each run of cells about to be drawn.
IconSlots::RunExtraction IconRunsOf(const std::string& file, int size = kIconSize);
