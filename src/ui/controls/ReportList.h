#pragma once
// The list views the dialogs show their tables in (report style, whole rows selected): columns
// of designed widths shown at the window's DPI, and rows written a cell at a time.

#include <windows.h>

#include <span>
#include <string>

struct ReportColumn {
    const char* title;
    int width;  // at 96 DPI
};

// Selects whole rows and adds the columns at dpi.
void AddReportColumns(HWND list, std::span<const ReportColumn> columns, UINT dpi);
// The columns' widths made anew at dpi, after the window moved to a screen of another scale.
void ScaleReportColumns(HWND list, std::span<const ReportColumn> columns, UINT dpi);
// Column 0 adds the row; the other columns fill it.
void SetReportCell(HWND list, int row, int column, const std::string& text);
void SelectReportRow(HWND list, int row);
