#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/imagegen/chord_type_table.h"

namespace {

TEST(Readme, ChordTypeTableIsCurrent) {
    std::ifstream in(std::string(DEMO_SOURCE_DIR) + "/README.md");
    std::stringstream text;
    text << in.rdbuf();
    const std::string readme = text.str();
    const std::string open = "<!-- chord-types -->\n", close = "<!-- /chord-types -->";
    const auto from = readme.find(open), to = readme.find(close);
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    EXPECT_EQ(readme.substr(from + open.size(), to - from - open.size()),
              imagegen::chordTypeMarkdown())
        << "run build/tools/imagegen chord-types and paste its output into README.md";
}

}  // namespace
