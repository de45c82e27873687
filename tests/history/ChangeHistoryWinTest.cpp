// The history of changes: one file per change, written before the change and readable by the
// registry editor; undo and redo that put the keys back and leave records of their own; the
// refusal to go on when nothing can be recorded; the newest 500 files kept.

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <regex>

#include "base/AnsiText.h"
#include "history/ChangeHistory.h"
#include "history/HistoryError.h"
#include "history/HistoryFolder.h"
#include "regscript/Import.h"
#include "regscript/Script.h"
#include "registry/KeySnapshot.h"
#include "support/Raised.h"
#include "support/ScratchHistory.h"
#include "support/ScratchRegistry.h"
#include "support/ScriptPrinters.h"
#include "support/TestData.h"
#include "support/WideRegistry.h"

using regscript::Key;
using regscript::KeyState;

namespace {

Key typeKey(std::u16string_view description) {
    Key key{
        u"kstfile",
        {TextValue(u"", description), RawValue(u"EditFlags", regscript::kDword, {0, 0, 1, 0})},
        {Key{u"DefaultIcon", {TextValue(u"", u"a.dll,1")}, {}},
         Key{u"shell", {}, {Key{u"open", {}, {Key{u"command", {TextValue(u"", u"a %1")}, {}}}}}}}};
    regscript::SortKey(key);
    return key;
}

class History : public ::testing::Test {
protected:
    History() { widereg::WriteTree(HKEY_CLASSES_ROOT, u"kstfile", typeKey(u"Kestrune file")); }

    static std::optional<Key> Read(const std::u16string& key) {
        return ReadKeySnapshot(HKEY_CLASSES_ROOT, key);
    }
    // The path of the history file of this name.
    std::string PathOf(const std::wstring& name) const {
        return AnsiFromWide(scratchHistory.Folder() + L"\\" + name);
    }
    // The titles that the history files name, in the order of their names.
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const std::wstring& name : scratchHistory.Files())
            titles.push_back(AnsiFromWide(name.substr(24, name.size() - 28)));
        return titles;
    }

    // A command as the program runs one: recorded, then its writes. The keys are the
    // machine's, which HKEY_CLASSES_ROOT shows in the scratch registry.
    template <class Writes>
    void Command(const ChangeTitle& title, const std::vector<std::string>& keys, Writes writes) {
        std::vector<PartKey> machineKeys;
        for (const std::string& key : keys) machineKeys.push_back({Part::Machine, key});
        history.Record(title, machineKeys, writes);
    }

    ScratchRegistry scratch;
    ScratchHistory scratchHistory;
    ChangeHistory history;
};

}  // namespace

TEST_F(History, RecordWritesOneFileBeforeTheChangeThatPutsItsKeysBack) {
    const std::optional<Key> before = Read(u"kstfile");
    // The program's names are in its code page, which holds this one whichever it is.
    const std::string renamed = AnsiFromWide(L"Épreuve");
    Command({"Rename File Type", {"kstfile", renamed}}, {"kstfile", renamed, "KSTFILE"}, [] {
        ASSERT_EQ(RegDeleteTreeW(HKEY_CLASSES_ROOT, L"kstfile"), ERROR_SUCCESS);
        widereg::WriteTree(HKEY_CLASSES_ROOT, u"Épreuve", typeKey(u"Kestrune file"));
    });

    const std::vector<std::wstring> files = scratchHistory.Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(std::regex_match(AnsiFromWide(files[0]),
                                 std::regex(R"(\d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.\d{3} )"
                                            R"(Rename File Type kstfile to .+\.reg)")))
        << AnsiFromWide(files[0]);
    const regscript::Script script =
        regscript::ReadScript(FileBytes(PathOf(files[0])), [](std::string_view) { return u""; });
    ASSERT_EQ(script.comments.size(), 1u);
    EXPECT_TRUE(script.comments[0].ends_with(u" Rename File Type \"kstfile\" to \"Épreuve\""));
    EXPECT_EQ(
        regscript::RecordedStates(script),
        (std::vector<KeyState>{{u"HKEY_LOCAL_MACHINE\\Software\\Classes\\kstfile", before},
                               {u"HKEY_LOCAL_MACHINE\\Software\\Classes\\Épreuve", std::nullopt}}));
}

TEST_F(History, UndoAndRedoWalkThroughTheChangesAndEachLeavesARecord) {
    const std::optional<Key> start = Read(u"kstfile");
    Command({"Delete File Type", {"kstfile"}}, {"kstfile"},
            [] { RegDeleteTreeW(HKEY_CLASSES_ROOT, L"kstfile"); });
    Command({"Add File Type", {"kstfile"}}, {"kstfile"}, [] {
        widereg::WriteTree(HKEY_CLASSES_ROOT, u"kstfile", Key{u"", {TextValue(u"", u"new")}, {}});
    });
    const std::optional<Key> end = Read(u"kstfile");
    ASSERT_TRUE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoTitle().Quoted(), "Add File Type \"kstfile\"");

    history.Undo();
    EXPECT_EQ(Read(u"kstfile"), std::nullopt);
    EXPECT_EQ(history.UndoTitle().Quoted(), "Delete File Type \"kstfile\"");
    EXPECT_EQ(history.RedoTitle().Quoted(), "Add File Type \"kstfile\"");
    history.Undo();
    EXPECT_EQ(Read(u"kstfile"), start);
    EXPECT_FALSE(history.CanUndo());
    history.Redo();
    EXPECT_EQ(Read(u"kstfile"), std::nullopt);
    history.Redo();
    EXPECT_EQ(Read(u"kstfile"), end);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(Titles(), (std::vector<std::string>{
                            "Delete File Type kstfile", "Add File Type kstfile",
                            "Undo Add File Type kstfile", "Undo Delete File Type kstfile",
                            "Redo Delete File Type kstfile", "Redo Add File Type kstfile"}));

    // A new change drops what could be redone.
    history.Undo();
    Command({"Delete File Type", {"kstfile"}}, {"kstfile"},
            [] { RegDeleteTreeW(HKEY_CLASSES_ROOT, L"kstfile"); });
    EXPECT_FALSE(history.CanRedo());
    history.Undo();
    EXPECT_EQ(Read(u"kstfile"), std::nullopt);
    EXPECT_EQ(history.UndoTitle().Quoted(), "Delete File Type \"kstfile\"");
}

// A history folder that cannot be made is refused through the window, in the ui tests'
// History.ACommandThatCannotBeRecordedChangesNothing.
TEST_F(History, RefusesToRecordWhenAKeyCannotBeRead) {
    widereg::SetAccess(HKEY_CLASSES_ROOT, u"kstfile\\shell", "D:(A;;0x70000;;;WD)");
    EXPECT_EQ(RaisedMessage<HistoryError>([&] {
                  Command({"Delete File Type", {"kstfile"}}, {"kstfile"},
                          [] { FAIL() << "the command ran"; });
              }),
              "The change cannot be recorded, so it was not made: Failed to read key "
              "Software\\Classes\\kstfile\\shell");
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(scratchHistory.Files().empty());
}

TEST_F(History, ADamagedFileUndoesNothing) {
    Command({"Delete File Type", {"kstfile"}}, {"kstfile"},
            [] { RegDeleteTreeW(HKEY_CLASSES_ROOT, L"kstfile"); });
    const std::string file = PathOf(scratchHistory.Files().at(0));
    std::vector<std::uint8_t> bytes = FileBytes(file);
    bytes.resize(bytes.size() - 12);  // "]\r\n" and more gone from the end of a key line
    WriteFileBytes(file, bytes);
    const std::string message = RaisedMessage<HistoryError>([&] { history.Undo(); });
    EXPECT_TRUE(message.starts_with("Nothing was undone: the history file \"")) << message;
    EXPECT_EQ(Read(u"kstfile"), std::nullopt);
    EXPECT_TRUE(history.CanUndo());
    EXPECT_EQ(scratchHistory.Files().size(), 1u);
}

TEST_F(History, KeepsTheNewest500FilesAndNoOtherFileIsTouched) {
    for (int i = 0; i < 505; ++i) {
        char name[64];
        snprintf(name, sizeof name, "\\2000-01-01 00-00-00.%03d Old change.reg", i);
        std::ofstream(AnsiFromWide(scratchHistory.Folder()) + name) << "old";
    }
    std::ofstream(AnsiFromWide(scratchHistory.Folder()) + "\\my own.reg") << "mine";
    Command({"Delete File Type", {"kstfile"}}, {"kstfile"}, [] {});
    std::vector<std::wstring> files = scratchHistory.Files();
    ASSERT_EQ(files.size(), 501u);
    EXPECT_EQ(files.front(), L"2000-01-01 00-00-00.006 Old change.reg");
    EXPECT_TRUE(files[499].ends_with(L" Delete File Type kstfile.reg"));
    EXPECT_EQ(files.back(), L"my own.reg");
    // The next change, and the undo of both, each take the oldest along.
    Command({"Add File Type", {"kstfile"}}, {"kstfile"}, [] {});
    history.Undo();
    history.Undo();
    files = scratchHistory.Files();
    ASSERT_EQ(files.size(), 501u);
    EXPECT_EQ(files.front(), L"2000-01-01 00-00-00.009 Old change.reg");
    EXPECT_TRUE(files[499].ends_with(L" Undo Delete File Type kstfile.reg"));
}
