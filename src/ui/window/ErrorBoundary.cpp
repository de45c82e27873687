#include "ui/window/ErrorBoundary.h"

#include <exception>

#include "ui/window/Messages.h"

void ReportCurrentError(HWND owner) noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& e) {
            ShowErrorBox(owner, e.what());
        } catch (...) {
            ShowErrorBox(owner, "Unexpected error");
        }
    } catch (...) {
        // Not even the box could be shown (no memory for its text); the program goes on.
    }
}
