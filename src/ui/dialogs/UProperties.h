#pragma once
// The file type properties dialog: a type's description, key name ("File Type") and icon
// file, and a grid with every icon of that file (at most 256) to pick the icon from. The
// caller fills the three fields and SelectedIconIndex, shows the dialog modally and, after
// OK, reads the same four back; the dialog itself writes nothing anywhere.

#include <windows.h>

#include <cstdint>
#include <string>

#include "icons/IconSlots.h"
#include "ui/window/Form.h"
#include "ui/window/Gdi.h"
#include "ui/system/OpenIconDialog.h"

// The icon index chosen in the grid. Shared with the main window: it sets it before showing
// the dialog and reads it after OK.
extern std::int32_t SelectedIconIndex;

inline constexpr const char* kPropertiesCaption = "Properties";
inline constexpr int kPropertiesClientWidth = 369;
inline constexpr int kPropertiesClientHeight = 270;
inline constexpr int kPanel1Height = 89;
inline constexpr int kPanel2Height = 33;
inline constexpr int kIconGridColumns = 10;
inline constexpr int kIconCellHeight = 36;
inline constexpr int kIconGridSlots = 256;
inline constexpr int kDescriptionLength = 40;
inline constexpr int kTypeNameLength = 255;

// Column width of the icon grid for the grid's outer width: ten columns to the width.
constexpr int IconGridColumnWidth(int gridWidth) {
    return (gridWidth + 7) / kIconGridColumns;
}

// Left edge of the 32-pixel icon drawn in a cell: centred, the odd pixel to the right.
constexpr int IconLeftInCell(int cellLeft, int cellWidth) {
    return cellLeft + (cellWidth - 32) / 2;
}

class TfrmProperties : public TForm {
public:
    // Builds the dialog hidden, centred on the screen.
    void Create();

    // The texts of the three fields, exactly as they stand.
    std::string Description() const;
    std::string TypeName() const;
    std::string IconFile() const;
    // What the caller hands over: the three fields in their order (SelectedIconIndex apart).
    void SetFields(const std::string& description, const std::string& typeName,
                   const std::string& iconFile);

    // Items of the grid: min(IconCount, 256).
    int GridCount() const;

    // Handlers.
    void lbDrawItem(HDC dc, int index, const RECT& rect, UINT state);
    void lbClick();
    void lbDblClick();
    void btnBrowseClick();
    void btnOkClick() { ModalResult = mrOk; }
    void btnCancelClick() { ModalResult = mrCancel; }

    // Controls.
    HWND Panel1 = nullptr;
    HWND Label2 = nullptr;
    HWND Edit2 = nullptr;  // description, at most 40 typed characters
    HWND Label4 = nullptr;
    HWND Edit3 = nullptr;  // type key name, at most 255 typed characters
    HWND Label3 = nullptr;
    HWND Edit4 = nullptr;  // icon file, read-only
    HWND lb = nullptr;     // the icon grid
    HWND Panel2 = nullptr;
    HWND btnOk = nullptr;
    HWND btnCancel = nullptr;
    HWND btnBrowse = nullptr;
    TOpenIconDialog OpenDialog;

    // The icons of the grid while the dialog is shown: slot i is icon i of the icon file,
    // extracted when its cell is first drawn.
    IconSlots FIcons{kIconGridSlots};
    // The number of icons in the icon file as the shell counts them.
    unsigned IconCount = 0;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void FormShow() override;
    HWND DefaultButton() const override;
    void FormHide() override;

private:
    HWND addChild(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                  int w, int h, int id, DWORD exStyle = 0);
    void LoadIcons();
    void ClearIcons();
    // Panel1 along the top, Panel2 along the bottom, the grid between them.
    void Layout();
    void Command(int id, int code, HWND control);

    UniqueBitmap okGlyph_;
    UniqueBitmap cancelGlyph_;
};

extern TfrmProperties* frmProperties;
