// Names of changes and of history files: quoted and plain titles, file names that sort by
// time and hold no character a file name cannot, and which names are those of history files.

#include <gtest/gtest.h>

#include "history/ChangeTitle.h"
#include "history/HistoryNames.h"

namespace {

const Stamp kStamp{2026, 12, 8, 9, 4, 5, 7};

}  // namespace

TEST(ChangeTitle, QuotesEachSubjectAndJoinsTwoWithToOrOf) {
    const ChangeTitle del{"Delete File Type", {"txtfile"}};
    EXPECT_EQ(del.Quoted(), "Delete File Type \"txtfile\"");
    EXPECT_EQ(del.Plain(), "Delete File Type txtfile");
    const ChangeTitle move{"Move Extension", {".txt", "Text.Type"}};
    EXPECT_EQ(move.Quoted(), "Move Extension \".txt\" to \"Text.Type\"");
    EXPECT_EQ(move.Prefixed("Undo").Plain(), "Undo Move Extension .txt to Text.Type");
    const ChangeTitle edit{"Edit Action", {"open", "txtfile"}, "of"};
    EXPECT_EQ(edit.Prefixed("Redo").Quoted(), "Redo Edit Action \"open\" of \"txtfile\"");
}

TEST(HistoryNames, StampAndTitleMakeAFileNameThatSortsByTime) {
    EXPECT_EQ(CommentStamp(kStamp), "2026-12-08 09:04:05");
    EXPECT_EQ(HistoryFileName(kStamp, u"Delete File Type txtfile"),
              u"2026-12-08 09-04-05.007 Delete File Type txtfile.reg");
    EXPECT_LT(HistoryFileName(kStamp, u"Z"), HistoryFileName(Stamp{2026, 12, 8, 9, 4, 5, 8}, u"A"));
    EXPECT_EQ(HistoryFileName(kStamp, u"a\\b/c:d*e?f\"g<h>i|j\tk Тип"),
              u"2026-12-08 09-04-05.007 a_b_c_d_e_f_g_h_i_j_k Тип.reg");
}

TEST(HistoryNames, ALongTitleIsCutWithoutPartingASurrogatePair) {
    const std::u16string title = std::u16string(99, u'x') + u"\U0001F600" + u"rest";
    const std::u16string name = HistoryFileName(kStamp, title);
    EXPECT_EQ(name, u"2026-12-08 09-04-05.007 " + std::u16string(99, u'x') + u".reg");
    EXPECT_EQ(HistoryFileName(kStamp, std::u16string(150, u'y')).size(), 24u + 100u + 4u);
}

TEST(HistoryNames, OnlyNamesWithAStampAndTheExtensionAreHistoryFiles) {
    EXPECT_TRUE(IsHistoryFileName(u"2026-12-08 09-04-05.009 c.reg"));
    EXPECT_TRUE(IsHistoryFileName(u"2026-12-08 09-04-05.007 a.REG"));
    EXPECT_FALSE(IsHistoryFileName(u"2026-12-08 09-04-05.00x d.reg"));
    EXPECT_FALSE(IsHistoryFileName(u"2026-12-08 09-04-05.010 e.reg.bak"));
    EXPECT_FALSE(IsHistoryFileName(u"2026-12-08 09-04-05.010.reg"));
    EXPECT_FALSE(IsHistoryFileName(u"my own.reg"));
}
