// Text in other scripts than the code page's: a type key named in Cyrillic, its description
// in Cyrillic and CJK, its icons in a folder with a CJK name, an extension in CJK. The test
// program runs in UTF-8 as the program does; what the program writes is read back through the
// wide registry calls and compared exactly.

#include <memory>

#include "ui/PropertiesHarness.h"
#include "ui/ScriptTexts.h"
#include "ui/dialogs/UAddExt.h"
#include "ui/window/WindowText.h"

using namespace scripts;
using widereg::Utf8;
using widereg::Wide;

namespace {

class Scripts : public PropertiesCommandTest {
protected:
    Scripts() {
        addExt->Create();
        frmAddExt = addExt.get();
    }
    ~Scripts() override { frmAddExt = nullptr; }

    // ".doku" and a Cyrillic type key with a description in Cyrillic and CJK, icon 3 of a
    // library in a CJK folder and a command below it; ".aaa" of a plain type.
    void SetUp() override {
        ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)) << "the test program lacks the manifest";
        library = LibraryInCjkFolder();
        widereg::PutText(HKEY_CLASSES_ROOT, L".doku", L"", kTypeName);
        widereg::PutText(HKEY_CLASSES_ROOT, kTypeName, L"", kDescription);
        widereg::PutText(HKEY_CLASSES_ROOT, kTypeName + L"\\DefaultIcon", L"",
                         Wide(library) + L",3");
        widereg::PutText(HKEY_CLASSES_ROOT, kTypeName + L"\\shell\\\x043E\x0442\x043A\x0440",
                         L"\x0418\x043C\x044F", L"\x547D\x4EE4");
        RegisterType(".aaa", "Plain.File", "Plain files");
        Start();
        row = RowOfType(Utf8(kTypeName));
        plain = RowOfType("Plain.File");
        ASSERT_GE(row, 0);
        ASSERT_GE(plain, 0);
    }

    // The Add or Find Extension dialog's next showing: text typed through its message loop
    // over the selected previous entry, then OK.
    void TypeExtension(ModalDriver& modal, const std::string& typed) {
        modal.AnswerNextModal(
            [this, typed](HWND) {
                props_test::PostTyping(ControlOf(addExt->Handle(), TfrmAddExt::IDC_EDIT1), typed);
                PostMessageA(ControlOf(addExt->Handle(), IDOK), BM_CLICK, 0, 0);
            },
            [this](HWND w) { return w == addExt->Handle(); });
    }

    std::unique_ptr<TfrmAddExt> addExt = std::make_unique<TfrmAddExt>();
    std::string library;
    int row = -1, plain = -1;
};

}  // namespace

TEST_F(Scripts, RowLabelShowsTheDescriptionAndTheKeyNameDrawnInTheirOwnScripts) {
    // The row as the window draws it, and the label drawn alone through the wide call where
    // the row's text goes: right of the icon, every pixel the same.
    EXPECT_EQ(rowText(lb(), row), RowLabel(kDescription, kTypeName));
    Pixels drawn(305, kRowHeight, kUnpainted), alone(305, kRowHeight, kUnpainted);
    DrawListRow(lb(), row, drawn);
    SelectGuard font(alone.dc(), reinterpret_cast<HFONT>(SendMessageA(lb(), WM_GETFONT, 0, 0)));
    RECT all{0, 0, alone.width(), alone.height()};
    FillRect(alone.dc(), &all, GetSysColorBrush(COLOR_WINDOW));
    SetTextColor(alone.dc(), GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(alone.dc(), GetSysColor(COLOR_WINDOW));
    SIZE line{};
    GetTextExtentPoint32W(alone.dc(), L"Wg", 2, &line);
    const std::wstring label = kDescription + L" (" + kTypeName + L")";
    TextOutW(alone.dc(), 40, (kRowHeight - line.cy) / 2, label.c_str(),
             static_cast<int>(label.size()));
    int ink = 0, differing = 0;
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 40; x < alone.width(); ++x) {
            ink += alone.at(x, y) != GetSysColor(COLOR_WINDOW);
            differing += drawn.at(x, y) != alone.at(x, y);
        }
    EXPECT_GT(ink, 0);
    EXPECT_EQ(differing, 0);

    // The icon file's label shows the path in the CJK folder, as wide as the path draws.
    SelectRow(row);
    EXPECT_EQ(Caption(lblIconName()), library);
    RECT extent{0, 0, 0, 0};
    const std::wstring path = Wide(library);
    DrawTextW(alone.dc(), path.c_str(), static_cast<int>(path.size()), &extent,
              DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    EXPECT_EQ(PlaceOf(lblIconName()).right - PlaceOf(lblIconName()).left, extent.right);
}

TEST_F(Scripts, PropertiesOkWithoutChangeWritesEveryTextBackUnchanged) {
    const widereg::Tree before = widereg::Snapshot(HKEY_CLASSES_ROOT, L"");
    SelectRow(row);
    const SeenProperties seen = RunDialog(IDC_BTNCHANGEICON, PropertiesAnswer{});
    EXPECT_EQ(seen.opened.description, Utf8(kDescription));
    EXPECT_EQ(seen.opened.typeName, Utf8(kTypeName));
    EXPECT_EQ(seen.opened.iconFile, library);
    EXPECT_EQ(seen.opened.gridCount, 10) << "the icons of the library in the CJK folder";
    EXPECT_EQ(seen.opened.selectedCell, 3);
    EXPECT_TRUE(widereg::Snapshot(HKEY_CLASSES_ROOT, L"") == before) << "a text changed";
    EXPECT_EQ(widereg::GetText(HKEY_CLASSES_ROOT, kTypeName, L""), kDescription);
    EXPECT_EQ(rowText(lb(), row), RowLabel(kDescription, kTypeName));
}

// Typed through the dialog's message loop: 41 Cyrillic letters (82 bytes in UTF-8) leave 40.
TEST_F(Scripts, DescriptionTakesFortyCyrillicLettersAndNotAFortyFirst) {
    std::wstring typed;
    for (int i = 0; i < 41; ++i) typed += kLetterZhe;
    PropertiesAnswer answer;
    answer.onOpen = [&](TfrmProperties& d) {
        SetWindowTextA(ControlOf(d.Handle(), TfrmProperties::IDC_EDIT2), "");
        props_test::PostTyping(ControlOf(d.Handle(), TfrmProperties::IDC_EDIT2), Utf8(typed));
    };
    SelectRow(row);
    RunDialog(IDC_BTNCHANGEICON, answer);
    EXPECT_EQ(widereg::GetText(HKEY_CLASSES_ROOT, kTypeName, L""), typed.substr(0, 40));
}

// The limits count letters in both fields. An ANSI edit box on Windows counts bytes instead:
// the fields are Unicode windows.
TEST_F(Scripts, TypedLimitsCountLettersNotBytes) {
    const struct {
        HWND edit;
        size_t limit;
    } fields[] = {{ControlOf(dialog->Handle(), TfrmProperties::IDC_EDIT2), 40},
                  {ControlOf(dialog->Handle(), TfrmProperties::IDC_EDIT3), 255}};
    for (const auto& field : fields) {
        EXPECT_TRUE(IsWindowUnicode(field.edit));
        std::wstring letters;
        for (size_t i = 0; i <= field.limit; ++i) letters += kLetterZhe;
        SetWindowTextA(field.edit, "");
        props_test::TypeInto(field.edit, Utf8(letters));
        EXPECT_EQ(WindowText(field.edit), Utf8(letters.substr(0, field.limit))) << field.limit;
    }
    EXPECT_TRUE(IsWindowUnicode(ControlOf(dialog->Handle(), TfrmProperties::IDC_EDIT4)));
    EXPECT_TRUE(IsWindowUnicode(ControlOf(addExt->Handle(), TfrmAddExt::IDC_EDIT1)));
}

TEST_F(Scripts, RenamedCyrillicTypeKeepsItsTreeAndItsExtensionsFollow) {
    const widereg::Tree tree = widereg::Snapshot(HKEY_CLASSES_ROOT, kTypeName);
    ASSERT_EQ(tree.size(), 4u);  // the key, DefaultIcon, shell and the verb below it
    PropertiesAnswer answer;
    answer.typeName = Utf8(kNewTypeName);
    SelectRow(row);
    RunDialog(IDC_BTNCHANGEICON, answer);

    EXPECT_TRUE(widereg::Snapshot(HKEY_CLASSES_ROOT, kNewTypeName) == tree)
        << "the renamed key differs from the old one";
    EXPECT_FALSE(widereg::KeyExists(HKEY_CLASSES_ROOT, kTypeName));
    EXPECT_EQ(widereg::GetText(HKEY_CLASSES_ROOT, L".doku", L""), kNewTypeName);
    EXPECT_EQ(rowText(lb(), row), RowLabel(kDescription, kNewTypeName));
}

TEST_F(Scripts, CjkExtensionIsAddedFoundAndDeletedByItsExactName) {
    const std::string ext = Utf8(kCjkExtension);
    SelectRow(row);
    {
        ModalDriver modal;
        TypeExtension(modal, ext.substr(1));  // typed without its dot
        Click(IDC_BTNADDEXT);
    }
    EXPECT_EQ(widereg::GetText(HKEY_CLASSES_ROOT, kCjkExtension, L""), kTypeName);
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".doku", ext}));

    SelectRow(plain);
    {
        ModalDriver modal;
        TypeExtension(modal, ext);
        Click(IDC_BTNFINDEXT);
    }
    EXPECT_EQ(selectedRow(lb()), row);
    EXPECT_EQ(rowText(lbExt(), selectedRow(lbExt())), ext);

    {
        ModalDriver modal;
        modal.ExpectMessageBox("Delete extension \"" + ext + "\" ?", IDYES);
        Click(IDC_BTNDELEXT);
        EXPECT_EQ(modal.Pending(), 0u);
    }
    EXPECT_FALSE(widereg::KeyExists(HKEY_CLASSES_ROOT, kCjkExtension));
    EXPECT_TRUE(widereg::KeyExists(HKEY_CLASSES_ROOT, L".doku"));
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".doku"});
}
