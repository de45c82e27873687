#include "registry/TRegistry.h"
#include "ui/Umain.h"

// HKEY_CURRENT_USER\Software\Morvane\Kestrune\Settings, value DefaultDir. The selections
// create the keys on the way; their results do not matter, as a failed one leaves the
// current key where it was and the value is then read or written there.
namespace {
constexpr const char* kSettingsKey = "Settings";
constexpr const char* kDefaultDirValue = "DefaultDir";
}  // namespace

void TfrmMain::LoadSettings() {
    TRegIniFile FReg("Software");
    FReg.SelectKey("Morvane", true);
    FReg.SelectKey("Kestrune", true);
    FDefaultDir = FReg.ReadText(kSettingsKey, kDefaultDirValue, "");
}

void TfrmMain::SaveSettings() {
    TRegIniFile FReg("Software");
    FReg.SelectKey("Morvane", true);
    FReg.SelectKey("Kestrune", true);
    FReg.WriteText(kSettingsKey, kDefaultDirValue, FDefaultDir);
}
