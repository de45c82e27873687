#pragma once
// The one rule by which the windows grow with the display's scale: every length of their
// design (sizes, places, row heights, margins, icons and pictures) is laid out at 96 dots per
// inch and shown at dpi as length x dpi / 96, rounded half away from zero. At 96 every pixel
// stays exactly as designed. No Win32 here: where the DPI comes from is the windows' business.

inline constexpr int kDesignDpi = 96;

// designed x dpi / 96, rounded half away from zero (as MulDiv rounds).
int ScaleLength(int designed, int dpi);

// The pictures the build makes of each piece of pixel art, in percent of its designed size.
inline constexpr int kPictureScales[] = {100, 150, 200};

// The made picture (a percent of kPictureScales) that is drawn at dpi: the smallest one at
// least as large as the picture is shown there, else the largest. Shown at another size than
// its own, it is resampled pixel for pixel, never blurred.
int PictureScaleFor(int dpi);
