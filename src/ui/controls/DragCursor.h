#pragma once
// The cursor a drag shows while the control under it accepts the drop: the arrow carrying
// a small sheet. The refusing cursor is the system's IDC_NO.

#include <windows.h>

#include "base/Unique.h"

using UniqueCursor = Unique<HCURSOR, DestroyCursor>;

// The cursor size pixels square, its picture's 32 x 32 pixels each drawn as a block of the
// pixels nearest to it, so that its edges stay sharp at any size.
UniqueCursor MakeDragCursor(int size = 32);
