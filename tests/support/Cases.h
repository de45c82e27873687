#pragma once
// Table-driven tests: cases that carry their own name, so that each case reports under it.
//
//     const TextCase kCases[] = {{"PutsADotInFront", {{"txt", ".txt"}}}, ...};
//     class NormaliseTest : public ::testing::TestWithParam<TextCase> {};
//     TEST_P(NormaliseTest, Gives) {
//         for (const auto& [in, out] : GetParam().io) EXPECT_EQ(Normalise(in), out) << in;
//     }
//     INSTANTIATE_TEST_SUITE_P(Cases, NormaliseTest, ::testing::ValuesIn(kCases), CaseName());

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Names each case of a parameterised test after its name field.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

// A case of a function from text to text: each input with the output it must give.
struct TextCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> io;
};

inline void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}
