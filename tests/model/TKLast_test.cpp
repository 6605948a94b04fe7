#include "model/TKLast.h"

#include <gtest/gtest.h>

namespace {

TEST(TKLast, bemessungswertFolgtJedemSetter) {
    TKLast l;
    EXPECT_EQ(l.GetFd(), 0);
    l.SetGk(10);
    EXPECT_DOUBLE_EQ(l.GetFd(), 13.5);
    l.SetQk(20);
    EXPECT_DOUBLE_EQ(l.GetFd(), 43.5);
    l.Setgg(1.0);
    EXPECT_DOUBLE_EQ(l.GetFd(), 40);
    l.Setgq(1.0);
    EXPECT_DOUBLE_EQ(l.GetFd(), 30);
    const TKLast kopie(l);
    EXPECT_DOUBLE_EQ(kopie.GetFd(), 30);
    EXPECT_EQ(kopie.Getgg(), 1.0);
}

}  // namespace
