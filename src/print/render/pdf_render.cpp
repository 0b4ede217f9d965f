#include "print/render/pdf_render.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <array>
#include <cstdio>
#include <memory>

#include "export/schema_validation.h"
#include "print/render/form_painter.h"

namespace kvz {

namespace {

// A Qt application on the offscreen platform while the form is drawn, for callers
// that have none (the command-line tool).
class OffscreenApplication {
public:
    OffscreenApplication() {
        if (QCoreApplication::instance()) return;
        // Qt's notes about the session (no runtime folder and the like) mean nothing
        // to a command-line user; real failures are reported by the drawing itself.
        Previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
        });
        App_ = std::make_unique<QGuiApplication>(Argc_, Argv_.data());
    }
    ~OffscreenApplication() {
        if (!App_) return;
        App_.reset();
        qInstallMessageHandler(Previous_);
    }
    OffscreenApplication(const OffscreenApplication&) = delete;
    OffscreenApplication& operator=(const OffscreenApplication&) = delete;

private:
    // The application takes its options out of the arguments, so each one gets its own.
    char Name_[12] = "kvarzen-cli";
    char PlatformOption_[10] = "-platform";
    char Platform_[10] = "offscreen";
    std::array<char*, 4> Argv_{Name_, PlatformOption_, Platform_, nullptr};
    int Argc_ = 3;
    QtMessageHandler Previous_ = nullptr;
    std::unique_ptr<QGuiApplication> App_;
};

}  // namespace

PreparedForm PrepareForm(const std::string& xmlText, const PrintSetup& setup) {
    PreparedForm form;
    form.Data = ReadPrintData(xmlText);
    const SchemaLabels labels = SchemaLabels::Load(setup.ProgramFolder + kNdfl3SchemaFileName);
    form.Content = BuildFormContent(form.Data.Root, labels, setup.Recipient);
    return form;
}

RenderedPdf RenderDeclarationPdf(const PreparedForm& form) {
    OffscreenApplication application;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    RenderedPdf out;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Кварзен 2015"));
        writer.setTitle(QStringLiteral("Декларация %1").arg(QString::fromStdString(form.Content.FormName)));
        out.Pages = PaintDeclarationForm(writer, form.Content, form.Data.FileBytes);
    }
    out.Bytes = buffer.data().toStdString();
    return out;
}

RenderedPdf RenderDeclarationPdf(const std::string& xmlText, const PrintSetup& setup) {
    return RenderDeclarationPdf(PrepareForm(xmlText, setup));
}

}  // namespace kvz
