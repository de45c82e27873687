// Where the file dialogs start and which folder a chosen file leaves behind.

#include "base/FileDialogRules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(LibraryFolders, InitialFolderDropsOneTrailingBackslash) {
    EXPECT_EQ(InitialFolderFor("C:\\Icons\\"), "C:\\Icons");
    EXPECT_EQ(InitialFolderFor("C:\\Icons\\\\"), "C:\\Icons\\");
    EXPECT_EQ(InitialFolderFor("\\\\server\\share\\"), "\\\\server\\share");
    EXPECT_EQ(InitialFolderFor("C:\\Icons"), "C:\\Icons");
    EXPECT_EQ(InitialFolderFor(""), "");
}

TEST(LibraryFolders, InitialFolderKeepsTheBackslashOfADriveRoot) {
    EXPECT_EQ(InitialFolderFor("C:\\"), "C:\\");
    EXPECT_EQ(InitialFolderFor("z:\\"), "z:\\");
}

TEST(LibraryFolders, FolderPartEndsAtTheLastBackslashOrColon) {
    EXPECT_EQ(FolderPart("C:\\Icons\\set.icl"), "C:\\Icons\\");
    EXPECT_EQ(FolderPart("C:\\set.icl"), "C:\\");
    EXPECT_EQ(FolderPart("C:set.icl"), "C:");
    EXPECT_EQ(FolderPart("\\\\server\\share\\lib.dll"), "\\\\server\\share\\");
    EXPECT_EQ(FolderPart("C:\\My Icons.v2\\a,b.icl"), "C:\\My Icons.v2\\");
    EXPECT_EQ(FolderPart("set.icl"), "");
    EXPECT_EQ(FolderPart(""), "");
}

TEST(LibraryFolders, NamePartIsWhatFollowsTheFolder) {
    EXPECT_EQ(NamePart("C:\\Icons\\set.icl"), "set.icl");
    EXPECT_EQ(NamePart("C:set.icl"), "set.icl");
    EXPECT_EQ(NamePart("set.icl"), "set.icl");
    EXPECT_EQ(NamePart("C:\\Icons\\"), "");
}

TEST(LibraryFolders, FilterBecomesNulSeparatedPairsWithADoubleEnd) {
    const std::string f = DialogFilter("A (*.a)|*.a|B|*.b;*.c");
    EXPECT_EQ(f, std::string("A (*.a)\0*.a\0B\0*.b;*.c\0\0", 23));
}

TEST(ExportNames, KeyNameWithReg) {
    for (const auto& [key, file] : std::vector<std::pair<std::string, std::string>>{
             {"txtfile", "txtfile.reg"},
             {".txt", ".txt.reg"},
             {"a\\b/c:d*e?f\"g<h>i|j\tk", "a_b_c_d_e_f_g_h_i_j_k.reg"},
             {"\xD0\xA2\xD0\xB8\xD0\xBF.\xE6\x96\x87",
              "\xD0\xA2\xD0\xB8\xD0\xBF.\xE6\x96\x87.reg"}})
        EXPECT_EQ(ExportFileName(key), file) << key;
}
