#include "model/keyvalueline.h"

#include <gtest/gtest.h>

#include "model/codec.h"

namespace mv {
namespace {

TEST(KeyValueLine, FindsSeparatedItemsIgnoringCase) {
    std::string line = "Ci_CDate=2003/07/01%!#Ci_STime=0930%!#Ci_Title=  abc  %!#";
    int start = 0;
    EXPECT_TRUE(GetInt(line, "ci_stime", kSep, start));
    EXPECT_EQ(start, 930);
    std::string title;
    EXPECT_TRUE(GetText(line, "Ci_Title", kSep, title));
    EXPECT_EQ(title, "abc");
}

}  // namespace
}  // namespace mv
