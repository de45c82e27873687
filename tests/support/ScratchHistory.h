#pragma once
// A throwaway history folder for tests (and benchmarks): while a ScratchHistory lives, the
// program's history files go to a fresh folder below the temporary folder, never to the
// user's own; the destructor deletes the folder with everything in it.
//
//     ScratchHistory history;
//     ... a command runs ...
//     EXPECT_EQ(history.Files().size(), 1u);

#include <string>
#include <vector>

class ScratchHistory {
public:
    ScratchHistory();
    ~ScratchHistory();
    ScratchHistory(const ScratchHistory&) = delete;
    ScratchHistory& operator=(const ScratchHistory&) = delete;

    const std::wstring& Folder() const { return folder_; }
    // The names of the files in the folder, in the order of their names.
    std::vector<std::wstring> Files() const;

private:
    std::wstring folder_;
};
