#include "print/ui/preview_window.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QToolBar>

#include "print/render/form_painter.h"
#include "storage/replace_file.h"

namespace kvz {

namespace {

const char* const kCaption = "Кварзен 2015";

}  // namespace

TfmPrintPreview::TfmPrintPreview(PreparedForm form, QWidget* parent)
    : QPrintPreviewDialog(parent), Form_(std::move(form)) {
    setObjectName(QStringLiteral("TfmPrintPreview"));
    setWindowTitle(QStringLiteral("Просмотр декларации %1 - Кварзен 2015").arg(QString::fromStdString(Form_.Content.FormName)));
    printer()->setFullPage(true);
    printer()->setDocName(QStringLiteral("Декларация %1").arg(QString::fromStdString(Form_.Content.FormName)));
    connect(this, &QPrintPreviewDialog::paintRequested, this, &TfmPrintPreview::Paint);
    if (auto* toolbar = findChild<QToolBar*>()) {
        toolbar->addSeparator();
        QAction* save = toolbar->addAction(QStringLiteral("Сохранить в PDF"));
        save->setObjectName(QStringLiteral("actSavePdf"));
        save->setToolTip(QStringLiteral("Сохранить печатную форму в файл PDF"));
        connect(save, &QAction::triggered, this, &TfmPrintPreview::AskAndSavePdf);
    }
    resize(900, 1000);
}

void TfmPrintPreview::Paint(QPrinter* printer) {
    // The form was drawn once before the window opened, so drawing it again does not
    // fail; an exception must not cross Qt's event loop all the same.
    try {
        PaintDeclarationForm(*printer, Form_.Content, Form_.Data.FileBytes);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QString::fromUtf8(kCaption), QString::fromStdString(e.what()));
    }
}

void TfmPrintPreview::SavePdf(const QString& path) {
    const RenderedPdf pdf = RenderDeclarationPdf(Form_);
    ReplaceFileContents(path.toStdString(), pdf.Bytes);
}

void TfmPrintPreview::AskAndSavePdf() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить декларацию в PDF"), QString(),
                                                QStringLiteral("Документ PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    try {
        SavePdf(path);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QString::fromUtf8(kCaption),
                              QStringLiteral("Не удалось сохранить файл %1: %2").arg(path, QString::fromStdString(e.what())));
    }
}

}  // namespace kvz
