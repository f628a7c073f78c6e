// Comparison with checked-in expected files. On a mismatch the actual output is written
// beside the expected file as NAME.actual, so a person can look at it and promote it.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace loopsim {

inline std::string testDataPath(const std::string& name) {
    return std::string(LOOPSIM_TEST_DATA) + "/" + name;
}

inline std::string readTestFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

// The recording file with its date and time of writing blanked out.
inline std::string withoutWrittenDate(std::string text) {
    const auto firstComma = text.find(",#");
    const auto lineEnd = text.find("\r\n");
    if (firstComma != std::string::npos && lineEnd != std::string::npos && firstComma < lineEnd)
        text.replace(firstComma, lineEnd - firstComma, ",#DATE#,#TIME#");
    return text;
}

// A recording file's date and time of writing, on either side, take no part.
inline void expectMatchesGoldenFile(const std::string& actual, const std::string& name) {
    const std::string path = testDataPath(name);
    if (withoutWrittenDate(actual) != withoutWrittenDate(readTestFile(path))) {
        std::ofstream(path + ".actual", std::ios::binary) << actual;
        ADD_FAILURE() << name << " differs from the expected file; the actual output is in " << path
                      << ".actual";
    }
}

}  // namespace loopsim
