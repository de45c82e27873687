#include "catalogue/ExtName.h"

#include "base/Utf8.h"

std::string NormaliseExtension(std::string_view typed) {
    if (!typed.empty() && typed.front() == '.') return std::string(typed);
    return "." + std::string(typed);
}

std::string TakeOverQuestion(const std::string& ext, const std::string& holder,
                             const std::string& type) {
    const std::string belongs = holder.empty() ? "no file type" : "\"" + ShownName(holder) + "\"";
    return "\"" + ShownName(ext) + "\" belongs to " + belongs + ". Move it to \"" +
           ShownName(type) + "\"?";
}
