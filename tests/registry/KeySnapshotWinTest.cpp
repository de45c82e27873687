// A key tree read exactly (every value type byte for byte, names and text outside the code
// page, subkeys at every depth, absent keys) and made equal to a recorded state with the
// fewest writes, never deleting a key that exists.

#include <gtest/gtest.h>

#include "registry/KeySnapshot.h"
#include "support/KeyTrees.h"
#include "registry/RegistryFixture.h"
#include "support/ScriptPrinters.h"
#include "support/WideRegistry.h"

using regscript::kBinary;
using regscript::kDword;
using regscript::Key;

namespace {

class KeySnapshot : public RegistryTest {
protected:
    std::optional<Key> Read(const std::u16string& path) {
        return ReadKeySnapshot(HKEY_CLASSES_ROOT, path);
    }
    int Restore(const std::u16string& path, const std::optional<Key>& wanted) {
        return RestoreKeySnapshot(HKEY_CLASSES_ROOT, path, wanted);
    }
};

}  // namespace

TEST_F(KeySnapshot, ReadsEveryValueAndSubkeyExactlyAndAMissingKeyAsAbsent) {
    widereg::WriteTree(HKEY_CLASSES_ROOT, u"kst.Тип", EveryValueType());
    EXPECT_EQ(Read(u"kst.Тип"), EveryValueType());
    EXPECT_EQ(Read(u"kst.Тип\\shell\\открыть\\command"), EveryValueTypeAtDepth3());
    EXPECT_EQ(Read(u"missing"), std::nullopt);
    EXPECT_EQ(Read(u"missing\\below"), std::nullopt);
}

TEST_F(KeySnapshot, AKeyThatCannotBeReadRaisesWithItsPath) {
    widereg::WriteTree(HKEY_CLASSES_ROOT, u"kst", SmallType());
    // It may be deleted and its access changed, but neither read nor listed.
    widereg::SetAccess(HKEY_CLASSES_ROOT, u"kst\\shell", "D:(A;;0x70000;;;WD)");
    EXPECT_EQ(RaisedText([&] { Read(u"kst"); }), "Failed to read key kst\\shell");
    EXPECT_EQ(RaisedText([&] { Restore(u"kst", std::nullopt); }), "Failed to read key kst\\shell");
}

TEST_F(KeySnapshot, RestoresAnyStateWithOneWriteForEachDifference) {
    Key changed = SmallType();
    changed.values[0] = TextValue(u"", u"changed since");  // 1: written back
    changed.values[1].type = kBinary;                      // 2: written back
    changed.values.push_back(TextValue(u"Added", u"x"));   // 3: deleted
    changed.subkeys.erase(changed.subkeys.begin());        // 4, 5: DefaultIcon and its value made
    changed.subkeys.push_back(Key{u"new", {}, {Key{u"deeper", {}, {}}}});  // 6, 7: both deleted
    Key respelled = SmallType();
    respelled.values[1].name = u"FLAGS";  // a value spelled otherwise: deleted and written
    const struct {
        const char* name;
        std::optional<Key> before;
        std::optional<Key> wanted;
        int writes;
    } cases[] = {
        {"absent stays absent", std::nullopt, std::nullopt, 0},
        {"equal stays untouched", SmallType(), SmallType(), 0},
        {"made whole", std::nullopt, SmallType(), 6},
        {"deleted whole", SmallType(), std::nullopt, 3},
        {"differences put back", Sorted(changed), SmallType(), 7},
        {"spelling of a value", Sorted(respelled), SmallType(), 2},
    };
    for (const auto& c : cases) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"small");
        if (c.before) widereg::WriteTree(HKEY_CLASSES_ROOT, u"small", *c.before);
        ASSERT_EQ(Read(u"small"), c.before) << c.name;
        EXPECT_EQ(Restore(u"small", c.wanted), c.writes) << c.name;
        EXPECT_EQ(Read(u"small"), c.wanted) << c.name;
    }
}

TEST_F(KeySnapshot, RestoreWritesNothingIntoKeysThatAreAsWantedAndDeletesNoKeyThatStays) {
    widereg::WriteTree(HKEY_CLASSES_ROOT, u"kst.Тип", EveryValueType());
    const std::optional<Key> recorded = Read(u"kst.Тип");
    // The key itself may be changed but not deleted; a key deep inside may not be changed.
    widereg::SetAccess(HKEY_CLASSES_ROOT, u"kst.Тип", "D:(A;;0xE003F;;;WD)");
    widereg::SetAccess(HKEY_CLASSES_ROOT, u"kst.Тип\\shell\\открыть\\command",
                       "D:(A;;KR;;;WD)(A;;0x50000;;;WD)");
    ASSERT_EQ(RegDeleteKeyValueW(HKEY_CLASSES_ROOT, L"kst.Тип", L""), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteTreeW(HKEY_CLASSES_ROOT, L"kst.Тип\\DefaultIcon"), ERROR_SUCCESS);

    EXPECT_EQ(Restore(u"kst.Тип", recorded), 3);
    EXPECT_EQ(Read(u"kst.Тип"), recorded);
    widereg::SetAccess(HKEY_CLASSES_ROOT, u"kst.Тип", "D:(A;;KA;;;WD)");
}

TEST_F(KeySnapshot, ARefusedWriteRaisesNamingTheValue) {
    widereg::WriteTree(HKEY_CLASSES_ROOT, u"small", SmallType());
    Key wanted = SmallType();
    wanted.values[0] = TextValue(u"", u"other");
    widereg::SetAccess(HKEY_CLASSES_ROOT, u"small", "D:(A;;KR;;;WD)(A;;0x50000;;;WD)");
    EXPECT_EQ(RaisedText([&] { Restore(u"small", wanted); }), "Failed to set data for ''");
    EXPECT_EQ(Read(u"small"), SmallType());
}
