#pragma once
// One PDF417 symbol of the printout, encoded by libzint in binary (data) mode with
// error-correction level 5, as the dark modules to draw.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "storage/message_error.h"

namespace kvz {

inline constexpr int kPdf417EccLevel = 5;
// Data columns of every symbol: a fixed width keeps the symbols of a printout alike.
inline constexpr int kPdf417DataColumns = 12;

using EBarcodeError = MessageError<struct BarcodeErrorTag>;

// A dark rectangle, in modules (the narrowest bar's width) from the symbol's top left.
struct SymbolBar {
    float X = 0, Y = 0, Width = 0, Height = 0;
};

struct Pdf417Symbol {
    float Width = 0;   // in modules
    float Height = 0;  // in modules; a row is three modules high
    int Rows = 0;
    std::vector<SymbolBar> Bars;
};

// The Macro PDF417 control block of a segment: its 0-based index, how many there
// are and the file ID (digits, in groups of three below 900).
struct MacroPdf417 {
    std::size_t Index = 0;
    std::size_t Count = 0;
    std::string FileId;
};

// Throws EBarcodeError with libzint's message when the bytes do not fit a symbol.
Pdf417Symbol EncodePdf417(std::string_view bytes, const MacroPdf417& macro);

}  // namespace kvz
