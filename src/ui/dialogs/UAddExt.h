#pragma once
// The Add Extension dialog: one edit box for an extension, OK and Cancel. Add Extension and
// Find Extension share it and give it their caption at each use; the typed text stays in the
// edit box from one use to the next.

#include <windows.h>

#include <optional>
#include <string>

#include "ui/controls/GlyphButton.h"
#include "ui/window/Form.h"

class TfrmAddExt : public TForm {
public:
    // The edit box's id; OK and Cancel carry IDOK and IDCANCEL.
    static constexpr int IDC_EDIT1 = 101;

    // Builds the dialog hidden, centred on the screen.
    void Create();

    // Shows the dialog modally under caption, with the text the last use left, all of it
    // selected. The text exactly as typed when the dialog was closed with OK; nothing when it
    // was closed any other way.
    std::optional<std::string> Ask(const std::string& caption);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void FormShow() override;
    HWND DefaultButton() const override;
    void DpiChanged() override;

private:
    void BitBtn1Click() { ModalResult = mrOk; }
    void BitBtn2Click() { ModalResult = mrCancel; }

    HWND Label1 = nullptr;
    HWND Edit1 = nullptr;
    HWND BitBtn1 = nullptr;  // OK: the default button
    HWND BitBtn2 = nullptr;  // Cancel: answers Escape
    OkCancelGlyphs glyphs_;
};

extern TfrmAddExt* frmAddExt;
