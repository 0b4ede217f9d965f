#include "print/ui/preview_window.h"

#include <QAction>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

#include "print/render/form_painter.h"
#include "storage/replace_file.h"

namespace kvz {

namespace {

const char* const kCaption = "Кварзен 2015";

}  // namespace

TfmPrintPreview::TfmPrintPreview(PreparedForm form, QWidget* parent, std::string pdfFile)
    : QPrintPreviewDialog(parent), Form_(std::move(form)), PdfFile_(QString::fromStdString(pdfFile)) {
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
    FitOnScreen();
}

// A page and a half high where the screen allows; never taller than the screen, so
// that the window's lower edge and its page stay in reach on a small display.
void TfmPrintPreview::FitOnScreen() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return resize(900, 1000);
    // Room for the window's frame and title.
    const QRect area = screen->availableGeometry().adjusted(20, 40, -20, -20);
    resize(QSize(900, 1000).boundedTo(area.size()));
    move(area.center() - rect().center());
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
    const QString offered = PdfFile_.isEmpty()
                                ? QStringLiteral("Декларация %1.pdf").arg(QString::fromStdString(Form_.Content.FormName))
                                : PdfFile_;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить декларацию в PDF"), offered,
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
