#pragma once
// The start-up scan: reads the file associations from HKEY_CLASSES_ROOT and fills the catalogue.

#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

// Puts every subkey name of HKEY_CLASSES_ROOT into keyNames (enumeration order) and calls
// AddEntry for each extension key that names a type key with a description; no icon is
// extracted: a row gets its icon when it is first drawn (TCatalogue::RowIcon). A value of "-"
// counts as missing. A default value that is not text raises ERegistryException and ends the
// scan; the rows added before it stay.
void ScanRegistry(TCatalogue& catalogue, std::vector<std::string>& keyNames);
