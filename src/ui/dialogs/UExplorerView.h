#pragma once
// The read-only window "Explorer's view of .ext": what Explorer shows for an extension and
// why an edit made here may not show there. Opened for one extension, or for a file type
// with a list to pick each of its extensions in turn.

#include <windows.h>

#include <string>
#include <vector>

#include "explorer/ExplorerLookup.h"
#include "icons/TIcon.h"
#include "ui/window/Form.h"

class TfrmExplorerView : public TForm {
public:
    // The controls' ids; Close carries IDCANCEL, so that Escape presses it.
    enum : int {
        IDC_CBEXT = 101,  // the type's extensions, to pick one
        IDC_MEMWARNINGS,  // one line per reason an edit will not show
        IDC_LVSTEPS,      // one row per step: step, what Explorer reads, read from
        IDC_IMGICON,      // the icon DefaultIcon names
        IDC_IMGSHELLICON  // the icon the shell gives a file of the extension
    };

    // Builds the window hidden, centred on the screen.
    void Create();

    // Shows the view of the first of extensions (there must be one) modally. With pickable,
    // cbExt lists every extension to pick another; else it stays hidden.
    void ShowFor(const std::vector<std::string>& extensions, bool pickable);

    // The extension shown now, and its lookup.
    const std::string& Extension() const { return view_.extension; }
    const explorer::ExplorerView& View() const { return view_; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    HWND DefaultButton() const override { return btnClose; }
    void DpiChanged() override;

private:
    void cbExtChange();

    HWND lblExt = nullptr;
    HWND cbExt = nullptr;
    HWND memWarnings = nullptr;
    HWND lvSteps = nullptr;
    HWND lblIcon = nullptr;
    HWND imgIcon = nullptr;
    HWND lblShellIcon = nullptr;
    HWND imgShellIcon = nullptr;
    HWND btnClose = nullptr;
    void Fill(const std::string& extension);
    void FillSteps();
    // The two pictures of the extension shown, at the window's DPI.
    void ShowIcons();

    std::vector<std::string> extensions_;  // the rows of cbExt, in their order
    explorer::ExplorerView view_;
    TIcon icon_;
    TIcon shellIcon_;
};

// The caption of the window for ext.
std::string ExplorerViewCaption(const std::string& ext);
