#pragma once
// The preview of the printed form: Qt's print preview with a button that saves the
// form as a PDF file.
#include <QPrintPreviewDialog>

#include "print/render/pdf_render.h"

namespace kvz {

class TfmPrintPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    TfmPrintPreview(PreparedForm form, QWidget* parent);

    // Writes the form as a PDF file; throws with the reason.
    void SavePdf(const QString& path);

private:
    void FitOnScreen();
    void Paint(QPrinter* printer);
    void AskAndSavePdf();

    PreparedForm Form_;
};

}  // namespace kvz
