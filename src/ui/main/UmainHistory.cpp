// Undo, Redo and Refresh: the changes of this run walked back and forth through their history
// files, and the lists rebuilt from the registry afterwards, as after a change made by another
// program.

#include <windows.h>

#include <exception>
#include <string>

#include "base/Exception.h"
#include "catalogue/Scan.h"
#include "ui/main/CatalogueList.h"
#include "ui/system/ConfirmBox.h"
#include "ui/window/ErrorBoundary.h"
#include "ui/controls/ListBox.h"
#include "ui/system/ShellNotify.h"
#include "ui/main/Umain.h"

namespace {

// "Undo Delete File Type "txtfile"?", or, when another program changed its keys since,
// "The registry has changed since "Delete File Type txtfile". Undo it anyway?"
std::string question(const char* verb, const ChangeTitle& title, const ChangeTitle& since,
                     bool changed) {
    if (!changed) return std::string(verb) + " " + title.Quoted() + "?";
    return "The registry has changed since \"" + since.Plain() + "\". " + verb + " it anyway?";
}

// Runs a walk through the history. The shell hears of it, and the lists are rebuilt from the
// registry afterwards (by refresh), also when an error ended it half-way: what it wrote is in
// the lists then.
template <class Walk, class Refresh>
void walkAndRefresh(HWND owner, Walk walk, Refresh refresh) {
    try {
        NotifyWhenDone(walk);
    } catch (...) {
        RunGuarded(owner, refresh);
        throw;
    }
    refresh();
}

}  // namespace

void TfrmMain::UndoChange() {
    if (!FHistory.CanUndo()) return;
    const ChangeTitle title = FHistory.UndoTitle();
    // What this run may not put back is refused before the question: no answer could help.
    if (!MayRestore(FHistory.MachineKeysOfUndo(), title.Prefixed("Undo"))) return;
    if (!ConfirmBox(Handle(), question("Undo", title, title, FHistory.UndoTargetChanged()))) return;
    walkAndRefresh(
        Handle(), [this] { FHistory.Undo(); }, [this] { RefreshLists(); });
}

void TfrmMain::RedoChange() {
    if (!FHistory.CanRedo()) return;
    const ChangeTitle title = FHistory.RedoTitle();
    const ChangeTitle undone = title.Prefixed("Undo");
    if (!MayRestore(FHistory.MachineKeysOfRedo(), title.Prefixed("Redo"))) return;
    if (!ConfirmBox(Handle(), question("Redo", title, undone, FHistory.RedoTargetChanged())))
        return;
    walkAndRefresh(
        Handle(), [this] { FHistory.Redo(); }, [this] { RefreshLists(); });
}

void TfrmMain::RefreshLists() {
    const TEntry* selected = Catalogue().Entry(selectedRow(lb));
    const std::string selectedName = selected ? selected->Name : std::string();
    const bool hadSelection = selected != nullptr;
    const LRESULT top = SendMessageA(lb, LB_GETTOPINDEX, 0, 0);

    // A scan that fails half-way still shows what it read before it; keys it left out are
    // named once the lists are whole.
    std::exception_ptr failed;
    std::vector<std::string> leftOut;
    {
        RedrawPaused pause(lb);
        clearRows(lb);
        Catalogue().Clear();
        try {
            leftOut = ScanRegistry(Catalogue(), FKeyNames);
        } catch (...) {
            failed = std::current_exception();
        }
        SendMessageA(lb, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
        selectRow(lb, hadSelection ? Catalogue().FindType(selectedName) : -1);
    }
    lbClick();
    if (failed) std::rethrow_exception(failed);
    if (!leftOut.empty()) throw Exception(LeftOutMessage(leftOut));
}
