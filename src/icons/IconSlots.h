#pragma once
// The icons of one file in a fixed row of slots, slot i holding icon i, extracted when they are
// first wanted rather than all at once: the icon library grid and the properties dialog's grid
// show a screen of cells from a file of up to a thousand icons. A slot not extracted yet is
// extracted when it is read, together with the slots after it that are about to be drawn too,
// in one call to the extraction. No Win32 here: the extraction is handed in.

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "icons/TIcon.h"

class IconSlots {
public:
    // Fills icons with icons first, first + 1, ... of the file, as many as icons holds.
    using RunExtraction = std::function<void(std::size_t first, std::span<TIcon> icons)>;
    // Where the run of slots about to be drawn ends (one past its last slot); asked only when
    // a slot must be extracted.
    using RunEnd = std::function<std::size_t()>;

    explicit IconSlots(std::size_t capacity) : slots_(capacity), extracted_(capacity, false) {}
    IconSlots(const IconSlots&) = delete;
    IconSlots& operator=(const IconSlots&) = delete;

    // Slots 0 to count - 1 (count cut to the capacity) now stand for the icons that extract
    // gives; none is extracted yet. The icons held before are released first.
    void Assign(std::size_t count, RunExtraction extract);
    // Releases every icon and forgets the file: every slot reads empty.
    void Clear();

    // Slot i. When it was not extracted yet, it is now, with the slots after it up to runEnd()
    // that were not extracted either. An icon that cannot be extracted stays empty and is not
    // asked for again. Slots at and above the icon count read empty.
    const TIcon& Get(std::size_t i, const RunEnd& runEnd);
    // Slot i as it is, extracted or not: empty until Get extracted it.
    const TIcon& Held(std::size_t i) const;

    // The slots there are, and how many of them stand for icons of the file.
    std::size_t Capacity() const { return slots_.size(); }
    std::size_t IconCount() const { return count_; }
    // Icons asked of the file since Assign; whether slot i was among them.
    std::size_t ExtractedCount() const { return extractedCount_; }
    bool WasExtracted(std::size_t i) const { return i < count_ && extracted_[i]; }

private:
    void ExtractRun(std::size_t first, std::size_t runEnd);

    std::vector<TIcon> slots_;
    std::vector<bool> extracted_;
    std::size_t extractedCount_ = 0;
    std::size_t count_ = 0;
    RunExtraction extract_;
};
