#pragma once

#include <windows.h>

#include "app/Unique.h"

// An opened registry key. Predefined roots (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER) are
// borrowed and never put into one.
using UniqueKey = Unique<HKEY, RegCloseKey>;
