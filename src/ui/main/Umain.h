#pragma once
// The main window: the file-type list, the extension list, the icon library grid, the tool
// buttons and the icon labels, with the state the commands share. Its controls and state are
// its own; from outside, the window is driven by its messages and asked through Inspect.
//
// Adding a command: declare its handler below, define it in a file of its own
// (UmainExtCommands.cpp, ...), and give it its line in the table of UmainCommands.cpp.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Unique.h"
#include "catalogue/Catalogue.h"
#include "history/ChangeHistory.h"
#include "registry/ClassesPlan.h"
#include "icons/IconSlots.h"
#include "ui/main/CatalogueList.h"
#include "ui/controls/DragTracker.h"
#include "ui/window/Form.h"
#include "ui/window/Gdi.h"
#include "ui/system/OpenLibDialog.h"
#include "ui/dialogs/UActions.h"
#include "ui/dialogs/UEditAction.h"
#include "ui/dialogs/UExplorerView.h"

// Control ids; each is also the control's command identifier in WM_COMMAND and WM_DRAWITEM.
// They start above IDOK and IDCANCEL, which keyboard navigation sends to the window itself.
enum : int {
    IDC_LABEL2 = 100,
    IDC_LB,
    IDC_LABEL1,
    IDC_LBEXT,
    IDC_LABEL5,
    IDC_LBLIB,
    IDC_BTNADDEXT,
    IDC_BTNDELEXT,
    IDC_BTNFINDEXT,
    IDC_BTNADDFILETYPE,
    IDC_BTNDELFILETYPE,
    IDC_BTNCHANGEICON,
    IDC_BTNHELP,
    IDC_BTNINFO,
    IDC_BTNOPENLIBRARY,
    IDC_IMAGE1,
    IDC_LABEL3,
    IDC_LBLICONNAME,
    IDC_LABEL4,
    IDC_LBLICONOFFSET,
};

// Commands without a button: the items of the lists' context menus and the keys. A menu item
// that a button also has carries that button's id.
enum : int {
    IDM_UNDO = 200,  // Ctrl+Z
    IDM_REDO,        // Ctrl+Y
    IDM_REFRESH,     // F5
    IDM_EXPLORERVIEWTYPE,
    IDM_EXPLORERVIEWEXT,
    IDM_EXPORTTYPE,
    IDM_EXPORTEXT,
    IDM_COPYTYPENAME,
    IDM_COPYEXTNAME,
    IDM_OPEN,    // Enter: Properties of the type row that has the focus
    IDM_DELETE,  // Delete: of the list that has the focus
    IDM_COPY,    // Ctrl+C: the name of the focused list's row
    IDM_ACTIONS,
    IDM_RESTARTADMIN,  // the program started again, elevated
};

inline constexpr const char* kMainCaption = "Kestrune v1.1";
inline constexpr int kMainClientWidth = 690;
inline constexpr int kMainClientHeight = 492;
inline constexpr int kRowHeight = 36;  // rows of lb and cells of lbLib
inline constexpr int kLibColumns = 7;  // columns of lbLib
inline constexpr int kLibWidth = 243;  // lbLib's outer width
// Seven columns share lbLib's width: (243 + 7 - 3) div 7 = 35 pixels each.
inline constexpr int kLibColumnWidth = (kLibWidth + kLibColumns - 3) / kLibColumns;
inline constexpr int kLibSlots = 1024;  // icons of one library at most
inline constexpr const char* kNoSelectionText = "...";
inline constexpr COLORREF kIconLabelColour = RGB(0, 64, 0);

class TfrmMain : public TForm {
public:
    TfrmMain() = default;
    ~TfrmMain() override;

    // Builds the window hidden from its layout, then runs FormCreate (an error there is
    // shown in the error box and the window is created all the same).
    void Create();
    // Shows the window as the program's main window: FormShow first (an error there is
    // shown in the error box), then the window appears as showCommand says.
    void Show(int showCommand = SW_SHOWNORMAL);
    // Turns a key of the main window's thread into its shortcut's command; true when it did.
    // The message loop asks it first for every message. All the window's keys are in one
    // table (UmainKeys.cpp).
    bool TranslateShortcut(MSG& msg);
    // Opens the icon library at path into the grid, as choosing it in Open Library does: the
    // old library goes, the new file's icons fill the cells (1024 at most), cell 0 is selected
    // and the file's folder becomes the default folder. A file without icons leaves the grid
    // empty and the default folder as it was (LibraryPanel.cpp).
    void OpenLibraryFile(const std::string& path);

    // What the window holds beyond what its controls show, as one asks it from outside.
    struct Inspection {
        std::string defaultDir;             // the folder the next Open Library starts in
        std::vector<std::string> keyNames;  // every subkey of the classes, as the scan read them
        bool libraryEmpty = true;
        std::int32_t libraryIconCount = 0;
        std::string libraryFile;       // the file Open Library chose last
        DWORD libraryFilterIndex = 1;  // the filter entry chosen with it
        bool dragFromLibrary = false;  // where the last drag began
        bool dragVisible = false;      // a drag runs and shows
        bool canUndo = false;
    };
    Inspection Inspect() const;
    // The library's icons; LibraryIcon gives the one cell shows, extracted now when no cell
    // drew it yet.
    const IconSlots& LibraryIcons() const { return FLibIcons; }
    HICON LibraryIcon(int cell);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void DpiChanged() override;

private:
    // Handlers.
    void FormCreate();
    void FormShow() override;
    void FormClose();
    void lbDrawItem(HDC dc, int index, const RECT& rect, UINT state);
    void lbClick();
    void lbDblClick();
    void btnInfoClick();
    void btnHelpClick();
    void btnChangeIconClick();                                            // UmainProperties.cpp
    void lbLibDrawItem(HDC dc, int index, const RECT& rect, UINT state);  // LibraryPanel.cpp
    void btnAddExtClick();                                                // UmainExtCommands.cpp
    void btnDelExtClick();
    void btnFindExtClick();
    void btnAddFileTypeClick();  // UmainTypeCommands.cpp
    void btnDelFileTypeClick();
    void btnOpenLibraryClick();  // LibraryPanel.cpp
    // Drag and drop onto lb (UmainDragDrop.cpp): the starts, whether lb takes what source
    // drags, and the drop at (x, y) in lb's client coordinates.
    void lbExtStartDrag();
    void lbLibStartDrag();
    bool lbDragOver(HWND source);
    void lbDragDrop(int x, int y);
    void DropLibraryIcon(int target);
    void MoveExtension(int target);
    // Puts lbLib and lbExt in automatic drag mode with lb as the place to drop.
    void AttachDragAndDrop();
    // Explorer's view of the selected extension, or of the selected type's extensions
    // (UmainExplorerView.cpp).
    enum class ViewOf { Extension, Type };
    void ExplorerViewClick(ViewOf of);
    // Export: the selected type's key with its extensions' keys, or the selected extension's
    // key, written as a registry script to a file chosen in the save dialog (UmainExport.cpp).
    void ExportClick(ViewOf of);
    // The context menu of lb or lbExt at a screen point; a right-click on a row selects it
    // first, as a click does (UmainContextMenu.cpp).
    void ListContextMenu(HWND list, LPARAM at);
    // The Actions window of the selected type, whose buttons run RunActionCommand on that type
    // (UmainActions.cpp). Each command asks, records the type's shell key, writes through the
    // one writer of actions and tells the shell; it returns the name of the action to select
    // afterwards, or the empty text.
    void ActionsClick();
    std::string RunActionCommand(const std::string& typeName, const ActionRequest& request);
    // Copies the selected type's key name or the selected extension to the clipboard.
    void CopyNameClick(ViewOf of);
    // History (UmainHistory.cpp). Undo and Redo ask first, write, tell the shell and rebuild
    // the lists from the registry; Refresh only rebuilds them, keeping the selected type.
    void UndoChange();
    void RedoChange();
    void RefreshLists();
    // Writes plan as the change called title, recorded first, after asking the user where the
    // machine's part refuses a write (or refusing, with the offer to restart as administrator):
    // true when the change was made. Values the machine's part refuses and that hold the text
    // already are left out (LeaveOutUnchanged). before runs first, inside the change (the catalogue and
    // the lists that follow the writes). After an error half-way the lists are read again from
    // the registry, and the error goes on (UmainChange.cpp).
    bool MakeChange(const ChangeTitle& title, const ClassesPlan& plan,
                    const std::function<void()>& before = {});
    // Undo and Redo of a change of the machine's part, where it may not be written: false after
    // the refusal that offers the restart.
    bool MayRestore(const std::vector<std::string>& machineKeys, const ChangeTitle& title);
    // Starts the program again, elevated, and ends this run once the new one started; a
    // declined elevation changes nothing.
    void RestartAsAdministrator();
    // Enter, Delete and Ctrl+C act on the list that has the focus (UmainKeys.cpp).
    void KeyCommand(int id);

    // The setting DefaultDir.
    void LoadSettings();
    void SaveSettings();
    // Sets a label's caption and sizes the label to it, as wide as its text and one line high.
    void SetLabelCaption(HWND label, const std::string& text);

    void CreateControls();
    void AddToolButton(HWND& button, int id, int x, int y, const char* glyph, const char* hint);
    // Image1's picture at the window's DPI.
    void ShowImage1();
    // Runs the handler of a control's notification, a menu item's or a key's command
    // (UmainCommands.cpp).
    void Command(int id, int code);
    bool DrawItem(const DRAWITEMSTRUCT& item);
    LRESULT LabelColours(HDC dc, HWND label);

    // What the commands of the menus act on: the selected type's key name and its extensions,
    // or the selected extension (as both). False, after the plain message box that asks for a
    // selection, when there is none.
    struct Selection {
        std::string name;
        std::vector<std::string> extensions;
    };
    bool Selected(ViewOf of, Selection& selection);

    // Controls.
    HWND Label2 = nullptr;
    HWND lb = nullptr;
    HWND Label1 = nullptr;
    HWND lbExt = nullptr;
    HWND Label5 = nullptr;
    HWND lbLib = nullptr;
    HWND btnAddExt = nullptr;
    HWND btnDelExt = nullptr;
    HWND btnFindExt = nullptr;
    HWND btnAddFileType = nullptr;
    HWND btnDelFileType = nullptr;
    HWND btnChangeIcon = nullptr;
    HWND btnHelp = nullptr;
    HWND btnInfo = nullptr;
    HWND btnOpenLibrary = nullptr;
    HWND Image1 = nullptr;
    HWND Label3 = nullptr;
    HWND lblIconName = nullptr;
    HWND Label4 = nullptr;
    HWND lblIconOffset = nullptr;
    HWND Hints = nullptr;       // the tooltip window that shows the tool buttons' hints
    TOpenLibDialog OpenLibDlg;  // its FileName is the path of the library in lbLib

    // State shared by the commands.
    std::string FDefaultDir;
    std::vector<std::string> FKeyNames;
    // Slot i is icon i of the library; a cell's icon is extracted when the cell is first drawn.
    IconSlots FLibIcons{kLibSlots};
    std::int32_t FLibIconCount = 0;
    bool FLibEmpty = true;
    std::string libraryPath_;  // the file whose icons the grid shows
    bool FDragFromLib = false;
    DragTracker FDragTracker;                         // the drags of lbLib and lbExt
    ChangeHistory FHistory;                           // this run's changes, for Undo and Redo
    std::unique_ptr<TfrmExplorerView> FExplorerView;  // made at its first use
    std::unique_ptr<TfrmActions> FActions;            // made at the first Actions command
    std::unique_ptr<TfrmEditAction> FEditAction;      // with it

    UniqueBitmap image1Bitmap_;
    UniqueAccelerators shortcuts_;  // the window's keys, made at their first use
    HWND focused_ = nullptr;        // the control that gets the focus back when the window does
};

// The program's main window, created by the program block.
extern TfrmMain* frmMain;
