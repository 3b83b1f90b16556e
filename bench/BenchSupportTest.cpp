// The benchmark driver's own helpers: what it accepts as sizes, how it counts
// the Paint stand-in's launches, and its hand-shake with the script.
#include "bench/BenchSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A scratch folder in the temporary folder, removed with its files.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + "bench-support-test-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        for (const std::string& name : m_files)
            DeleteFileA(File(name).c_str());
        RemoveDirectoryA(m_path.c_str());
    }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    void Write(const std::string& name, const char* text)
    {
        m_files.push_back(name);
        std::FILE* f = std::fopen(File(name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs(text, f);
        std::fclose(f);
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::vector<std::string> m_files;
};

TEST(ParseSize, TakesTwoPositiveNumbersAroundAnX)
{
    SIZE size{};
    ASSERT_TRUE(bench::ParseSize("1820x1000", &size));
    EXPECT_EQ(size.cx, 1820);
    EXPECT_EQ(size.cy, 1000);
    ASSERT_TRUE(bench::ParseSize("180X153", &size));
    EXPECT_EQ(size.cy, 153);
    for (const char* bad : {"", "180", "180x", "x153", "0x10", "10x-1", "180x153px", "180 x 153", "99999x10"})
        EXPECT_FALSE(bench::ParseSize(bad, &size)) << bad;
}

TEST(ParseSize, ListKeepsTheGoodOnesInOrder)
{
    const std::vector<SIZE> sizes = bench::ParseSizeList("280x175,junk,1820x1000,");
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0].cx, 280);
    EXPECT_EQ(sizes[1].cy, 1000);
    EXPECT_TRUE(bench::ParseSizeList("").empty());
}

TEST(PaintLog, CountsLinesOfAFileThatMayNotExistYet)
{
    ScratchFolder folder;
    EXPECT_EQ(bench::CountLines(folder.File("none.log").c_str()), 0);
    folder.Write("two.log", "\"C:\\a b.bmp\"\r\n\"C:\\c.bmp\"\n");
    EXPECT_EQ(bench::CountLines(folder.File("two.log").c_str()), 2);
}

TEST(PaintLog, WaitingForALaunchNotLoggedTimesOut)
{
    ScratchFolder folder;
    folder.Write("paint.log", "first\n");
    EXPECT_TRUE(bench::WaitForPaintLaunch(folder.File("paint.log").c_str(), 1, 2000));
    const double start = bench::NowMs();
    EXPECT_FALSE(bench::WaitForPaintLaunch(folder.File("paint.log").c_str(), 2, 200));
    EXPECT_GE(bench::NowMs() - start, 190.0);
}

TEST(ScriptSync, AsksInTurnAndWaitsForTheAnswerFile)
{
    ScratchFolder folder;
    bench::ScriptSync sync(folder.Path());
    folder.Write("0.go", "");
    EXPECT_TRUE(sync.Ask("peer", 2000));
    // The next question is number 1, whose answer never comes.
    EXPECT_FALSE(sync.Ask("peer", 100));
}

TEST(Clock, MillisecondsMoveForwardWithSleep)
{
    const double start = bench::NowMs();
    Sleep(50);
    const double elapsed = bench::NowMs() - start;
    EXPECT_GE(elapsed, 45.0);
    EXPECT_LT(elapsed, 5000.0);
}

} // namespace
