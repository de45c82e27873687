#include "base/AsciiCase.h"
#include "catalogue/Catalogue.h"

#include <utility>

#include "icons/IconLocation.h"

namespace {

void appendToAll(TExt*& head, TExt*& tail, TExt* ext) {
    if (tail)
        tail->Next = ext;
    else
        head = ext;
    tail = ext;
}

void appendToType(TEntry& entry, TExt* ext) {
    if (entry.LastExt)
        entry.LastExt->NextInType = ext;
    else
        entry.FirstExt = ext;
    entry.LastExt = ext;
}

// Unlinks this very record (not merely one of the same name) from the all-extensions chain,
// so the record freed afterwards is never still reachable from it.
void unlinkFromAll(TExt*& head, TExt*& tail, TExt* ext) {
    TExt* prev = nullptr;
    for (TExt* p = head; p; prev = p, p = p->Next) {
        if (p != ext) continue;
        (prev ? prev->Next : head) = p->Next;
        if (tail == p) tail = prev;
        p->Next = nullptr;
        return;
    }
}

}  // namespace

std::string RowLabel(const TEntry& entry) {
    return entry.Description + " (" + entry.Name + ")";
}

TCatalogue::~TCatalogue() {
    Clear();
}

void TCatalogue::Clear() {
    // The all-extensions chain holds every TExt exactly once, so walking it frees each once.
    for (TExt* p = ExtHead; p;) delete std::exchange(p, p->Next);
    ExtHead = nullptr;
    ExtTail = nullptr;
    for (auto& slot : Entries) slot.reset();
    EntryCount = 0;
    typeSlots_.clear();
    typeSlotsCurrent_ = true;
}

void TCatalogue::AddEntry(const std::string& extName, const std::string& typeName,
                          const std::string& description, const std::string& iconLocation,
                          IconLoad load) {
    const std::int32_t found = FindType(typeName);
    if (found >= 0) {
        AppendExt(found, extName);
        return;
    }

    // A refused extension never reaches the chains, so no lookup can come back with a slot
    // for a type that was not added.
    if (EntryCount == kMaxEntries) {
        view_.ShowMessage(kTableFullMessage);
        return;
    }

    auto entry = std::make_unique<TEntry>();
    entry->Description = description;
    entry->Name = typeName;
    if (!iconLocation.empty()) {
        IconLocation loc = SplitIconLocation(iconLocation);
        entry->IconFile = std::move(loc.File);
        entry->IconIndex = loc.Index;
        entry->IconPending = PendingIcon::Location;
    } else {
        entry->IconFile = kNoIconMarker;
        entry->IconIndex = kNoIconIndex;
        entry->IconPending = PendingIcon::Fallback;
    }
    if (load == IconLoad::Now) TakePendingIcon(*entry);
    auto ext = std::make_unique<TExt>();
    ext->Name = extName;
    ext->Entry = EntryCount;

    // The row goes in before anything is linked: should the list refuse it, the catalogue is
    // left as it was and the table and the list stay in step.
    view_.RowAppended(RowLabel(*entry));

    appendToAll(ExtHead, ExtTail, ext.get());
    appendToType(*entry, ext.release());
    typeSlots_.emplace(typeName, EntryCount);
    Entries[EntryCount++] = std::move(entry);
}

std::int32_t TCatalogue::FindType(const std::string& typeName) {
    if (!typeSlotsCurrent_) {
        typeSlots_.clear();
        for (std::int32_t i = 0; i < EntryCount; ++i) typeSlots_.emplace(Entries[i]->Name, i);
        typeSlotsCurrent_ = true;
    }
    const auto found = typeSlots_.find(typeName);
    return found == typeSlots_.end() ? -1 : found->second;
}

std::int32_t TCatalogue::FindExt(const std::string& extName) const {
    for (const TExt* p = ExtHead; p; p = p->Next)
        if (EqualIgnoringAsciiCase(p->Name, extName)) return p->Entry;
    return -1;
}

void TCatalogue::RemoveExt(std::int32_t slot, const std::string& extName) {
    TEntry* entry = Entry(slot);
    if (!entry) return;

    // The record is chosen on the type's own chain and then taken off both chains by
    // identity: even with a name that occurs twice, the record freed is the one unlinked.
    TExt* prev = nullptr;
    TExt* ext = entry->FirstExt;
    while (ext && !EqualIgnoringAsciiCase(ext->Name, extName)) {
        prev = ext;
        ext = ext->NextInType;
    }
    if (!ext) return;

    (prev ? prev->NextInType : entry->FirstExt) = ext->NextInType;
    if (entry->LastExt == ext) entry->LastExt = prev;
    unlinkFromAll(ExtHead, ExtTail, ext);
    delete ext;
}

void TCatalogue::AppendExt(std::int32_t slot, const std::string& extName) {
    TEntry* entry = Entry(slot);
    if (!entry) return;
    auto ext = std::make_unique<TExt>();
    ext->Name = extName;
    ext->Entry = slot;
    appendToAll(ExtHead, ExtTail, ext.get());
    appendToType(*entry, ext.release());
}

void TCatalogue::RemoveEntry(std::int32_t slot) {
    if (!Entry(slot)) return;
    std::unique_ptr<TEntry> removed = std::move(Entries[slot]);
    removed->Icon.reset();

    // The commands only remove types without extensions; should one still have some, they go
    // with it rather than being left on the all-extensions chain with a stale owner.
    for (TExt* p = removed->FirstExt; p;) {
        TExt* next = p->NextInType;
        unlinkFromAll(ExtHead, ExtTail, p);
        delete p;
        p = next;
    }
    removed->FirstExt = nullptr;
    removed->LastExt = nullptr;

    for (std::int32_t i = slot + 1; i < EntryCount; ++i) {
        Entries[i - 1] = std::move(Entries[i]);
        for (TExt* p = Entries[i - 1]->FirstExt; p; p = p->NextInType) --p->Entry;
    }
    --EntryCount;
    Entries[EntryCount].reset();
    removed.reset();
    typeSlotsCurrent_ = false;

    view_.RowRemoved(slot);
}

std::int32_t TCatalogue::AppendType(const std::string& description, const std::string& name,
                                    const std::string& iconFile, std::int32_t iconIndex) {
    if (EntryCount == kMaxEntries) return -1;
    auto entry = std::make_unique<TEntry>();
    entry->Description = description;
    entry->Name = name;
    entry->IconFile = iconFile;
    entry->IconIndex = iconIndex;
    entry->Icon = icons_.Extract(iconFile, iconIndex);

    view_.RowAppended(RowLabel(*entry));

    const std::int32_t slot = EntryCount++;
    typeSlots_.emplace(name, slot);
    Entries[slot] = std::move(entry);
    return slot;
}

void TCatalogue::LoadIcon(std::int32_t slot) {
    const TEntry* entry = Entry(slot);
    if (!entry) return;
    SetIcon(slot, icons_.Extract(entry->IconFile, entry->IconIndex));
}

void TCatalogue::SetIcon(std::int32_t slot, TIcon icon) {
    TEntry* entry = Entry(slot);
    if (!entry) return;
    entry->Icon = std::move(icon);
    entry->IconPending = PendingIcon::None;
}

const TIcon& TCatalogue::RowIcon(std::int32_t slot) {
    static const TIcon none;
    TEntry* entry = Entry(slot);
    if (!entry) return none;
    TakePendingIcon(*entry);
    return entry->Icon;
}

void TCatalogue::ReloadIcons() {
    for (std::int32_t slot = 0; slot < EntryCount; ++slot) {
        TEntry& entry = *Entries[slot];
        entry.Icon.reset();
        const bool noLocation = entry.IconFile == kNoIconMarker && entry.IconIndex == kNoIconIndex;
        entry.IconPending = noLocation ? PendingIcon::Fallback : PendingIcon::Location;
    }
}

void TCatalogue::TakePendingIcon(TEntry& entry) {
    switch (std::exchange(entry.IconPending, PendingIcon::None)) {
        case PendingIcon::None:
            break;
        case PendingIcon::Location:
            entry.Icon = icons_.Extract(entry.IconFile, entry.IconIndex);
            break;
        case PendingIcon::Fallback:
            entry.Icon = icons_.Fallback();
            break;
    }
}

void TCatalogue::RenameEntry(std::int32_t slot, const std::string& newName) {
    TEntry* entry = Entry(slot);
    if (!entry) return;
    entry->Name = newName;
    typeSlotsCurrent_ = false;
}
