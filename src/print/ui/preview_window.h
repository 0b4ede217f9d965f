#pragma once
// The preview of the printed form: Qt's print preview with a button that saves the
// form as a PDF file.
#include <QPrintPreviewDialog>

#include <string>

#include "print/render/pdf_render.h"

namespace kvz {

class TfmPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // `pdfFile` is the file the PDF button offers (the document's name with ".pdf");
    // empty: a name after the form, in the folder the dialog opens at.
    TfmPrintPreview(PreparedForm form, QWidget* parent, std::string pdfFile = {});

    // Writes the form as a PDF file; throws with the reason.
    void SavePdf(const QString& path);

private:
    void FitOnScreen();
    void Paint(QPrinter* printer);
    void AskAndSavePdf();

    PreparedForm Form_;
    QString PdfFile_;
};

}  // namespace kvz
