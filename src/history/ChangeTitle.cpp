#include "history/ChangeTitle.h"

#include "base/Utf8.h"

namespace {

std::string joined(const ChangeTitle& title, const char* quote) {
    std::string text = title.command;
    for (size_t i = 0; i < title.subjects.size(); ++i)
        text += (i == 0 ? " " : " " + title.joiner + " ") + quote + ShownName(title.subjects[i]) +
                quote;
    return text;
}

}  // namespace

std::string ChangeTitle::Quoted() const {
    return joined(*this, "\"");
}

std::string ChangeTitle::Plain() const {
    return joined(*this, "");
}

ChangeTitle ChangeTitle::Prefixed(const std::string& word) const {
    return ChangeTitle{word + " " + command, subjects, joiner};
}
