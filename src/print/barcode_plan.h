#pragma once
// How the declaration file is spread over the PDF417 symbols of a printout: a Macro
// PDF417 sequence whose segments, read in order, give back the file byte for byte.
// Every page carries at least one symbol; a file too large for one symbol a page
// gets two on some pages and, beyond that, pages of barcodes of their own.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvz {

// The most bytes one symbol carries: at the error-correction level and width the
// form uses, a symbol of this size still fits the band at the foot of a page.
inline constexpr std::size_t kMaxSegmentBytes = 700;
// Symbols side by side in the band at the foot of a form page.
inline constexpr std::size_t kSymbolsPerFormPage = 2;
// Symbols on a page that holds only barcodes.
inline constexpr std::size_t kSymbolsPerBarcodePage = 8;

struct BarcodeSegment {
    std::size_t Index = 0;  // 0-based place in the sequence
    std::size_t Offset = 0;  // first byte of the file it carries
    std::size_t Size = 0;
};

struct BarcodePlan {
    std::string FileId;                              // the Macro PDF417 file ID, digits
    std::size_t SegmentCount = 0;
    std::vector<std::vector<BarcodeSegment>> Pages;  // the symbols of each page, in order
    // Pages added after the form's pages for the symbols that did not fit.
    std::size_t ExtraPages() const;
    std::size_t FormPages = 0;
};

// Splits the file over the form's pages. formPages is at least 1.
BarcodePlan PlanBarcodes(std::string_view fileBytes, std::size_t formPages);

// The Macro PDF417 file ID of a file: nine digits, three groups below 900, from a
// checksum of its bytes, so that symbols of different printouts do not mix.
std::string MacroFileId(std::string_view fileBytes);

}  // namespace kvz
