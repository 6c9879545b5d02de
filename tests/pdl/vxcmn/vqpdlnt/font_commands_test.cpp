// font_commands_test.cpp - the resident font chosen among a face's rows by weight and slant, with what the row
// lacks simulated ("fob", "foi"), and the job's substitution rows ("foc"), once per job.
#include "text_fixture.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"

namespace {

using FontCommands = TextTest;

TEST_F(FontCommands, TheRowNearestTheFontsWeightAndSlantIsChosenAndTheRestSimulated)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}, {u"Antique Olive", u"Antique Olive"}, {u"Coronet", u"Coronet"},
                            {u"Clarendon Condensed", u"Clarendon Condensed"}, {u"Letter Gothic", u"Letter Gothic"},
                            {u"Times New Roman", u"Times New Roman"}}));
    struct Case {
        const char16_t* face;
        USHORT weight;        // usWinWeight of the TrueType font
        bool italic;          // its own slant (lItalicAngle)
        bool simBold;         // GDI simulates bold (FO_SIM_BOLD)
        bool simItalic;       // and italic (FO_SIM_ITALIC)
        const char* font;     // "fos" and, after "fop" and "for", "fob" and "foi"
        const char* flags;
    };
    const Case cases[] = {
        {u"Arial",               400, false, false, false, "fos 5;\n",  "fob 0;\nfoi 0;\n"},
        {u"Arial",               400, false, true,  false, "fos 5;\n",  "fob 1;\nfoi 0;\n"},
        {u"Arial",               400, false, false, true,  "fos 5;\n",  "fob 0;\nfoi 1;\n"},
        {u"Arial",               700, false, false, false, "fos 7;\n",  "fob 0;\nfoi 0;\n"},
        {u"Arial",               400, true,  false, false, "fos 6;\n",  "fob 0;\nfoi 0;\n"},
        {u"Arial",               700, true,  false, false, "fos 8;\n",  "fob 0;\nfoi 0;\n"},
        // No bold italic row: the first of the two half matches (italic), made bold.
        {u"Antique Olive",       700, true,  false, false, "fos 3;\n",  "fob 1;\nfoi 0;\n"},
        {u"Letter Gothic",       700, true,  false, false, "fos 20;\n", "fob 1;\nfoi 0;\n"},
        // A face of one italic row stays that row, upright font or not; a bold row is not made lighter.
        {u"Coronet",             400, false, false, false, "fos 10;\n", "fob 0;\nfoi 0;\n"},
        {u"Clarendon Condensed", 400, false, false, false, "fos 9;\n",  "fob 0;\nfoi 0;\n"},
        // A weight between the rows': the regular row comes first and is made bolder.
        {u"Times New Roman",     600, false, false, false, "fos 31;\n", "fob 1;\nfoi 0;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        PdlResetPageState(m_pdev);
        TextRun run(FontAt(c.face, 50, 0, 1, c.simBold, c.simItalic), u"a");
        run.metrics()->usWinWeight = c.weight;
        run.metrics()->lItalicAngle = c.italic ? -120 : 0;
        EXPECT_EQ(Drawn(run), std::string(kBlackText) + c.font + "fop %6 %1;\nfor %0;\n" + c.flags +
                                  "txo #61 100 200;\n");
    }
}

TEST_F(FontCommands, OnlyTheStateThatChangedIsWritten)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}}));
    TextRun regular(FontAt(u"Arial", 50), u"a");
    Drawn(regular);
    struct Step { TextRun run; const char* written; };
    Step steps[] = {
        {TextRun(FontAt(u"Arial", 50, 0, 1, /*bold=*/true), u"a"), "fob 1;\n"},
        {TextRun(FontAt(u"Arial", 50, 900, 1, true), u"a"),         "for %90;\n"},
        {TextRun(FontAt(u"Arial", 50, 900, 2, true), u"a"),         "fop %6 %2;\n"},
        {TextRun(FontAt(u"Arial", 50, 0), u"a"),                    "fop %6 %1;\nfor %0;\nfob 0;\n"},
    };
    for (Step& step : steps) {
        SCOPED_TRACE(step.written);
        const std::string bytes = Drawn(step.run);
        EXPECT_EQ(bytes.substr(0, bytes.find("txo ")), step.written);
    }
    TextRun italic(FontAt(u"Arial", 50), u"a");
    italic.metrics()->lItalicAngle = -120;
    const std::string bytes = Drawn(italic);
    EXPECT_EQ(bytes.substr(0, bytes.find("txo ")), "fos 6;\n") << "the italic row: nothing to simulate";
}

TEST_F(FontCommands, EachRowOfASubstitutedFaceIsAnnouncedWithItsNamesTypeAndEncoding)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Courier New", u"'Dark' Courier"},
                            {u"Foo", u""},
                            {u"ＭＳ Ｐゴシック", u"HGPゴシックB"},
                            {u"Symbol", u"Symbol"},
                            {u"Wingdings", u"Symbol"},
                            {u"Coronet", u"Coronet"}}));
    PdlOutputFontSubstitution(m_pdev);
    // Table order; a face named by two entries twice; the family is the font's own name unless the row has one.
    EXPECT_EQ(Take(), "foc Coronet Coronet 1 W1 10;\n"
                      "foc 'Dark'_Courier Courier 1 W1 43;\n"
                      "foc 'Dark'_Courier_Italic Courier 1 W1 44;\n"
                      "foc 'Dark'_Courier_Bold Courier 1 W1 45;\n"
                      "foc 'Dark'_Courier_Bold_Italic Courier 1 W1 46;\n"
                      "foc Symbol Symbol 1 WD 81;\n"
                      "foc Symbol Symbol 1 WD 81;\n"
                      "foc HGPGothicB HGPGothicB 2 SJ 85;\n"
                      "foc HGPGothicB HGPGothicB 3 SJ 87;\n");
}

TEST_F(FontCommands, TheRowsAreAnnouncedOnceAJobAndOnlyWhereSubstitutionIsOn)
{
    struct Case {
        const char* what;
        BYTE graphicsMode;
        BYTE fontUse;
        bool list;
        const char* first;    // what the first page begins with
    };
    const Case cases[] = {
        {"a list",            2, 1, true,  "foc Arial Arial 1 W1 5;\n"},
        {"no list",           2, 1, false, "rem lpFontSubTable = NULL;\n"},
        {"substitution off",  2, 0, true,  nullptr},
        {"raster",            1, 1, true,  nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.lpGraphicsMode = c.graphicsMode;
        dm.dmPrivate.FontUseFlg = c.fontUse;
        ASSERT_NE(Open(dm), nullptr);
        if (c.list) {
            ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}}));
        }
        ASSERT_TRUE(Page());
        ASSERT_TRUE(Page());
        ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
        const std::string job = Take();
        EXPECT_EQ(CountOf(job, "foc "), c.list && c.first != nullptr ? 4u : 0u) << job;
        EXPECT_EQ(CountOf(job, "rem lpFontSubTable"), c.list || c.first == nullptr ? 0u : 1u) << job;
        if (c.first != nullptr) {
            const std::string language = "ini 600 1 S;\n";
            EXPECT_EQ(job.find(c.first), job.find(language) + language.size())
                << "after the header, before the first page's commands: " << job;
        }
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
        FinishJob();
    }
}

} // namespace
