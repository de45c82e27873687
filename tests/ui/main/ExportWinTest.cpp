// Export from the lists' context menus: the save dialog answered with a typed path, and the
// registry script it writes, which the registry editor imports into an empty key as the same
// tree: the type's key and each of its extensions' keys, whole, and nothing else.

#include "ui/ListMenuHarness.h"
#include "ui/LibraryHarness.h"
#include "regscript/Import.h"
#include "regscript/Script.h"
#include "registry/KeySnapshot.h"
#include "base/WideText.h"
#include "support/Regedit.h"
#include "support/WideRegistry.h"

using menu_test::Script;
using regscript::Key;

namespace {

const std::string kType = "Kst.Тип文";  // as the lists hold it, in UTF-8
const std::u16string kTypeU = u"Kst.Тип文";
// The keys are the machine's, and the script names that part.
const std::u16string kRoot = u"HKEY_LOCAL_MACHINE\\Software\\Classes\\";

// Values of every type, names and text in Cyrillic and CJK, subkeys three deep.
Key TypeTree() {
    return Key{
        u"",
        {TextValue(u"", u"Kst files"), TextValue(u"Имя 名前", u"Документ 文書"),
         TextValue(u"Path", u"%SystemRoot%\\Тип", regscript::kExpandSz),
         RawValue(u"Multi", regscript::kMultiSz, {0x41, 0, 0, 0, 0x42, 0, 0, 0, 0, 0}),
         RawValue(u"Flags", regscript::kDword, {0, 0, 1, 0}),
         RawValue(u"Big", regscript::kQword, {1, 2, 3, 4, 5, 6, 7, 8}),
         RawValue(u"Blob", regscript::kBinary, {0xDE, 0xAD}),
         RawValue(u"Nothing", regscript::kNone, {}), TextValue(u"Empty", u"")},
        {Key{u"DefaultIcon", {TextValue(u"", u"C:\\icons.dll,3")}, {}},
         Key{u"shell",
             {},
             {Key{u"открыть", {}, {Key{u"command", {TextValue(u"", u"k.exe \"%1\"")}, {}}}}}}}};
}

class ExportCommand : public MainWindowTest {
protected:
    void SetUp() override {
        RegisterType(".kst", kType, "Kst files");
        RegisterType(".кей", kType, "Kst files");
        RegisterType(".oth", "Other", "Other files");
        widereg::WriteTree(HKEY_CLASSES_ROOT, kTypeU, TypeTree());
        widereg::WriteTree(HKEY_CLASSES_ROOT, u".kst",
                           Key{u"",
                               {RawValue(u"Flags", regscript::kDword, {1, 0, 0, 0})},
                               {Key{u"ShellNew", {TextValue(u"NullFile", u"")}, {}}}});
        Start();
        DeleteFileA(file.c_str());
    }
    void TearDown() override { DeleteFileA(file.c_str()); }

    // Right-click on row of the list, "Export...", and the save dialog answered: the path
    // typed and Save pressed, or Cancel. Returns what the dialog showed in its name field.
    std::string Export(HWND list, int row, bool save) {
        std::string suggested;
        ModalDriver modal;
        Script script(modal);
        script.Then({"Export..."});
        modal.AnswerNextModal(
            [&](HWND dialog) {
                HWND edit = library_test::FileNameEdit(dialog);
                suggested = TextOf(edit);
                SetWindowTextA(edit, file.c_str());
                PressDialogButton(dialog, save ? IDOK : IDCANCEL);
            },
            [](HWND w) { return library_test::FileNameEdit(w) != nullptr; });
        menu_test::PostRightClick(list, row);
        PumpMessages();
        EXPECT_EQ(modal.Pending(), 0u);
        EXPECT_TRUE(modal.MessageBoxes().empty());
        return suggested;
    }

    // The file's sections moved from the machine's classes to the key "imported" below the real
    // HKEY_CURRENT_USER's scratch user key, and imported there with the registry editor.
    void Import() {
        regscript::Script read = regscript::ReadScript(
            FileBytes(file), [](std::string_view) { return std::u16string(); });
        const std::u16string target =
            u"HKEY_CURRENT_USER\\" + ToU16(scratch.Path()) + u"\\user\\imported\\";
        for (regscript::Section& section : read.sections) {
            EXPECT_EQ(section.path.rfind(kRoot, 0), 0u) << AnsiFromWide(AsWide(section.path));
            section.path = target + section.path.substr(kRoot.size());
        }
        const std::string movedFile = file + ".moved.reg";
        WriteFileBytes(movedFile, regscript::WriteScript(read));
        RunRegedit(u"/s \"" + ToU16(movedFile) + u"\"");
        DeleteFileA(movedFile.c_str());
    }

    // A key as imported, read through this process's HKEY_CURRENT_USER (the scratch user key).
    static std::optional<Key> Imported(const std::u16string& name) {
        return ReadKeySnapshot(HKEY_CURRENT_USER, u"imported\\" + name);
    }

    const std::string file = TempFilePath("kestrune-export-", ".reg");
};

TEST_F(ExportCommand, ATypeWithItsExtensionsGoesBackWholeThroughTheRegistryEditor) {
    EXPECT_EQ(Export(lb(), 0, true), kType + ".reg");
    const std::vector<std::uint8_t> bytes = FileBytes(file);
    const std::u16string header = u"\xFEFFWindows Registry Editor Version 5.00\r\n";
    ASSERT_GE(bytes.size(), header.size() * 2);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(bytes.data()), header.size()),
              header);

    Import();
    for (const std::u16string& name : {kTypeU, std::u16string(u".kst"), std::u16string(u".кей")}) {
        const std::optional<Key> original = ReadKeySnapshot(HKEY_CLASSES_ROOT, name);
        ASSERT_TRUE(original.has_value());
        EXPECT_EQ(Imported(name), original) << AnsiFromWide(AsWide(name));
    }
    EXPECT_EQ(Imported(u"Other"), std::nullopt);
    EXPECT_EQ(Imported(u".oth"), std::nullopt);
}

TEST_F(ExportCommand, AnExtensionAloneAndACancelWritesNothing) {
    SelectRow(0);
    EXPECT_EQ(Export(lbExt(), 1, false), ".кей.reg");
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_EQ(Export(lbExt(), 0, true), ".kst.reg");
    Import();
    EXPECT_EQ(Imported(u".kst"), ReadKeySnapshot(HKEY_CLASSES_ROOT, u".kst"));
    EXPECT_EQ(Imported(kTypeU), std::nullopt);
}

}  // namespace
