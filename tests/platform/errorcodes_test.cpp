#include "platform/errorcodes.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using platform::ErrnoContext;
using platform::WinErrorFromErrno;

TEST(WinErrorFromErrno, MapsTheCodesThePrintsAndLogsUse) {
    EXPECT_EQ(WinErrorFromErrno(ENOENT), 2);
    EXPECT_EQ(WinErrorFromErrno(EACCES), 5);
    EXPECT_EQ(WinErrorFromErrno(EPERM), 5);
    EXPECT_EQ(WinErrorFromErrno(EROFS), 19);
    EXPECT_EQ(WinErrorFromErrno(EBUSY), 32);
    EXPECT_EQ(WinErrorFromErrno(ETXTBSY), 32);
    EXPECT_EQ(WinErrorFromErrno(ENOSPC), 112);
    EXPECT_EQ(WinErrorFromErrno(EDQUOT), 112);
    EXPECT_EQ(WinErrorFromErrno(EINVAL), 123);
    EXPECT_EQ(WinErrorFromErrno(ENAMETOOLONG), 123);
    EXPECT_EQ(WinErrorFromErrno(ENOTEMPTY), 145);
    EXPECT_EQ(WinErrorFromErrno(EIO), 30);
}

TEST(WinErrorFromErrno, ContextChoosesBetweenCodes) {
    EXPECT_EQ(WinErrorFromErrno(ENOENT, ErrnoContext::MissingFolderOnTheWay), 3);
    EXPECT_EQ(WinErrorFromErrno(EEXIST, ErrnoContext::Create), 80);
    EXPECT_EQ(WinErrorFromErrno(EEXIST, ErrnoContext::RenameOrMkdir), 183);
    EXPECT_EQ(WinErrorFromErrno(EACCES, ErrnoContext::Create), 5);
}

TEST(WinErrorFromErrno, OtherErrnoIsOffsetByAThousand) {
    EXPECT_EQ(WinErrorFromErrno(ELOOP), 1000 + ELOOP);
    EXPECT_EQ(WinErrorFromErrno(EMFILE), 1000 + EMFILE);
    EXPECT_EQ(WinErrorFromErrno(0), 0);
}

}  // namespace
