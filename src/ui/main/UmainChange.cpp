// How a command writes the classes: where each write goes, asked before the first one, the
// change recorded, the shell told; and the restart as administrator that the refusals offer.

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "base/AnsiText.h"
#include "base/Exception.h"
#include "icons/IconExtract.h"
#include "registry/ClassesView.h"
#include "ui/main/Umain.h"
#include "ui/system/ConfirmBox.h"
#include "ui/system/ShellNotify.h"
#include "ui/window/ErrorBoundary.h"

namespace {

// The window a question stands over: the modal one that runs the command, or the main window.
HWND ownerOf(HWND main) {
    const HWND modal = ActiveModalWindow();
    return modal ? modal : main;
}

}  // namespace

bool TfrmMain::MakeChange(const ChangeTitle& title, const ClassesPlan& plan,
                          const std::function<void()>& before) {
    ClassesView view;
    const ClassesPlan needed = LeaveOutUnchanged(plan, view);
    if (needed.empty()) {
        // Nothing changes in the registry: nothing to ask or to record.
        if (before) before();
        return true;
    }
    const PlanDecision decision = DecidePlan(needed, view);
    WriteMode mode = WriteMode::AsTheView;
    switch (decision.kind) {
        case PlanDecision::Kind::Write:
            break;
        case PlanDecision::Kind::AskForYouOnly:
        case PlanDecision::Kind::AskDeleteYours:
            if (!ConfirmBox(ownerOf(Handle()), DecisionText(decision))) return false;
            mode = WriteMode::ForYouOnly;
            break;
        case PlanDecision::Kind::RefuseDelete:
        case PlanDecision::Kind::RefuseRename:
            if (ConfirmBox(ownerOf(Handle()), DecisionText(decision))) RestartAsAdministrator();
            return false;
    }
    try {
        FHistory.Record(title, PartsWritten(needed, view, mode), [&] {
            if (before) before();
            NotifyWhenDone([&] { view.Apply(needed, mode); });
        });
    } catch (...) {
        // The lists show what the registry holds, not what the command meant to write.
        RunGuarded(Handle(), [this] { RefreshLists(); });
        throw;
    }
    return true;
}

bool TfrmMain::MayRestore(const std::vector<std::string>& machineKeys, const ChangeTitle& title) {
    ClassesView view;
    for (const std::string& key : machineKeys) {
        const ClassesWrite write = view.KeyPresent(key) ? DeleteTree(key) : MakeKey(key);
        if (view.MachineTakes(write)) continue;
        if (ConfirmBox(Handle(), title.Quoted() +
                                     " changes the classes of all users of this computer, which "
                                     "only an administrator can change. Restart Kestrune as "
                                     "Administrator?"))
            RestartAsAdministrator();
        return false;
    }
    return true;
}

void TfrmMain::RestartAsAdministrator() {
    const std::wstring program = WideFromAnsi(OwnExecutablePath());
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.hwnd = Handle();
    run.lpVerb = L"runas";
    run.lpFile = program.c_str();
    run.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&run)) {
        const DWORD error = GetLastError();
        if (error == ERROR_CANCELLED) return;  // the user declined: this run goes on
        throw Exception("Kestrune cannot be started as administrator (error " +
                        std::to_string(error) + ")");
    }
    // The new run has started: this one ends as a close would end it, keeping its setting.
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}
