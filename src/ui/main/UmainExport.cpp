// Export: a registry script holding a file type's key and the keys of its extensions, or one
// extension's key, each whole, for the registry editor to import here or on another machine.

#include <windows.h>
#include <commdlg.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "catalogue/TypeNameRules.h"
#include "regscript/Import.h"
#include "regscript/Script.h"
#include "registry/KeySnapshot.h"
#include "registry/PartClasses.h"
#include "base/WideText.h"
#include "ui/system/FileDialog.h"
#include "ui/main/Umain.h"

namespace {

constexpr const char* kExportFilter = "Registry Files (*.reg)|*.reg|All Files (*.*)|*.*";

// The script of the keys of the classes named, each with everything below it, under the part
// that holds it (both, where both do: the user's first). A key that does not exist is left out,
// and so is a name that names the classes themselves (a nameless type).
std::vector<std::uint8_t> exportScript(const std::vector<std::string>& names) {
    regscript::Script script;
    for (const std::string& name : names) {
        if (NamesBaseKey(name)) continue;
        const std::u16string path = ToU16(name);
        for (const Part part : {Part::User, Part::Machine})
            if (const std::optional<regscript::Key> key =
                    ReadKeySnapshot(PartRoot(part), ToU16(kClassesKey) + u"\\" + path))
                regscript::AppendKeySections(script.sections, PartClassesPath(part) + u"\\" + path,
                                             *key);
    }
    return regscript::WriteScript(script);
}

// The path is taken wide, so that a folder or name of any script is written to as chosen.
void writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::filesystem::path file(WideFromAnsi(path));
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return;
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    throw Exception("Cannot write the file " + path);
}

}  // namespace

void TfrmMain::ExportClick(ViewOf of) {
    Selection selected;
    if (!Selected(of, selected)) return;
    std::vector<std::string> keys = selected.extensions;
    if (of == ViewOf::Type) keys.insert(keys.begin(), selected.name);

    FileDialogRequest request;
    request.owner = Handle();
    request.filter = kExportFilter;
    request.startName = ExportFileName(selected.name);
    request.title = "Export";
    request.defaultExt = "reg";
    request.flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    const FileDialogResult chosen = RunFileSaveDialog(request);
    if (!chosen.chosen) return RaiseFileDialogError("Export", chosen.error);
    writeWholeFile(chosen.file, exportScript(keys));
}
