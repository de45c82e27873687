#include "icons/IconSlots.h"

#include <algorithm>
#include <utility>

void IconSlots::Assign(std::size_t count, RunExtraction extract) {
    Clear();
    count_ = std::min(count, slots_.size());
    extract_ = std::move(extract);
}

void IconSlots::Clear() {
    for (TIcon& icon : slots_) icon.reset();
    std::fill(extracted_.begin(), extracted_.end(), false);
    extractedCount_ = 0;
    count_ = 0;
    extract_ = nullptr;
}

const TIcon& IconSlots::Get(std::size_t i, const RunEnd& runEnd) {
    if (i < count_ && !extracted_[i]) ExtractRun(i, runEnd());
    return Held(i);
}

const TIcon& IconSlots::Held(std::size_t i) const {
    static const TIcon none;
    return i < count_ ? slots_[i] : none;
}

void IconSlots::ExtractRun(std::size_t first, std::size_t runEnd) {
    // The run ends where the reader says, at the file's end, or at a slot already extracted.
    std::size_t end = std::clamp(runEnd, first + 1, count_);
    for (std::size_t i = first + 1; i < end; ++i)
        if (extracted_[i]) end = i;
    // Marked first: a run that fails is not asked for again at every paint.
    for (std::size_t i = first; i < end; ++i) extracted_[i] = true;
    extractedCount_ += end - first;
    if (extract_) extract_(first, std::span<TIcon>(slots_).subspan(first, end - first));
}
