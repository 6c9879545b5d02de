// debug_test.cpp - the debug trace: OutputDebugStringW/A and DbgPrint in call order, from any thread.
#include "host/inspect.h"
#include "host/text.h"
#include "host/world.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <string>
#include <thread>
#include <vector>

using DebugTrace = WorldTest;

TEST_F(DebugTrace, KeepsWideAnsiAndDbgPrintLinesInCallOrder)
{
    OutputDebugStringW(u"wide \u3042\n");
    OutputDebugStringA("ansi \x82\xA0\n");   // code page 932 for the same kana
    DbgPrint("print %d %s %04x\n", -7, "x", 0xAB);
    OutputDebugStringW(nullptr);
    OutputDebugStringA(nullptr);
    EXPECT_EQ(host::DebugTrace(), u"wide \u3042\nansi \u3042\nprint -7 x 00ab\n");

    host::ClearDebugTrace();
    OutputDebugStringW(u"after");
    EXPECT_EQ(host::DebugTrace(), u"after");
}

TEST_F(DebugTrace, ANewWorldStartsWithAnEmptyTrace)
{
    OutputDebugStringW(u"left over");
    host::CreateWorld(m_root);
    EXPECT_EQ(host::DebugTrace(), u"");
}

TEST_F(DebugTrace, DbgPrintPassesAtMost511BytesAndNeverHalfACharacter)
{
    struct Case { std::string text; std::u16string expected; };
    const Case cases[] = {
        {std::string(600, 'y'),                 std::u16string(511, u'y')},
        {std::string(510, 'x') + "\x82\xA0",    std::u16string(510, u'x')},             // the kana would end at 512
        {std::string(509, 'x') + "\x82\xA0z",   std::u16string(509, u'x') + u"\u3042"}, // it ends at 511: kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        host::ClearDebugTrace();
        EXPECT_EQ(DbgPrint("%s", c.text.c_str()), static_cast<ULONG>(STATUS_SUCCESS));
        EXPECT_EQ(host::DebugTrace(), c.expected);
    }
}

TEST_F(DebugTrace, LinesFromManyThreadsStayWholeAndInEachThreadsOrder)
{
    constexpr int kThreads = 4;
    constexpr int kLines = 300;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kLines; ++i) {
                if (i % 2 == 0)
                    DbgPrint("%d:%d\n", t, i);
                else
                    OutputDebugStringW(host::FromUtf8(std::to_string(t) + ":" + std::to_string(i) + "\n").c_str());
            }
        });
    }
    for (auto& thread : threads)
        thread.join();

    const std::string trace = host::ToUtf8(host::DebugTrace());
    int next[kThreads] = {};
    size_t lines = 0;
    for (size_t start = 0; start < trace.size();) {
        const size_t end = trace.find('\n', start);
        ASSERT_NE(end, std::string::npos) << "a line lost its end";
        const std::string line = trace.substr(start, end - start);
        const size_t colon = line.find(':');
        ASSERT_NE(colon, std::string::npos) << "torn line: " << line;
        const int t = std::stoi(line.substr(0, colon));
        ASSERT_TRUE(t >= 0 && t < kThreads) << line;
        EXPECT_EQ(std::stoi(line.substr(colon + 1)), next[t]) << "thread " << t << " out of order";
        ++next[t];
        ++lines;
        start = end + 1;
    }
    EXPECT_EQ(lines, static_cast<size_t>(kThreads * kLines));
}
