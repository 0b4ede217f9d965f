#include "print/pdf417_symbol.h"

#include <zint.h>

#include <cstring>
#include <memory>

namespace kvz {

namespace {

struct SymbolFree {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

}  // namespace

Pdf417Symbol EncodePdf417(std::string_view bytes, const MacroPdf417& macro) {
    std::unique_ptr<zint_symbol, SymbolFree> symbol(ZBarcode_Create());
    if (!symbol) throw EBarcodeError("Не хватает памяти для штрихкода");
    symbol->symbology = BARCODE_PDF417;
    symbol->input_mode = DATA_MODE;
    symbol->option_1 = kPdf417EccLevel;
    symbol->option_2 = kPdf417DataColumns;
    symbol->show_hrt = 0;
    if (macro.Count > 1) {
        if (macro.FileId.size() >= sizeof(symbol->structapp.id)) throw EBarcodeError("Слишком длинный номер файла штрихкода");
        // libzint counts the segments from 1.
        symbol->structapp.index = static_cast<int>(macro.Index + 1);
        symbol->structapp.count = static_cast<int>(macro.Count);
        std::memcpy(symbol->structapp.id, macro.FileId.c_str(), macro.FileId.size() + 1);
    }
    const int encoded =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
    if (encoded >= ZINT_ERROR) throw EBarcodeError(std::string("Штрихкод PDF417 не построен: ") + symbol->errtxt);
    if (ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector || symbol->width <= 0)
        throw EBarcodeError(std::string("Штрихкод PDF417 не построен: ") + symbol->errtxt);

    // The vector output is scaled; its width over the module count gives one module.
    const float unit = symbol->vector->width / static_cast<float>(symbol->width);
    Pdf417Symbol out;
    out.Width = static_cast<float>(symbol->width);
    out.Height = symbol->vector->height / unit;
    out.Rows = symbol->rows;
    for (const zint_vector_rect* bar = symbol->vector->rectangles; bar; bar = bar->next)
        out.Bars.push_back({bar->x / unit, bar->y / unit, bar->width / unit, bar->height / unit});
    return out;
}

}  // namespace kvz
