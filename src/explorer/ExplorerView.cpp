#include "explorer/ExplorerView.h"

namespace explorer {

std::string WhereText(Where where) {
    switch (where) {
        case Where::User:
            return "HKCU\\Software\\Classes";
        case Where::Machine:
            return "HKLM\\Software\\Classes";
        case Where::Both:
            return "HKCU\\Software\\Classes (wins), HKLM\\Software\\Classes";
        case Where::Nowhere:
            break;
    }
    return "";
}

}  // namespace explorer
