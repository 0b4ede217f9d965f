#pragma once
// Reading a printed form back as a reader of the paper would: the pages rasterised
// by poppler's pdftoppm, every PDF417 symbol decoded by zxing-cpp (not by the
// library that drew it), and the text as pdftotext extracts it.
#include <string>
#include <vector>

namespace kvz::test {

struct ReadSymbol {
    int Index = -1;  // place in the Macro PDF417 sequence, -1 outside one
    int Count = -1;
    std::string FileId;
    std::string Bytes;
};

struct Printout {
    std::vector<std::vector<ReadSymbol>> Pages;  // the symbols found on each page
    // The symbols' bytes joined in sequence order; "" when the sequence has a gap,
    // a repeated index or symbols of different files.
    std::string Joined() const;
};

// Rasterises the PDF at 300 dpi and decodes every page.
Printout ReadPrintout(const std::string& pdfPath);
// The PDF's text with each run of blanks inside a line removed, so that values in
// cells read as one word ("7 7 2 4" → "7724").
std::string PrintedText(const std::string& pdfPath);

}  // namespace kvz::test
