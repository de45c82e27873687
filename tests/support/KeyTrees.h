#pragma once
// Key trees that the key-snapshot and registry-editor tests write, read and restore.

#include "regscript/RegKey.h"
#include "support/WideRegistry.h"

inline regscript::Key Sorted(regscript::Key key) {
    regscript::SortKey(key);
    return key;
}

// A type key holding every value type, empty values, text in three scripts, and subkeys down
// to depth 3.
inline regscript::Key EveryValueType() {
    using namespace regscript;
    const std::vector<Value> values = {
        TextValue(u"", u"Документ 文本"),
        TextValue(u"Текст", u"plain"),
        RawValue(u"EmptyText", kSz, {}),
        TextValue(u"JustNul", u""),
        RawValue(u"NoNul", kSz, {0x41, 0x00}),
        TextValue(u"Expand", u"%SystemRoot%\\a.dll", kExpandSz),
        RawValue(u"Multi", kMultiSz, {0x61, 0, 0, 0, 0x62, 0, 0, 0, 0, 0}),
        RawValue(u"Dword", kDword, {1, 2, 3, 4}),
        RawValue(u"Qword", kQword, {1, 2, 3, 4, 5, 6, 7, 8}),
        RawValue(u"Binary", kBinary, {0, 255, 7}),
        RawValue(u"EmptyBinary", kBinary, {}),
        RawValue(u"None", kNone, {9}),
        RawValue(u"Unknown", 0x4000, {1, 2}),
        TextValue(u"Quoted \"name\" \\ here", u"\"C:\\Program Files\\a.exe\" \"%1\""),
    };
    Key deep{u"command", values, {}};
    Key open{u"открыть", {TextValue(u"", u"&Open")}, {deep}};
    Key shell{u"shell", {}, {open, Key{u"empty", {}, {}}}};
    return Sorted(
        Key{u"kst.Тип", values, {shell, Key{u"DefaultIcon", {TextValue(u"", u"x,1")}, {}}}});
}

// The key at depth 3 of EveryValueType(), shell\открыть\command, with every value type.
inline regscript::Key EveryValueTypeAtDepth3() {
    return EveryValueType().subkeys.at(1).subkeys.at(1).subkeys.at(0);
}

// A type key with a description, a flag, an icon key and an empty key.
inline regscript::Key SmallType() {
    using namespace regscript;
    return Sorted(
        Key{u"small",
            {TextValue(u"", u"description"), RawValue(u"Flags", kDword, {1, 0, 0, 0})},
            {Key{u"DefaultIcon", {TextValue(u"", u"a.dll,2")}, {}}, Key{u"shell", {}, {}}}});
}
