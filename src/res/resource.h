#pragma once
// Names of the program's bitmap resources (Kestrune.rc). Icons are only MAINICON and NOICON.

#define BMP_ADDEXT "ADDEXT"          // green plus sign
#define BMP_DELEXT "DELEXT"          // green minus sign
#define BMP_FINDEXT "FINDEXT"        // magnifying glass
#define BMP_ADDTYPE "ADDTYPE"        // green folder with a plus sign
#define BMP_DELTYPE "DELTYPE"        // green folder with a minus sign
#define BMP_PROPERTIES "PROPERTIES"  // sliders and dials
#define BMP_HELP "HELPBUBBLE"        // speech bubble with a question mark
#define BMP_INFO "INFOSIGN"          // information sign
#define BMP_OPENLIB "OPENLIB"        // stack of files
#define BMP_IMAGE1 "IMAGE1"          // the decorative 120 x 48 picture of the main window
#define BMP_OK "OKGLYPH"             // green tick of OK buttons
#define BMP_CANCEL "CANCELGLYPH"     // red cross of Cancel buttons
