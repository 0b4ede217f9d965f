// The real print module, loaded from the program's folder as the window loads it:
// its errors reach the program with their text, and its preview shows every page
// of the form with a button that saves it as PDF.
#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QtTest>

#include "app/ui/print_module_loader.h"
#include "export/declaration_export.h"
#include "model/declaration.h"
#include "print/print_data.h"

namespace kvz::test {

class PrintModuleTest : public QObject {
    Q_OBJECT

private slots:
    void aFailedExportIsReportedByTheModuleWithItsOwnText() {
        auto module = LoadPrintModule(KVZ_BIN_DIR "/");
        QVERIFY(module != nullptr);
        try {
            module->PrintData(kExportFailedText, std::string(), std::string(), 0);
            QFAIL("the module printed a failed export");
        } catch (const std::exception& e) {
            QCOMPARE(std::string(e.what()), std::string(kNoDeclarationToPrint));
        }
    }

    void thePreviewShowsEveryPageAndOffersPdf() {
        mTDeclaration declaration;
        declaration.LoadFromFile(KVZ_BIN_DIR "/example.qz5");
        ExportSettings settings;
        settings.SchemaPath = KVZ_BIN_DIR "/NO_NDFL3_1_033_00_05_10_03.xsd";
        std::string text;
        ExportDeclaration(std::string(), declaration, kExportTextMode, text, settings);
        auto module = LoadPrintModule(KVZ_BIN_DIR "/");
        module->SetPrintTiffFolder(KVZ_BIN_DIR "/");
        int shownPages = -1;
        bool offersPdf = false;
        bool fitsTheScreen = false;
        QTimer::singleShot(0, this, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* preview = qobject_cast<QPrintPreviewDialog*>(window);
                if (!preview || !preview->isVisible()) continue;
                if (auto* widget = preview->findChild<QPrintPreviewWidget*>()) shownPages = widget->pageCount();
                offersPdf = preview->findChild<QAction*>(QStringLiteral("actSavePdf")) != nullptr;
                // Its lower edge and buttons stay on a screen lower than a page.
                fitsTheScreen = preview->screen()->availableGeometry().contains(preview->geometry());
                preview->reject();
            }
        });
        module->PreviewData(text, 0);
        // Title page and its second page, Раздел 1, Раздел 2 and the example's sheets.
        QVERIFY(shownPages >= 6);
        QVERIFY(offersPdf);
        QVERIFY(fitsTheScreen);
    }
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::PrintModuleTest)
#include "print_module_test.moc"
