#pragma once
// The file type properties dialog: a type's description, key name ("File Type") and icon
// file, and a grid with every icon of that file (at most 256) to pick the icon from. The
// caller hands it a type's fields and gets the edited ones back on OK; the dialog itself
// writes nothing anywhere.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "icons/IconSlots.h"
#include "ui/controls/GlyphButton.h"
#include "ui/window/Form.h"
#include "ui/window/Gdi.h"
#include "ui/system/OpenIconDialog.h"

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

// Left edge of the icon of iconSize pixels (32 as designed) drawn in a cell: centred, the odd
// pixel to the right.
constexpr int IconLeftInCell(int cellLeft, int cellWidth, int iconSize = 32) {
    return cellLeft + (cellWidth - iconSize) / 2;
}

// A file type's fields as the dialog shows and hands them back.
struct TypeFields {
    std::string description;
    std::string name;      // the type key's name, "File Type"
    std::string iconFile;  // the path part of the icon location
    std::int32_t iconIndex = 0;
    // Handed back: whether the user chose the icon (picked a cell, or browsed to a file). The
    // icon the dialog shows without a choice may be its fallback, the program's own icons.
    bool iconChosen = false;
    // Handed to the dialog: for whom the type is set (registry/ClassesPlan.h PartsText).
    std::string where;
};

class TfrmProperties : public TForm {
public:
    // The controls' ids; OK and Cancel carry IDOK and IDCANCEL, so that Enter and Escape reach
    // them through the dialog manager.
    enum : int {
        IDC_PANEL1 = 100,
        IDC_LABEL2,
        IDC_EDIT2,  // description, at most 40 typed characters
        IDC_LABEL4,
        IDC_EDIT3,  // type key name, at most 255 typed characters
        IDC_LABEL3,
        IDC_EDIT4,  // icon file, read-only
        IDC_LB,     // the icon grid
        IDC_PANEL2,
        IDC_BTNBROWSE,
        IDC_LBLWHERE,  // for whom the type is set
    };

    // Builds the dialog hidden, centred on the screen.
    void Create();

    // Shows the dialog modally with fields: the fields as the user left them when it was
    // closed with OK (the icon file the dialog shows then, and the icon chosen in the grid, or
    // the index it was given when none was chosen); nothing when it was cancelled.
    std::optional<TypeFields> Edit(const TypeFields& fields);

    // What the dialog holds beyond what its controls show, while it is shown: the number of
    // icons the shell counts in the icon file, the icon index chosen so far, and the icons of
    // the grid (GridIcon: the one cell shows, extracted now when no cell drew it yet).
    unsigned IconsInFile() const { return IconCount; }
    std::int32_t ChosenIconIndex() const { return SelectedIconIndex; }
    const IconSlots& GridIcons() const { return FIcons; }
    HICON GridIcon(int cell);
    // The folder the next Browse starts in when the Icon field names none.
    const std::string& BrowseFolder() const { return OpenDialog.InitialDir; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void FormShow() override;
    HWND DefaultButton() const override;
    void FormHide() override;
    void DpiChanged() override;

private:
    // Handlers.
    void lbDrawItem(HDC dc, int index, const RECT& rect, UINT state);
    void lbClick();
    void lbDblClick();
    void btnBrowseClick();
    void btnOkClick() { ModalResult = mrOk; }
    void btnCancelClick() { ModalResult = mrCancel; }

    HWND addChild(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                  int w, int h, int id, DWORD exStyle = 0);
    std::string IconFile() const;
    void LoadIcons();
    void ClearIcons();
    // Panel1 along the top, Panel2 along the bottom, the grid between them.
    void Layout();
    void Command(int id, int code, HWND control);

    HWND Panel1 = nullptr;
    HWND Label2 = nullptr;
    HWND Edit2 = nullptr;
    HWND Label4 = nullptr;
    HWND Edit3 = nullptr;
    HWND Label3 = nullptr;
    HWND Edit4 = nullptr;
    HWND lb = nullptr;
    HWND Panel2 = nullptr;
    HWND btnOk = nullptr;
    HWND btnCancel = nullptr;
    HWND btnBrowse = nullptr;
    HWND lblWhere = nullptr;
    TOpenIconDialog OpenDialog;

    // The icons of the grid while the dialog is shown: slot i is icon i of the icon file,
    // extracted when its cell is first drawn.
    IconSlots FIcons{kIconGridSlots};
    // The number of icons in the icon file as the shell counts them.
    unsigned IconCount = 0;
    std::string iconPath_;  // the file the grid's icons come from, as the extraction takes it
    // The icon index chosen in the grid; given by the caller, handed back on OK.
    std::int32_t SelectedIconIndex = 0;
    bool FIconChosen = false;
    OkCancelGlyphs glyphs_;
};

extern TfrmProperties* frmProperties;
