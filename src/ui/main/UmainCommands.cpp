// The main window's commands in one table: each control's notification, each menu item and
// each key, with the handler it runs. A menu item or a key that a button also has carries the
// button's id.

#include <windows.h>

#include <iterator>

#include "ui/main/Umain.h"

namespace {

struct Route {
    int id;
    int code;  // the notification; BN_CLICKED for a menu item or a key
    void (*run)(TfrmMain& form);
};

}  // namespace

void TfrmMain::Command(int id, int code) {
    using F = TfrmMain;
    static constexpr Route kRoutes[] = {
        {IDC_LB, LBN_SELCHANGE, [](F& f) { f.lbClick(); }},
        {IDC_LB, LBN_DBLCLK, [](F& f) { f.lbDblClick(); }},
        {IDC_BTNADDEXT, BN_CLICKED, [](F& f) { f.btnAddExtClick(); }},
        {IDC_BTNDELEXT, BN_CLICKED, [](F& f) { f.btnDelExtClick(); }},
        {IDC_BTNFINDEXT, BN_CLICKED, [](F& f) { f.btnFindExtClick(); }},
        {IDC_BTNADDFILETYPE, BN_CLICKED, [](F& f) { f.btnAddFileTypeClick(); }},
        {IDC_BTNDELFILETYPE, BN_CLICKED, [](F& f) { f.btnDelFileTypeClick(); }},
        {IDC_BTNCHANGEICON, BN_CLICKED, [](F& f) { f.btnChangeIconClick(); }},
        {IDC_BTNHELP, BN_CLICKED, [](F& f) { f.btnHelpClick(); }},
        {IDC_BTNINFO, BN_CLICKED, [](F& f) { f.btnInfoClick(); }},
        {IDC_BTNOPENLIBRARY, BN_CLICKED, [](F& f) { f.btnOpenLibraryClick(); }},
        {IDM_UNDO, BN_CLICKED, [](F& f) { f.UndoChange(); }},
        {IDM_REDO, BN_CLICKED, [](F& f) { f.RedoChange(); }},
        {IDM_REFRESH, BN_CLICKED, [](F& f) { f.RefreshLists(); }},
        {IDM_EXPLORERVIEWTYPE, BN_CLICKED, [](F& f) { f.ExplorerViewClick(ViewOf::Type); }},
        {IDM_EXPLORERVIEWEXT, BN_CLICKED, [](F& f) { f.ExplorerViewClick(ViewOf::Extension); }},
        {IDM_EXPORTTYPE, BN_CLICKED, [](F& f) { f.ExportClick(ViewOf::Type); }},
        {IDM_EXPORTEXT, BN_CLICKED, [](F& f) { f.ExportClick(ViewOf::Extension); }},
        {IDM_COPYTYPENAME, BN_CLICKED, [](F& f) { f.CopyNameClick(ViewOf::Type); }},
        {IDM_COPYEXTNAME, BN_CLICKED, [](F& f) { f.CopyNameClick(ViewOf::Extension); }},
        {IDM_OPEN, BN_CLICKED, [](F& f) { f.KeyCommand(IDM_OPEN); }},
        {IDM_DELETE, BN_CLICKED, [](F& f) { f.KeyCommand(IDM_DELETE); }},
        {IDM_COPY, BN_CLICKED, [](F& f) { f.KeyCommand(IDM_COPY); }},
        {IDM_RESTARTADMIN, BN_CLICKED, [](F& f) { f.RestartAsAdministrator(); }},
        {IDM_ACTIONS, BN_CLICKED, [](F& f) { f.ActionsClick(); }},
    };
    for (const Route& route : kRoutes)
        if (route.id == id && route.code == code) return route.run(*this);
}
