#pragma once
// The in-memory picture of the file associations: the file-type table, whose slot i is row i
// of the main window's file-type list, and the extension chains. It knows nothing of windows:
// it tells a CatalogueView about rows and messages and takes icons from an IconSource.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "icons/IconSource.h"
#include "icons/TIcon.h"

struct TExt;

// The icon a type read by the scan still waits for, until its row is first drawn.
enum class PendingIcon : std::uint8_t {
    None,      // Icon holds the type's icon (or nothing, when there was none to extract)
    Location,  // the icon at IconFile and IconIndex
    Fallback,  // the fallback icon of a type without icon location
};

// One registered file type.
struct TEntry {
    TIcon Icon;
    std::string Description;
    std::string Name;
    std::string IconFile;
    std::int32_t IconIndex = 0;
    TExt* FirstExt = nullptr;
    TExt* LastExt = nullptr;
    PendingIcon IconPending = PendingIcon::None;
};

// When AddEntry extracts a new type's icon: at once (the commands), or when the type's row is
// first drawn (the start-up scan, whose list shows twelve of thousands of rows).
enum class IconLoad { Now, WhenDrawn };

// One extension, on two chains: the all-extensions chain (Next) and its type's (NextInType).
struct TExt {
    std::int32_t Entry = -1;
    std::string Name;
    TExt* NextInType = nullptr;
    TExt* Next = nullptr;
};

// The file-type list and the plain message box, as the catalogue sees them.
class CatalogueView {
public:
    virtual ~CatalogueView() = default;
    virtual void RowAppended(const std::string& label) = 0;
    virtual void RowRemoved(int row) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
};

inline constexpr int kMaxEntries = 4096;
inline constexpr const char* kTableFullMessage = "File Type Array Full! Contact the programmer!!!";

// Description + " (" + Name + ")": the text of a file-type row.
std::string RowLabel(const TEntry& entry);

class TCatalogue {
public:
    TCatalogue(CatalogueView& view, IconSource& icons) : view_(view), icons_(icons) {}
    TCatalogue(const TCatalogue&) = delete;
    TCatalogue& operator=(const TCatalogue&) = delete;
    ~TCatalogue();

    // Frees every record and empties the table and chains.
    void Clear();

    void AddEntry(const std::string& extName, const std::string& typeName,
                  const std::string& description, const std::string& iconLocation,
                  IconLoad load = IconLoad::Now);
    std::int32_t FindExt(const std::string& extName) const;
    // The first slot whose type key name is typeName, letter for letter, or -1.
    std::int32_t FindType(const std::string& typeName);
    void RemoveExt(std::int32_t slot, const std::string& extName);
    void AppendExt(std::int32_t slot, const std::string& extName);
    void RemoveEntry(std::int32_t slot);

    // Add File Type: a new type with no extensions in slot EntryCount, its row appended.
    // Returns the slot, or -1 when the table is full (nothing changed, no message shown).
    std::int32_t AppendType(const std::string& description, const std::string& name,
                            const std::string& iconFile, std::int32_t iconIndex);

    // Gives the entry in slot the icon at its IconFile and IconIndex (old icon released).
    void LoadIcon(std::int32_t slot);
    // A command's new icon for the entry in slot, extracted at once: the old icon is released
    // and the row has nothing left to extract. Invalid slot: the icon is dropped.
    void SetIcon(std::int32_t slot, TIcon icon);
    // The icon row slot shows. A type read by the scan gets it here, the first time its row is
    // drawn, and keeps it; an invalid slot shows nothing.
    const TIcon& RowIcon(std::int32_t slot);
    // Releases every row's icon; each row extracts its icon again from the icon source, as the
    // source now gives it (at a new size), when it is next drawn. A type without icon location
    // gets the fallback icon again.
    void ReloadIcons();

    // The properties dialog's new type key name for the entry in slot (row text is the
    // caller's); later AddEntry calls find the type under that name. Invalid slot: nothing.
    void RenameEntry(std::int32_t slot, const std::string& newName);

    TEntry* Entry(std::int32_t slot) const {
        return slot >= 0 && slot < EntryCount ? Entries[slot].get() : nullptr;
    }

    std::array<std::unique_ptr<TEntry>, kMaxEntries> Entries{};
    std::int32_t EntryCount = 0;
    TExt* ExtHead = nullptr;
    TExt* ExtTail = nullptr;

private:
    // Extracts what entry waits for, if anything.
    void TakePendingIcon(TEntry& entry);

    CatalogueView& view_;
    IconSource& icons_;
    // Each type key name with the first slot that holds it, so that the scan does not compare
    // every new extension's type with every type before it. Renames and removals, which may
    // change which slot comes first, have it built anew at the next lookup.
    std::unordered_map<std::string, std::int32_t> typeSlots_;
    bool typeSlotsCurrent_ = true;
};
