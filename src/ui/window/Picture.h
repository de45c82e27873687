#pragma once
// Pictures of the windows kept as bitmap resources. Their transparent parts are stored in one
// colour, the one of the lower left pixel; a picture shown as it is gets them in the colour of
// the surface it sits on.

#include <windows.h>

#include "ui/window/Gdi.h"

// The bitmap resource name with the colour of its lower left pixel replaced by background;
// an empty bitmap when there is no such resource.
UniqueBitmap LoadPictureOn(const char* name, COLORREF background);
