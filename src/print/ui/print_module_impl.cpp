// The print module's entry: the library the program loads for Preview and Print.
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <map>
#include <memory>
#include <stdexcept>

#include "print/form_content.h"
#include "print/print_module.h"
#include "print/render/form_painter.h"
#include "print/render/pdf_render.h"
#include "print/ui/preview_window.h"

namespace kvz {

namespace {

class QtPrintModule : public PrintModule {
public:
    void SetPrintTiffParam(const std::string& name, const std::string& value) override { Params_[name] = value; }

    void SetPrintTiffFolder(const std::string& folder) override { Folder_ = folder; }

    void PreviewData(const std::string& xmlText, std::intptr_t window) override {
        PreparedForm form = Prepare(xmlText);
        // Drawn once here so that a form that cannot be drawn is reported before the
        // window opens.
        RenderDeclarationPdf(form);
        QWidget* owner = window ? QWidget::find(static_cast<WId>(window)) : nullptr;
        const auto pdf = Params_.find(kPdfFileParam);
        TfmPrintPreview preview(std::move(form), owner, pdf == Params_.end() ? std::string() : pdf->second);
        preview.exec();
    }

    void PrintData(const std::string& xmlText, const std::string&, const std::string& printerName, int) override {
        const PreparedForm form = Prepare(xmlText);
        QPrinter printer(QPrinter::HighResolution);
        if (!printerName.empty()) {
            const QString name = QString::fromStdString(printerName);
            if (QPrinterInfo::printerInfo(name).isNull() && printerName != printer.printerName().toStdString())
                throw std::runtime_error("Принтер \"" + printerName + "\" не найден.");
            printer.setPrinterName(name);
        }
        printer.setFullPage(true);
        printer.setCopyCount(1);
        printer.setDocName(QStringLiteral("Декларация %1").arg(QString::fromStdString(form.Content.FormName)));
        if (!printer.isValid()) throw std::runtime_error("Принтер недоступен: \"" + printerName + "\".");
        PaintDeclarationForm(printer, form.Content, form.Data.FileBytes);
    }

private:
    PreparedForm Prepare(const std::string& xmlText) const {
        const auto recipient = Params_.find(kRecipientParam);
        return PrepareForm(xmlText, {Folder_, recipient == Params_.end() ? std::string() : recipient->second});
    }

    std::map<std::string, std::string> Params_;
    std::string Folder_;
};

}  // namespace

}  // namespace kvz

extern "C" Q_DECL_EXPORT kvz::PrintModule* KvzCreatePrintModule() {
    try {
        return new kvz::QtPrintModule();
    } catch (...) {
        return nullptr;
    }
}

extern "C" Q_DECL_EXPORT int KvzPrintModuleVersion() { return kvz::kPrintModuleVersion; }
