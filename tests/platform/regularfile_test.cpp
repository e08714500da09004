#include "platform/regularfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "support/sandbox.h"

namespace {

using platform::RegularFile;

TEST(RegularFile, OpensRegularFilesOnly) {
    Sandbox sandbox;
    const std::string fifo = sandbox.Path() + "/x.ttf";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_directories(sandbox.Path() + "/folder.ttf");
    const struct {
        std::string path;
        int error;
    } refused[] = {{fifo, EINVAL},
                   {sandbox.Path() + "/folder.ttf", EISDIR},
                   {sandbox.Path() + "/missing.ttf", ENOENT}};
    for (const auto& c : refused) {
        RegularFile file(c.path);
        EXPECT_FALSE(file.IsOpen()) << c.path;
        EXPECT_EQ(file.Error(), c.error) << c.path;
        EXPECT_EQ(file.Size(), 0u) << c.path;
        EXPECT_FALSE(file.ReadAll(100).has_value()) << c.path;
    }
}

TEST(RegularFile, ReadsTheWholeFileUpToTheLimit) {
    Sandbox sandbox;
    const std::string path = sandbox.WriteFile("a.ini", "[S]\r\nk=v\r\n");
    RegularFile file(path);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Size(), 10u);
    EXPECT_EQ(file.ReadAll(10), "[S]\r\nk=v\r\n");
    EXPECT_FALSE(RegularFile(path).ReadAll(9).has_value());
    EXPECT_EQ(RegularFile(sandbox.WriteFile("empty.ini", "")).ReadAll(0), "");
}

}  // namespace
