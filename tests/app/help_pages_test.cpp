// Every screen opens a help page that the program carries, and every page takes
// its look from the one style sheet beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/help_pages.h"

namespace kvz {
namespace {

const std::filesystem::path kData = KVZ_SOURCE_DIR "/data";

TEST(HelpPages, EveryScreenHasAPageThatExists) {
    for (const char* screen :
         {"TfrInitialData", "TfrPersonData", "TfrPersonNaim", "TfrPersonAddress", "TfrRussianIncome",
          "TfrThirteenPercent", "TTfrThirteenPercentNR", "TfrNinePercent", "TfrThirtyPercent", "TfrThirtyFivePercent",
          "TfrCurrency", "TfrBusinessNew", "TfrInvestTov", "TfrFrameStandartDeduct", "TfrFramePensDeduct",
          "TfrMultyConstructionDeduct", "TfrCB", "TfmLoadSoun"}) {
        const std::string page = HelpPageOf(screen);
        ASSERT_FALSE(page.empty()) << screen;
        EXPECT_TRUE(std::filesystem::is_regular_file(kData / page)) << screen << " → " << page;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(kData / kHelpStartPage));
    EXPECT_EQ(HelpPageOf("TfmUnknownDialog"), "");
}

TEST(HelpPages, EveryPageUsesTheStyleSheet) {
    ASSERT_TRUE(std::filesystem::is_regular_file(kData / "help/help.css"));
    for (const auto& entry : std::filesystem::directory_iterator(kData / "help")) {
        if (entry.path().extension() != ".htm") continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_NE(text.str().find("href=\"help.css\""), std::string::npos) << entry.path();
        EXPECT_EQ(text.str().find("<style>"), std::string::npos) << entry.path();
    }
}

}  // namespace
}  // namespace kvz
