// How a file is spread over the symbols of a printout: in order, without gaps or
// overlaps, each symbol within what it can carry, every page with its share.
#include <gtest/gtest.h>

#include "print/barcode_plan.h"
#include "print/pdf417_symbol.h"

namespace kvz {
namespace {

void ExpectSequenceCoversTheFile(const BarcodePlan& plan, std::size_t size) {
    std::size_t next = 0, index = 0;
    for (const auto& page : plan.Pages) {
        for (const BarcodeSegment& segment : page) {
            EXPECT_EQ(segment.Index, index++);
            EXPECT_EQ(segment.Offset, next);
            EXPECT_LE(segment.Size, kMaxSegmentBytes);
            next += segment.Size;
        }
    }
    EXPECT_EQ(index, plan.SegmentCount);
    EXPECT_EQ(next, size);
}

TEST(BarcodePlan, EveryPageCarriesASymbolAndLargeFilesGetMoreSymbolsAndPages) {
    struct Case {
        std::size_t bytes, formPages, extraPages;
    };
    for (const Case c : {Case{3000, 9, 0}, Case{12000, 12, 0}, Case{20000, 12, 1}, Case{100000, 3, 18}}) {
        SCOPED_TRACE(c.bytes);
        const std::string file(c.bytes, 'x');
        const BarcodePlan plan = PlanBarcodes(file, c.formPages);
        ExpectSequenceCoversTheFile(plan, c.bytes);
        EXPECT_EQ(plan.ExtraPages(), c.extraPages);
        for (std::size_t page = 0; page < plan.Pages.size(); ++page) {
            EXPECT_FALSE(plan.Pages[page].empty());
            EXPECT_LE(plan.Pages[page].size(), page < c.formPages ? kSymbolsPerFormPage : kSymbolsPerBarcodePage);
        }
    }
}

TEST(BarcodePlan, TheLargestSegmentFitsOneSymbolAndFileIdsDiffer) {
    const std::string segment(kMaxSegmentBytes, '\xFF');
    const Pdf417Symbol symbol = EncodePdf417(segment, {9, 10, MacroFileId(segment)});
    // A symbol of the largest segment must fit the 42 mm band at 0.25 mm a module.
    EXPECT_LE(symbol.Height * 0.25, 42.0);
    EXPECT_NE(MacroFileId("<Файл A/>"), MacroFileId("<Файл B/>"));
    EXPECT_EQ(MacroFileId("x").size(), 9u);
}

}  // namespace
}  // namespace kvz
