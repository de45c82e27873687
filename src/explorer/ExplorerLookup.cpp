#include "explorer/ExplorerLookup.h"

#include <algorithm>
#include <cstdint>

#include "base/AsciiCase.h"
#include "explorer/ContextMenu.h"

namespace explorer {

namespace {

constexpr int kMaxRedirections = 16;
constexpr const char* kUserChoiceKeys[] = {"UserChoiceLatest", "UserChoice"};
constexpr const char* kOwnIcon = "%1";

std::string classesPath(const std::string& key) {
    return std::string(kClassesPath) + "\\" + key;
}

Merged readMerged(LookupSource& source, const std::string& key, const std::string& valueName) {
    const std::optional<std::string> user =
        source.ReadText(Hive::User, classesPath(key), valueName);
    const std::optional<std::string> machine =
        source.ReadText(Hive::Machine, classesPath(key), valueName);
    Merged merged;
    merged.where = WhereOf(user.has_value(), machine.has_value());
    if (user && machine) merged.machineText = *machine;
    merged.text = user ? *user : machine.value_or("");
    return merged;
}

bool keyInClasses(LookupSource& source, const std::string& key) {
    return source.KeyExists(Hive::User, classesPath(key)) ||
           source.KeyExists(Hive::Machine, classesPath(key));
}

// The user's choice of default app: UserChoiceLatest, where Windows keeps it now, before
// UserChoice. Its ProgId is a value of the key, or of its subkey ProgId.
void readUserChoice(LookupSource& source, ExplorerView& view) {
    const std::string exts = std::string(kFileExtsPath) + "\\" + view.extension;
    for (const char* key : kUserChoiceKeys) {
        const std::string path = exts + "\\" + key;
        std::optional<std::string> progId = source.ReadText(Hive::User, path, "ProgId");
        if (!progId) progId = source.ReadText(Hive::User, path + "\\ProgId", "ProgId");
        if (progId && !progId->empty()) {
            view.userChoiceKey = key;
            view.userChoice = *progId;
            return;
        }
    }
}

// Type names compare with the case of ASCII letters ignored; letters outside ASCII are left to
// the registry itself, since a name that differs there only in their case is rare and harmless
// here (a circle is still caught when the same name comes round again).
void followCurVer(LookupSource& source, ExplorerView& view) {
    std::vector<std::string> seen{view.type};
    for (int i = 0; i < kMaxRedirections; ++i) {
        Redirection step{view.type, readMerged(source, view.type + "\\CurVer", ""), false};
        if (!step.to.present() || step.to.text.empty() ||
            EqualIgnoringAsciiCase(step.to.text, view.type))
            return;
        const bool circle = std::any_of(seen.begin(), seen.end(), [&](const std::string& s) {
            return EqualIgnoringAsciiCase(s, step.to.text);
        });
        step.followed = !circle && keyInClasses(source, step.to.text);
        view.curVer.push_back(step);
        if (circle) view.curVerCircle = true;
        if (!step.followed) return;
        view.type = step.to.text;
        seen.push_back(view.type);
    }
    view.curVerCircle = true;
}

void readIcon(LookupSource& source, ExplorerView& view) {
    view.defaultIcon = readMerged(source, view.type + "\\DefaultIcon", "");
    view.iconHandler = readMerged(source, view.type + "\\shellex\\IconHandler", "");
    if (!view.defaultIcon.present() || view.defaultIcon.text == kOwnIcon) return;
    view.iconExpanded = source.Expand(view.defaultIcon.text);
    view.iconLocation = SplitIconLocation(view.iconExpanded, IconReading::Shell);
    view.iconLocation.File = UnquotePath(view.iconLocation.File);
    view.iconProbe = source.ProbeIcon(view.iconLocation.File, view.iconLocation.Index);
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// key names the value: a key path for its default value, or a path and a value name.
void addPartWarning(ExplorerView& view, const Merged& value, const std::string& key) {
    if (!value.hidesOther()) return;
    view.warnings.push_back("HKCU\\Software\\Classes\\" + key + " holds " + quoted(value.text) +
                            " and hides " + quoted(value.machineText) +
                            " of HKLM\\Software\\Classes: a change to the machine's copy does "
                            "not show.");
}

void addIconWarnings(ExplorerView& view) {
    if (view.iconHandler.present())
        view.warnings.push_back("The icon handler of " + view.type + " (" + view.iconHandler.text +
                                ") decides the icon: DefaultIcon does not show.");
    if (!view.defaultIcon.present() || view.defaultIcon.text == kOwnIcon) return;
    const IconLocation& at = view.iconLocation;
    if (!view.iconProbe.fileExists)
        view.warnings.push_back("The icon file " + at.File + " does not exist.");
    else if (!view.iconProbe.holdsIcon && at.Index < 0)
        view.warnings.push_back(at.File + " holds no icon with the resource id " +
                                std::to_string(-static_cast<std::int64_t>(at.Index)) + ".");
    else if (!view.iconProbe.holdsIcon)
        view.warnings.push_back(at.File + " holds no icon at index " + std::to_string(at.Index) +
                                " (it holds " + std::to_string(view.iconProbe.iconCount) + ").");
}

void addWarnings(ExplorerView& view) {
    if (!view.userChoice.empty() &&
        !EqualIgnoringAsciiCase(view.userChoice, view.extensionType.text))
        view.warnings.push_back(
            "Explorer opens and shows " + view.extension + " files as " + view.userChoice +
            ", the choice made in Settings > Default apps, not as " +
            (view.extensionType.present() ? view.extensionType.text : "the type Kestrune lists") +
            "; no program may change that choice." +
            (view.extensionType.text.empty()
                 ? ""
                 : " Editing the actions of " + view.extensionType.text +
                       " changes the context menu of " + view.extension +
                       " files, not what a double click runs."));
    if (!view.extensionType.present() && view.userChoice.empty())
        view.warnings.push_back("No key of " + view.extension + " names a type.");
    addPartWarning(view, view.extensionType, view.extension);
    for (const Redirection& step : view.curVer) {
        if (step.followed)
            view.warnings.push_back(step.from + " is redirected to " + step.to.text +
                                    " (CurVer): Explorer shows the description and icon of " +
                                    step.to.text + ".");
        addPartWarning(view, step.to, step.from + "\\CurVer");
    }
    if (view.curVerCircle)
        view.warnings.push_back("The CurVer redirections of " + view.type +
                                " run in a circle and are followed no further.");
    if (view.friendlyTypeName.present())
        view.warnings.push_back(view.type +
                                " has a FriendlyTypeName: Explorer shows it as the description, "
                                "not the default value.");
    addPartWarning(view, view.friendlyTypeName, view.type + " FriendlyTypeName");
    if (!view.friendlyTypeName.present()) addPartWarning(view, view.defaultDescription, view.type);
    addPartWarning(view, view.defaultIcon, view.type + "\\DefaultIcon");
    addIconWarnings(view);
}

}  // namespace

ExplorerView LookUp(LookupSource& source, const std::string& extension) {
    ExplorerView view;
    view.extension = extension;
    view.extensionType = readMerged(source, extension, "");
    readUserChoice(source, view);
    view.type = view.userChoice.empty() ? view.extensionType.text : view.userChoice;
    if (!view.type.empty()) {
        followCurVer(source, view);
        view.friendlyTypeName = readMerged(source, view.type, "FriendlyTypeName");
        view.defaultDescription = readMerged(source, view.type, "");
        if (view.friendlyTypeName.present()) {
            view.friendlyResolved = source.LoadIndirect(view.friendlyTypeName.text);
            view.description = view.friendlyResolved.value_or(view.friendlyTypeName.text);
        } else {
            view.description = view.defaultDescription.text;
        }
        readIcon(source, view);
    }
    view.perceivedType = readMerged(source, extension, "PerceivedType");
    view.menu = ReadContextMenu(
        source,
        [&](const std::string& key, const std::string& valueName) -> std::optional<std::string> {
            const Merged value = readMerged(source, key, valueName);
            if (!value.present()) return std::nullopt;
            return value.text;
        },
        ContextMenuKeys(view));
    view.shellTypeName = source.ShellTypeName(extension);
    addWarnings(view);
    return view;
}

namespace {

std::string orNone(const Merged& value) {
    return value.present() ? quoted(value.text) : "(none)";
}

std::string iconState(const ExplorerView& view) {
    const IconLocation& at = view.iconLocation;
    const std::string which =
        at.Index < 0 ? "resource id " + std::to_string(-static_cast<std::int64_t>(at.Index))
                     : "index " + std::to_string(at.Index);
    if (!view.iconProbe.fileExists) return at.File + ": no such file";
    return at.File + ": " + (view.iconProbe.holdsIcon ? "holds " : "holds no ") + which + " (" +
           std::to_string(view.iconProbe.iconCount) + " icons)";
}

}  // namespace

std::vector<ViewLine> ViewLines(const ExplorerView& view) {
    std::vector<ViewLine> lines;
    const Where none = Where::Nowhere;
    lines.push_back(
        {"Extension key", orNone(view.extensionType), WhereText(view.extensionType.where)});
    if (!view.userChoice.empty())
        lines.push_back({"User's choice", quoted(view.userChoice) + " (Settings > Default apps)",
                         "HKCU\\" + std::string(kFileExtsPath) + "\\" + view.extension + "\\" +
                             view.userChoiceKey});
    for (const Redirection& step : view.curVer)
        lines.push_back({"CurVer of " + step.from,
                         quoted(step.to.text) + (step.followed ? "" : " (not followed)"),
                         WhereText(step.to.where)});
    lines.push_back({"Type used", view.type.empty() ? "(none)" : view.type, WhereText(none)});
    if (view.friendlyTypeName.present())
        lines.push_back({"FriendlyTypeName",
                         quoted(view.friendlyTypeName.text) +
                             (view.friendlyResolved ? "" : " (cannot be resolved)"),
                         WhereText(view.friendlyTypeName.where)});
    lines.push_back({"Description (default value)", orNone(view.defaultDescription),
                     WhereText(view.defaultDescription.where)});
    lines.push_back({"Description shown", quoted(view.description), WhereText(none)});
    lines.push_back(
        {"DefaultIcon as stored", orNone(view.defaultIcon), WhereText(view.defaultIcon.where)});
    if (view.defaultIcon.present() && view.defaultIcon.text == kOwnIcon) {
        lines.push_back({"DefaultIcon", "each file shows its own icon", WhereText(none)});
    } else if (view.defaultIcon.present()) {
        lines.push_back({"DefaultIcon expanded", quoted(view.iconExpanded), WhereText(none)});
        lines.push_back({"Icon file", iconState(view), WhereText(none)});
    }
    if (view.iconHandler.present())
        lines.push_back({"IconHandler", view.iconHandler.text + " decides the icon",
                         WhereText(view.iconHandler.where)});
    lines.push_back({"Shell's answer", quoted(view.shellTypeName), "SHGetFileInfo"});
    if (view.perceivedType.present())
        lines.push_back({"PerceivedType", quoted(view.perceivedType.text),
                         WhereText(view.perceivedType.where)});
    for (const MenuVerb& verb : view.menu) lines.push_back(MenuLine(verb));
    return lines;
}

}  // namespace explorer
