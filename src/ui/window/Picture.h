#pragma once
// Pictures of the windows kept as bitmap resources. Their transparent parts are stored in one
// colour, the one of the lower left pixel; a picture shown as it is gets them in the colour of
// the surface it sits on.
//
// The build makes each picture at 100, 150 and 200 percent of its designed size, resource
// name, name_150 and name_200, the larger ones drawn from the pixel art with its edges kept
// sharp. A window takes the one made for its scale; at a scale in between, the next larger one
// resampled pixel for pixel to the designed size x DPI / 96, which blurs nothing.

#include <windows.h>

#include "ui/window/Gdi.h"

// The bitmap resource name at dpi, loaded with LoadImageA's flags; an empty bitmap when there
// is no such resource.
UniqueBitmap LoadScaledPicture(const char* name, UINT dpi, UINT flags);

// The bitmap resource name at dpi with the colour of its lower left pixel replaced by
// background; an empty bitmap when there is no such resource.
UniqueBitmap LoadPictureOn(const char* name, COLORREF background, UINT dpi);
