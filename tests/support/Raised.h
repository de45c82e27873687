#pragma once
// The message of the error that a piece of work raises, to compare with the text the user
// would see.

#include <string>

// The message of the error of type Error (one of the program's exceptions) that f raises, or
// "<nothing raised>" when it raises none.
template <class Error, class F>
std::string RaisedMessage(F&& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.message();
    }
    return "<nothing raised>";
}
