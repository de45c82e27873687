#pragma once
// The start-up scan: reads the file associations from HKEY_CLASSES_ROOT and fills the catalogue.

#include <string>
#include <vector>

#include "catalogue/Catalogue.h"

// Puts every subkey name of the classes (the user's and the machine's, ClassesView.h) into
// keyNames (enumeration order) and calls
// AddEntry for each extension key that names a type key with a description; no icon is
// extracted: a row gets its icon when it is first drawn (TCatalogue::RowIcon). A value of "-"
// counts as missing. An extension is left out, too, when a default value the scan reads for
// it (of the extension key, the type key or its DefaultIcon) cannot be read as text; the
// result names those keys, in the order they were met.
std::vector<std::string> ScanRegistry(TCatalogue& catalogue, std::vector<std::string>& keyNames);

// The error box's text naming the keys a scan left out: the first ten, and how many more.
std::string LeftOutMessage(const std::vector<std::string>& keys);
