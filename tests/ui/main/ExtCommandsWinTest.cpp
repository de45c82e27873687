// Add, Delete and Find Extension with the Add Extension dialog and the confirmation box
// answered as a user answers them: text typed into Edit1 over the selected previous entry,
// then OK, Enter, Cancel or Escape; "&Yes" by Enter, "&No" by its button, or Escape.

#include <optional>
#include <tuple>

#include "ui/PropertiesHarness.h"
#include "ui/dialogs/UAddExt.h"

using props_test::RegTree;
using props_test::Snapshot;

namespace {

enum class Close { Ok, Enter, Cancel, Escape };

// What the dialog showed as it opened.
struct DialogSeen {
    bool shown = false;
    std::string caption, label, text;
    DWORD selStart = 0, selEnd = 0;
    bool editFocused = false;
};

// Everything a refused or cancelled command must leave as it was.
struct Screen {
    RegTree registry;
    std::vector<std::string> types, exts;
    int type = -1, ext = -1;
};

const std::string kExists = "Cannot add an extension which already exists!";
// ".ÄÖÜ" and ".äöü" in UTF-8.
constexpr const char* kUmlauts = ".\xC3\x84\xC3\x96\xC3\x9C";
constexpr const char* kSmallUmlauts = ".\xC3\xA4\xC3\xB6\xC3\xBC";

void PressKey(HWND w, WPARAM key) {
    PostMessageA(w, WM_KEYDOWN, key, 1);
}

// Row 0 "Ay files (TypeA)": .aaa, .Abc (with a subkey tree); row 1 "Bee files (TypeB)": .bbb
// and .ÄÖÜ (in UTF-8, the code page the test program runs in, as the program does). .txt points at
// a type without description, so the scan leaves it out, and carries a value and a subkey of its
// own.
class ExtCommands : public MainWindowTest {
protected:
    ExtCommands() {
        dialog->Create();
        frmAddExt = dialog.get();
    }
    ~ExtCommands() override { frmAddExt = nullptr; }

    void SetUp() override {
        RegisterType(".aaa", "TypeA", "Ay files");
        RegisterType(".Abc", "TypeA", "Ay files");
        rawreg::PutText(HKEY_CLASSES_ROOT, ".Abc\\ShellNew\\Deep", "Data", "x");
        RegisterType(".bbb", "TypeB", "Bee files");
        RegisterType(kUmlauts, "TypeB", "Bee files");
        rawreg::PutText(HKEY_CLASSES_ROOT, ".txt", "", "Orphan");
        rawreg::PutText(HKEY_CLASSES_ROOT, ".txt", "Content Type", "text/plain");
        rawreg::MakeKey(HKEY_CLASSES_ROOT, ".txt\\ShellNew");
        Start();
        ASSERT_EQ(Rows(lb()), (std::vector<std::string>{"Ay files (TypeA)", "Bee files (TypeB)"}));
    }

    // The next showing of the dialog: typed (when given) is typed over the selection, an empty
    // one as a Backspace, then the dialog is closed as close says.
    void AnswerDialog(ModalDriver& modal, std::optional<std::string> typed, Close close,
                      DialogSeen& seen) {
        modal.AnswerNextModal(
            [this, typed, close, &seen](HWND w) {
                if (CameInstead(w, true)) return;
                seen.shown = true;
                seen.caption = Caption(w);
                seen.label = Caption(FindWindowExA(dialog->Handle(), nullptr, "Static", nullptr));
                seen.text = TextOf(ControlOf(dialog->Handle(), TfrmAddExt::IDC_EDIT1));
                std::tie(seen.selStart, seen.selEnd) =
                    SelectionOf(ControlOf(dialog->Handle(), TfrmAddExt::IDC_EDIT1));
                seen.editFocused = GetFocus() == ControlOf(dialog->Handle(), TfrmAddExt::IDC_EDIT1);
                if (typed && typed->empty())
                    SendMessageA(ControlOf(dialog->Handle(), TfrmAddExt::IDC_EDIT1), WM_CHAR,
                                 VK_BACK, 1);
                if (typed)
                    props_test::TypeInto(ControlOf(dialog->Handle(), TfrmAddExt::IDC_EDIT1),
                                         *typed);
                switch (close) {
                    case Close::Ok:
                        PostMessageA(ControlOf(dialog->Handle(), IDOK), BM_CLICK, 0, 0);
                        break;
                    case Close::Cancel:
                        PostMessageA(ControlOf(dialog->Handle(), IDCANCEL), BM_CLICK, 0, 0);
                        break;
                    case Close::Enter:
                        PressKey(ControlOf(dialog->Handle(), TfrmAddExt::IDC_EDIT1), VK_RETURN);
                        break;
                    case Close::Escape:
                        PressKey(ControlOf(dialog->Handle(), TfrmAddExt::IDC_EDIT1), VK_ESCAPE);
                        break;
                }
            },
            [this](HWND w) { return IsDialogOrMessageBox(w); });
    }

    // The next window must be a message box with text; it is read and answered with button.
    void ExpectMessage(ModalDriver& modal, const std::string& text, int button = IDOK) {
        modal.AnswerNextModal(
            [this, text, button](HWND w) {
                if (CameInstead(w, false)) return;
                boxes.push_back(ReadMessageBox(w));
                EXPECT_EQ(boxes.back().text, text);
                PressDialogButton(w, button);
            },
            [this](HWND w) { return IsDialogOrMessageBox(w); });
    }

    // The dialog and the message boxes are each awaited as either, so that one coming where
    // the other was due is closed and fails the test instead of leaving it waiting.
    bool IsDialogOrMessageBox(HWND w) const {
        return w == dialog->Handle() || IsMessageBoxWindow(w);
    }
    bool CameInstead(HWND w, bool dialogDue) {
        if ((w == dialog->Handle()) == dialogDue) return false;
        if (dialogDue) {
            ADD_FAILURE() << "message box instead of the dialog: " << ReadMessageBox(w).text;
            PressDialogButton(w, IDOK);
        } else {
            ADD_FAILURE() << "the dialog was shown instead of a message box";
            PostMessageA(ControlOf(dialog->Handle(), IDCANCEL), BM_CLICK, 0, 0);
        }
        return true;
    }

    // The command behind button id with its dialog answered; then the one message box with
    // text message, when one is given, answered with button, and no other.
    DialogSeen Run(int id, std::optional<std::string> typed, Close close = Close::Enter,
                   const std::optional<std::string>& message = std::nullopt, int button = IDOK) {
        ModalDriver modal;
        DialogSeen seen;
        boxes.clear();
        AnswerDialog(modal, std::move(typed), close, seen);
        if (message) ExpectMessage(modal, *message, button);
        Click(id);
        EXPECT_TRUE(seen.shown) << "the Add Extension dialog was not shown";
        EXPECT_EQ(modal.MessageBoxes().size(), 0u) << "unexpected message box";
        return seen;
    }
    DialogSeen Add(std::optional<std::string> typed, Close close = Close::Enter,
                   const std::optional<std::string>& message = std::nullopt, int button = IDOK) {
        return Run(IDC_BTNADDEXT, std::move(typed), close, message, button);
    }
    DialogSeen Find(std::optional<std::string> typed, Close close = Close::Enter,
                    const std::optional<std::string>& message = std::nullopt) {
        return Run(IDC_BTNFINDEXT, std::move(typed), close, message);
    }

    Screen Now() const {
        return {Snapshot(), Rows(lb()), Rows(lbExt()), selectedRow(lb()), selectedRow(lbExt())};
    }
    void ExpectUnchanged(const Screen& before) const {
        const Screen now = Now();
        EXPECT_TRUE(now.registry == before.registry) << "the registry changed";
        EXPECT_EQ(now.types, before.types);
        EXPECT_EQ(now.exts, before.exts);
        EXPECT_EQ(now.type, before.type);
        EXPECT_EQ(now.ext, before.ext);
    }

    // The default value of key as RegQueryValueExA reads it.
    static std::optional<rawreg::Value> DefaultOf(const std::string& key) {
        return rawreg::Get(HKEY_CLASSES_ROOT, key, "");
    }
    static rawreg::Value Text(const std::string& text) { return {REG_SZ, rawreg::Bytes(text)}; }

    std::unique_ptr<TfrmAddExt> dialog = std::make_unique<TfrmAddExt>();
    std::vector<SeenMessageBox> boxes;  // the expected message boxes (of the last Run)
};

}  // namespace

const std::string kTakeOver = "\".txt\" belongs to \"Orphan\". Move it to \"TypeA\"?";

TEST_F(ExtCommands, AddPutsTheDotInFrontWritesTextAndListsTheExtensionLast) {
    SelectRow(0);
    const DialogSeen seen = Add("txt", Close::Enter, kTakeOver, IDYES);

    EXPECT_EQ(seen.caption, "Add Extension");
    EXPECT_EQ(seen.label, "Enter Extension:");
    EXPECT_TRUE(seen.editFocused);
    // The key that the scan left out is pointed at the type; its other contents stay.
    EXPECT_EQ(DefaultOf(".txt"), Text("TypeA"));
    EXPECT_EQ(rawreg::GetText(HKEY_CLASSES_ROOT, ".txt", "Content Type"), "text/plain");
    EXPECT_TRUE(rawreg::KeyExists(HKEY_CLASSES_ROOT, ".txt\\ShellNew"));
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".aaa", ".Abc", ".txt"}));
    EXPECT_EQ(selectedRow(lbExt()), 0);
    EXPECT_EQ(selectedRow(lb()), 0);
    EXPECT_EQ(Rows(lb()), (std::vector<std::string>{"Ay files (TypeA)", "Bee files (TypeB)"}));
    EXPECT_EQ(Catalogue().FindExt(".TXT"), 0);
}

TEST_F(ExtCommands, AddOfAnExtensionTheListDoesNotShowAnsweredNoChangesNothing) {
    SelectRow(0);
    const Screen before = Now();
    Add("txt", Close::Enter, kTakeOver, IDNO);
    ExpectUnchanged(before);
}

TEST_F(ExtCommands, AddTakesTheDotTheBlankAndTheDoubleDotAsTyped) {
    SelectRow(1);
    for (const char* typed : {".", " txt", "..txt"}) Add(typed, Close::Ok);

    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".bbb", kUmlauts, ".", ". txt", "..txt"}));
    for (const char* key : {".", ". txt", "..txt"}) EXPECT_EQ(DefaultOf(key), Text("TypeB")) << key;
}

TEST_F(ExtCommands, AddRefusesDuplicatesInAnyLetterCaseAndAnyTypeAndEmptyOrNestedNames) {
    SelectRow(1);
    const Screen before = Now();
    Add("AAA", Close::Enter, kExists);   // held by the other type, in another case
    Add(".bBB", Close::Enter, kExists);  // held by this type, in another case
    Add("", Close::Ok, "Cannot add an empty extension");
    // A backslash would make a key inside another one: .txt\shell below .txt.
    Add("txt\\shell", Close::Enter, "An extension cannot contain a backslash!");
    Add(std::string(256, 'x'), Close::Enter, "A key name can have at most 255 characters!");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Kestrune");
    EXPECT_EQ(boxes[0].icon, nullptr);

    ExpectUnchanged(before);
    EXPECT_EQ(Catalogue().FindExt("."), -1);
    EXPECT_EQ(Catalogue().FindExt(".txt\\shell"), -1);
}

TEST_F(ExtCommands, CancelAndEscapeChangeNothingAndTheTextComesBackSelectedInAddAndFind) {
    SelectRow(0);
    const Screen before = Now();
    Add("new", Close::Cancel);
    const DialogSeen again = Add(std::nullopt, Close::Escape);
    ExpectUnchanged(before);
    EXPECT_EQ(again.text, "new");

    const DialogSeen find = Find("aBC", Close::Cancel);
    EXPECT_EQ(find.caption, "Find Extension");
    EXPECT_EQ(find.label, "Enter Extension:");
    EXPECT_EQ(find.text, "new");
    EXPECT_EQ(find.selStart, 0u);
    EXPECT_EQ(find.selEnd, 3u);
    EXPECT_TRUE(find.editFocused);

    const DialogSeen add = Add(std::nullopt, Close::Cancel);
    EXPECT_EQ(add.caption, "Add Extension");
    EXPECT_EQ(add.text, "aBC");
    EXPECT_EQ(add.selStart, 0u);
    EXPECT_EQ(add.selEnd, 3u);
    ExpectUnchanged(before);
}

TEST_F(ExtCommands, AddAndDeleteNeedTheirSelection) {
    ModalDriver modal;
    ExpectMessage(modal, "Select a File Type first!");
    Click(IDC_BTNADDEXT);

    ExpectMessage(modal, "Select an Extension first!");
    Click(IDC_BTNDELEXT);
    SelectRow(0);
    selectRow(lbExt(), -1);
    ExpectMessage(modal, "Select an Extension first!");
    Click(IDC_BTNDELEXT);
    EXPECT_EQ(modal.Pending(), 0u);
    EXPECT_EQ(boxes.size(), 3u);
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".aaa", ".Abc"}));
    EXPECT_TRUE(rawreg::KeyExists(HKEY_CLASSES_ROOT, ".aaa"));
}

TEST_F(ExtCommands, DeleteAsksAndOnlyYesRemovesTheKeyWithItsSubkeys) {
    SelectRow(0);
    selectRow(lbExt(), 1);
    const Screen before = Now();
    std::vector<SeenMessageBox> asked;
    bool yesIsDefault = false;
    {
        ModalDriver modal;
        modal.AnswerNextModal([&](HWND box) {
            asked.push_back(ReadMessageBox(box));
            const HWND yes = GetDlgItem(box, IDYES);
            yesIsDefault = GetFocus() == yes &&
                           (GetWindowLongA(yes, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            PressDialogButton(box, IDNO);
        });
        modal.AnswerNextModal([&](HWND box) {
            asked.push_back(ReadMessageBox(box));
            PressKey(GetFocus() ? GetFocus() : box, VK_ESCAPE);
        });
        Click(IDC_BTNDELEXT);
        ExpectUnchanged(before);
        Click(IDC_BTNDELEXT);
        ExpectUnchanged(before);

        modal.AnswerNextModal([&](HWND box) {
            asked.push_back(ReadMessageBox(box));
            PressKey(GetFocus() ? GetFocus() : box, VK_RETURN);  // the default button
        });
        Click(IDC_BTNDELEXT);
        EXPECT_EQ(modal.Pending(), 0u);
    }

    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].caption, "Confirm");
    EXPECT_EQ(asked[0].text, "Delete extension \".Abc\" ?");
    EXPECT_EQ(asked[0].buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(asked[0].icon, LoadIcon(nullptr, IDI_QUESTION));
    EXPECT_TRUE(yesIsDefault);

    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, ".Abc"));
    EXPECT_TRUE(rawreg::KeyExists(HKEY_CLASSES_ROOT, ".aaa"));
    EXPECT_EQ(DefaultOf("TypeA"), Text("Ay files"));
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".aaa"});
    EXPECT_EQ(selectedRow(lbExt()), 0);
    EXPECT_EQ(Catalogue().FindExt(".abc"), -1);
}

TEST_F(ExtCommands, FindOfAnEmptyTextSearchesForTheDot) {
    Find("", Close::Ok, "Cannot find extension \".\"");
    EXPECT_EQ(selectedRow(lb()), -1);

    SelectRow(1);
    Add(".");
    SelectRow(0);
    Find("");
    EXPECT_EQ(selectedRow(lb()), 1);
    EXPECT_EQ(rowText(lbExt(), selectedRow(lbExt())), ".");
}

// The catalogue ignores the case of ASCII letters only; the extension list picks its row
// ignoring case as the locale has it.
TEST_F(ExtCommands, FindIgnoresTheCaseOfAsciiLettersOnly) {
    Find(kSmallUmlauts, Close::Enter,
         "Cannot find extension \"" + std::string(kSmallUmlauts) + "\"");
    EXPECT_EQ(selectedRow(lb()), -1);

    Find(kUmlauts + 1);
    EXPECT_EQ(selectedRow(lb()), 1);
    EXPECT_EQ(selectedRow(lbExt()), 1);
}

// The registry keeps one key for .ÄÖÜ and .äöü: adding the second, to either type, would
// repoint the first one's key, so it counts as a duplicate.
TEST_F(ExtCommands, AddRefusesANameTheRegistryTakesForAListedExtension) {
    SelectRow(0);
    const Screen before = Now();
    Add(kSmallUmlauts, Close::Enter, kExists);
    SelectRow(1);
    Add(kSmallUmlauts + 1, Close::Enter, kExists);
    SelectRow(0);
    ExpectUnchanged(before);
    EXPECT_EQ(Catalogue().FindExt(kUmlauts), 1);
}

// The soft hyphen makes a key of its own; only a comparison by the locale passes over it.
TEST_F(ExtCommands, AddTakesANameThatDiffersFromAListedExtensionOnlyByAnIgnorableCharacter) {
    SelectRow(1);
    Add("A\xC2\xAD"
        "aa");
    EXPECT_EQ(DefaultOf(".A\xC2\xAD"
                        "aa"),
              Text("TypeB"));
    EXPECT_EQ(DefaultOf(".aaa"), Text("TypeA"));
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".bbb", kUmlauts,
                                                       ".A\xC2\xAD"
                                                       "aa"}));
}

// The extension list picks the first row that the locale takes for the found extension, and
// reads the rows in UTF-8: the soft hyphen passed over, ".aaa" comes before ".A\u00ADaa".
TEST_F(ExtCommands, FindSelectsTheFirstRowTheLocaleTakesForTheExtension) {
    SelectRow(0);
    Add("A\xC2\xAD"
        "aa");
    SelectRow(1);
    Find(
        ".A\xC2\xAD"
        "aa");
    EXPECT_EQ(selectedRow(lb()), 0);
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".aaa", ".Abc",
                                                       ".A\xC2\xAD"
                                                       "aa"}));
    EXPECT_EQ(selectedRow(lbExt()), 0);
}

TEST_F(ExtCommands, AddOnARowSharingItsNameWithAHigherRowJoinsTheHigherRow) {
    ASSERT_EQ(Catalogue().AppendType("Ay again", "TypeA", "", 0), 2);
    SelectRow(2);
    Add("new");

    EXPECT_EQ(DefaultOf(".new"), Text("TypeA"));
    EXPECT_TRUE(Rows(lbExt()).empty());
    EXPECT_EQ(selectedRow(lb()), 2);
    EXPECT_EQ(Catalogue().FindExt(".new"), 0);
    SelectRow(0);
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".aaa", ".Abc", ".new"}));
}

namespace {

// 300 types, ".e000" to ".e299", one each; the last type also holds ".txt".
class ManyTypes : public ExtCommands {
protected:
    void SetUp() override {
        char ext[8], type[8];
        for (int i = 0; i < 300; ++i) {
            wsprintfA(ext, ".e%03d", i);
            wsprintfA(type, "T%03d", i);
            RegisterType(ext, type, std::string("Files ") + type);
        }
        RegisterType(".txt", "T299", "Files T299");
        Start();
        ASSERT_EQ(rowCount(lb()), 300);
    }

    bool RowVisible(int row) const {
        const RECT client = ClientRectOf(lb()), item = RowRect(lb(), row);
        return item.top >= client.top && item.bottom <= client.bottom;
    }
};

}  // namespace

TEST_F(ManyTypes, FindSelectsATypeFarDownAndScrollsItIntoView) {
    SelectRow(3);
    ASSERT_FALSE(RowVisible(299));
    Find(".TXT");

    EXPECT_EQ(selectedRow(lb()), 299);
    EXPECT_TRUE(RowVisible(299));
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".e299", ".txt"}));
    EXPECT_EQ(selectedRow(lbExt()), 1);
}

TEST_F(ManyTypes, FindInTheSelectedTypeRebuildsTheExtensionsAndLeavesTheTypeListAlone) {
    SelectRow(299);
    SendMessageA(lb(), LB_SETTOPINDEX, 0, 0);
    addRow(lbExt(), "stale");
    Find("txt");

    EXPECT_EQ(selectedRow(lb()), 299);
    EXPECT_EQ(SendMessageA(lb(), LB_GETTOPINDEX, 0, 0), 0);
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".e299", ".txt"}));
    EXPECT_EQ(selectedRow(lbExt()), 1);
}
