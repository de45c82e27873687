#pragma once
// The catalogue of the whole run, bound to the main window's file-type list: its rows are the
// rows of that list, its messages plain message boxes over the window.

#include <windows.h>

#include "catalogue/Catalogue.h"

TCatalogue& Catalogue();

// Makes list the file-type list the catalogue appends rows to and removes them from; a
// window that goes away unbinds its list again.
void BindCatalogueList(HWND list);
void UnbindCatalogueList(HWND list);

// The rows' icons are size pixels square from now on: each row's icon is extracted anew at
// that size when the row is next drawn.
void SetRowIconSize(int size);
