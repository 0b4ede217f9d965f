#pragma once
// Drawing the declaration form on a paged device (a PDF file, a printer, the
// preview): A4 pages with the header, the labelled values in cells, the signature
// line and the PDF417 symbols at the foot.
#include <string>

#include "print/form_content.h"

class QPagedPaintDevice;

namespace kvz {

// Lays the content out on A4 pages of the device, spreads fileBytes over the pages'
// barcodes and draws every page; returns the number of pages drawn. Throws
// EBarcodeError when a symbol cannot be built.
int PaintDeclarationForm(QPagedPaintDevice& device, const FormContent& content, const std::string& fileBytes);

}  // namespace kvz
