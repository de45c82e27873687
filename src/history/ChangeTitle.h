#pragma once
// What a change is called: a command and what it acted on, for example Delete File Type and
// "txtfile", Move Extension, ".txt" and "txtfile" (joined by "to"), or Edit Action, "open" and
// "txtfile" (joined by "of"). A long subject is cut in the title (base/Utf8.h ShownName). No
// Win32 in here.

#include <string>
#include <vector>

struct ChangeTitle {
    std::string command;
    std::vector<std::string> subjects;
    std::string joiner = "to";  // the word between two subjects

    // With each subject between double quotes: Delete File Type "txtfile". For comments and
    // questions.
    std::string Quoted() const;
    // With the subjects as they are: Delete File Type txtfile. For file names, and inside a
    // text that is quoted itself.
    std::string Plain() const;
    // The title of the record that an undo or a redo of this change leaves: "Undo " + command.
    ChangeTitle Prefixed(const std::string& word) const;
};
