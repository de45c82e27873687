#pragma once
// The cursor a drag shows while the control under it accepts the drop: the arrow carrying
// a small sheet. The refusing cursor is the system's IDC_NO.

#include <windows.h>

#include "base/Unique.h"

using UniqueCursor = Unique<HCURSOR, DestroyCursor>;

UniqueCursor MakeDragCursor();
