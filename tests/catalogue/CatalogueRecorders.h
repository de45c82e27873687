#pragma once
// Recorders for driving the catalogue without windows: a view that mirrors the file-type list
// and keeps the messages, an icon source whose icons are heap tokens (so a leaked or twice
// released icon shows up under the address sanitizer as well as in the ledger), one event log
// shared by both so tests can check the order of things, and a checker of the catalogue's
// structural invariants.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/Catalogue.h"

namespace cataloguetest {

struct IconToken {
    int id;
};

// Everything that happened, in order: "append <label>", "remove <row>", "message <text>",
// "extract <file>|<index> #<id>", "fallback #<id>", "release #<id>".
struct Ledger {
    std::vector<std::string> events;
    std::vector<int> released;
    int issued = 0;
    void Reset() { *this = Ledger{}; }
};

inline Ledger& ledger() {
    static Ledger l;
    return l;
}

inline void releaseToken(TIcon::Handle handle) {
    auto* token = static_cast<IconToken*>(handle);
    ledger().released.push_back(token->id);
    ledger().events.push_back("release #" + std::to_string(token->id));
    delete token;
}

inline int IdOf(const TIcon& icon) {
    return icon.empty() ? -1 : static_cast<const IconToken*>(icon.get())->id;
}

inline int ReleaseCount(int id) {
    const auto& r = ledger().released;
    return static_cast<int>(std::count(r.begin(), r.end(), id));
}

class RecordingView : public CatalogueView {
public:
    void RowAppended(const std::string& label) override {
        rows.push_back(label);
        ledger().events.push_back("append " + label);
    }
    void RowRemoved(int row) override {
        ledger().events.push_back("remove " + std::to_string(row));
        removedRows.push_back(row);
        if (row < 0 || row >= static_cast<int>(rows.size())) {
            ADD_FAILURE() << "row " << row << " removed from a list of " << rows.size();
            return;
        }
        rows.erase(rows.begin() + row);
    }
    void ShowMessage(const std::string& text) override {
        messages.push_back(text);
        ledger().events.push_back("message " + text);
    }

    std::vector<std::string> rows;
    std::vector<int> removedRows;
    std::vector<std::string> messages;
};

class RecordingIcons : public IconSource {
public:
    struct Request {
        std::string file;
        std::int32_t index;
        int id;  // -1 when an empty icon was handed out
    };

    TIcon Extract(const std::string& file, std::int32_t index) override {
        const int id = extractGivesNothing ? -1 : ledger().issued++;
        extracts.push_back({file, index, id});
        ledger().events.push_back("extract " + file + "|" + std::to_string(index) + " #" +
                                  std::to_string(id));
        if (id < 0) return TIcon();
        return TIcon(new IconToken{id}, &releaseToken);
    }
    TIcon Fallback() override {
        const int id = ledger().issued++;
        fallbacks.push_back(id);
        ledger().events.push_back("fallback #" + std::to_string(id));
        return TIcon(new IconToken{id}, &releaseToken);
    }

    bool extractGivesNothing = false;
    std::vector<Request> extracts;
    std::vector<int> fallbacks;
};

class CatalogueFixture : public ::testing::Test {
protected:
    CatalogueFixture() { ledger().Reset(); }
    // Whatever a test did, the catalogue it leaves keeps every invariant, its rows those of the
    // view, unless the test leaves them to the window (renames, Clear) or works on catalogues of
    // its own.
    void TearDown() override;
    bool rowsLeftToWindow = false;

    TCatalogue& cat() { return *catalogue; }
    const TEntry& entry(std::int32_t slot) { return *catalogue->Entries.at(slot); }
    // Destroys the catalogue (and with it every record) before the test ends.
    void destroyCatalogue() { catalogue.reset(); }

    RecordingView view;
    RecordingIcons icons;
    std::unique_ptr<TCatalogue> catalogue = std::make_unique<TCatalogue>(view, icons);
};

// Names of the all-extensions chain, head to tail.
inline std::vector<std::string> AllChain(const TCatalogue& c) {
    std::vector<std::string> names;
    for (const TExt* p = c.ExtHead; p && names.size() <= 100000; p = p->Next)
        names.push_back(p->Name);
    return names;
}

// Names of the chain of the type in slot, first to last.
inline std::vector<std::string> TypeChain(const TCatalogue& c, std::int32_t slot) {
    std::vector<std::string> names;
    for (const TExt* p = c.Entries.at(slot)->FirstExt; p && names.size() <= 100000;
         p = p->NextInType)
        names.push_back(p->Name);
    return names;
}

inline std::vector<std::string> Names(std::initializer_list<const char*> list) {
    return std::vector<std::string>(list.begin(), list.end());
}

// Invariants 1 to 4 of the catalogue, checked against the rows the view holds: used slots
// without gaps, rows mirroring slots, every TExt on exactly the all-extensions chain and its
// owner's chain, owner indexes equal to slots, tails at the ends, both chains in one order.
inline ::testing::AssertionResult CatalogueIsSound(const TCatalogue& c, const RecordingView& v) {
    if (c.EntryCount < 0 || c.EntryCount > kMaxEntries)
        return ::testing::AssertionFailure() << "EntryCount " << c.EntryCount;
    for (std::int32_t i = 0; i < kMaxEntries; ++i) {
        if ((c.Entries[i] != nullptr) != (i < c.EntryCount))
            return ::testing::AssertionFailure()
                   << "slot " << i << (c.Entries[i] ? " used" : " empty") << " with EntryCount "
                   << c.EntryCount;
    }
    if (v.rows.size() != static_cast<size_t>(c.EntryCount))
        return ::testing::AssertionFailure()
               << v.rows.size() << " rows for " << c.EntryCount << " entries";
    for (std::int32_t i = 0; i < c.EntryCount; ++i) {
        if (v.rows[i] != RowLabel(*c.Entries[i]))
            return ::testing::AssertionFailure()
                   << "row " << i << " reads '" << v.rows[i] << "', slot holds '"
                   << RowLabel(*c.Entries[i]) << "'";
    }

    if ((c.ExtHead == nullptr) != (c.ExtTail == nullptr))
        return ::testing::AssertionFailure() << "ExtHead and ExtTail disagree about emptiness";
    std::unordered_map<const TExt*, size_t> position;
    const TExt* last = nullptr;
    for (const TExt* p = c.ExtHead; p; p = p->Next) {
        if (!position.emplace(p, position.size()).second)
            return ::testing::AssertionFailure() << "all-extensions chain loops at " << p->Name;
        last = p;
    }
    if (last != c.ExtTail)
        return ::testing::AssertionFailure() << "ExtTail is not the last record of the chain";

    std::set<const TExt*> onTypeChains;
    for (std::int32_t i = 0; i < c.EntryCount; ++i) {
        const TEntry& e = *c.Entries[i];
        if ((e.FirstExt == nullptr) != (e.LastExt == nullptr))
            return ::testing::AssertionFailure()
                   << "slot " << i << ": FirstExt and LastExt disagree about emptiness";
        const TExt* lastInType = nullptr;
        size_t previousPosition = 0;
        for (const TExt* p = e.FirstExt; p; p = p->NextInType) {
            if (!onTypeChains.insert(p).second)
                return ::testing::AssertionFailure()
                       << "slot " << i << ": " << p->Name << " is on a type chain twice";
            const auto at = position.find(p);
            if (at == position.end())
                return ::testing::AssertionFailure()
                       << "slot " << i << ": " << p->Name << " is not on the all chain";
            if (lastInType && at->second <= previousPosition)
                return ::testing::AssertionFailure()
                       << "slot " << i << ": " << p->Name << " out of insertion order";
            if (p->Entry != i)
                return ::testing::AssertionFailure()
                       << "slot " << i << ": " << p->Name << " has owner index " << p->Entry;
            previousPosition = at->second;
            lastInType = p;
        }
        if (lastInType != e.LastExt)
            return ::testing::AssertionFailure()
                   << "slot " << i << ": LastExt is not the last record of its chain";
    }
    if (onTypeChains.size() != position.size())
        return ::testing::AssertionFailure()
               << position.size() - onTypeChains.size() << " records on no type chain";
    return ::testing::AssertionSuccess();
}

inline void CatalogueFixture::TearDown() {
    if (catalogue && !rowsLeftToWindow) {
        EXPECT_TRUE(CatalogueIsSound(*catalogue, view));
    }
}

}  // namespace cataloguetest
