// The printed form as a reader of the paper sees it: every barcode of every page
// decoded by an independent decoder and joined must give back the declaration file
// byte for byte, and the text must carry the values the inspection reads.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

#include "export/declaration_export.h"
#include "export/guid_source.h"
#include "model/declaration.h"
#include "print/barcode_plan.h"
#include "print/print_data.h"
#include "print/printout_reader.h"
#include "print/render/pdf_render.h"
#include "storage/dates.h"
#include "storage/encoding.h"
#include "support/temp_dir.h"

namespace kvz::test {
namespace {

class FixedDayAndGuid {
public:
    FixedDayAndGuid() {
        SetClock([] { return EncodeDate(2016, 3, 15); });
        SetGuidSource([] { return std::string("0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0"); });
    }
    ~FixedDayAndGuid() {
        SetClock(nullptr);
        SetGuidSource(nullptr);
    }
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const PrintSetup kSetup{KVZ_SOURCE_DIR "/data/", "ИФНС № 24 по г. Москве"};

struct Printed {
    RenderedPdf Pdf;
    Printout Read;
    std::string Text;
};

Printed Print(const std::string& xmlText, const TempDir& dir) {
    Printed printed;
    printed.Pdf = RenderDeclarationPdf(xmlText, kSetup);
    const std::string path = dir.File("form.pdf");
    std::ofstream(path, std::ios::binary) << printed.Pdf.Bytes;
    printed.Read = ReadPrintout(path);
    printed.Text = PrintedText(path);
    return printed;
}

void ExpectEveryPageCarriesItsShare(const Printed& printed) {
    ASSERT_EQ(static_cast<int>(printed.Read.Pages.size()), printed.Pdf.Pages);
    for (std::size_t page = 0; page < printed.Read.Pages.size(); ++page)
        EXPECT_FALSE(printed.Read.Pages[page].empty()) << "page " << page + 1 << " has no readable symbol";
}

std::string GoldenText(const std::string& name) { return ReadAll(KVZ_TEST_DATA_DIR "/export/" + name); }

TEST(PrintedForm, TheExampleReadsBackAsTheExportedFileWithItsPaymentLines) {
    FixedDayAndGuid fixed;
    mTDeclaration declaration;
    declaration.LoadFromFile(KVZ_BIN_DIR "/example.qz5");
    TempDir dir;
    std::string fileName;
    ExportSettings settings;
    settings.SchemaPath = KVZ_SOURCE_DIR "/data/NO_NDFL3_1_033_00_05_10_03.xsd";
    ExportDeclaration(dir.Path() + "/", declaration, kExportFileMode, fileName, settings);
    ASSERT_NE(fileName, kExportErrorResult);
    const std::string fileBytes = ReadAll(dir.File(fileName));
    std::string text;
    ExportDeclaration(std::string(), declaration, kExportTextMode, text, settings);

    const Printed printed = Print(text, dir);
    ExpectEveryPageCarriesItsShare(printed);
    EXPECT_EQ(printed.Read.Joined(), fileBytes);

    const FormElement root = ReadPrintData(text).Root;
    const FormElement& body = *root.Child("Документ")->Child("НДФЛ3");
    int lines = 0;
    for (const FormElement& line : body.Children) {
        if (line.Name != "СумНалПу") continue;
        ++lines;
        for (const char* value : {"КБК", "ОКТМО", "ПодлУпл", "ПодлВозв"})
            EXPECT_NE(printed.Text.find(line.Value(value)), std::string::npos) << value << " " << line.Value(value);
    }
    EXPECT_GT(lines, 0);
    EXPECT_NE(printed.Text.find("ИНН" + declaration.Person.PersonInn), std::string::npos);
    EXPECT_NE(printed.Text.find("Стр.001"), std::string::npos);
    EXPECT_NE(printed.Text.find("ИФНС№24ПОГ.МОСКВЕ"), std::string::npos);
}

// Values short enough for one row of cells, as pdftotext gives them back.
void ExpectValuesPrinted(const FormElement& element, const std::string& text) {
    for (const auto& [name, value] : element.Attributes) {
        // Printed in capitals, one character a cell.
        std::string cells;
        for (const char c : value)
            if (c != ' ') cells += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        if (value.size() > 23 || cells.empty()) continue;
        EXPECT_NE(text.find(cells), std::string::npos) << element.Name << "/" << name << " = " << value;
    }
    for (const FormElement& child : element.Children) ExpectValuesPrinted(child, text);
}

TEST(PrintedForm, EveryFormAndEverySheetReadsBackByteForByte) {
    // A resident touching every sheet, a non-resident, a taxpayer without ИНН and a
    // 4-НДФЛ: the file is given as the export writes it, and the barcodes must give
    // back exactly those bytes, with every value of the file printed.
    for (const char* name : {"ndfl3_resident_full.xml", "ndfl3_nonresident.xml", "ndfl3_no_inn.xml",
                             "ndfl4_representative.xml"}) {
        SCOPED_TRACE(name);
        TempDir dir;
        const std::string file = GoldenText(name);
        const Printed printed = Print(file, dir);
        ExpectEveryPageCarriesItsShare(printed);
        EXPECT_EQ(printed.Read.Joined(), file);
        ExpectValuesPrinted(ReadPrintData(file).Root, printed.Text);
    }
}

TEST(PrintedForm, OneSheetMoreIsOnePageMore) {
    const std::string full = Cp1251ToUtf8(GoldenText("ndfl3_resident_full.xml"));
    // The same declaration without its investment partnership sheet (Лист И).
    const std::string fewer = std::regex_replace(full, std::regex("\\s*<ДохИвестТов>[\\s\\S]*</ДохИвестТов>"), "");
    ASSERT_NE(fewer, full);
    const auto utf8 = [](std::string text) {
        return std::regex_replace(text, std::regex("encoding=\"windows-1251\""), "encoding=\"UTF-8\"");
    };
    const RenderedPdf withSheet = RenderDeclarationPdf(utf8(full), kSetup);
    const RenderedPdf withoutSheet = RenderDeclarationPdf(utf8(fewer), kSetup);
    EXPECT_EQ(withSheet.Pages, withoutSheet.Pages + 1);
}

TEST(PrintedForm, AFailedExportIsReportedInsteadOfDrawn) {
    try {
        RenderDeclarationPdf(kExportFailedText, kSetup);
        FAIL() << "a page was drawn for a failed export";
    } catch (const EPrintDataError& e) {
        EXPECT_STREQ(e.what(), kNoDeclarationToPrint);
    }
    EXPECT_THROW(RenderDeclarationPdf("<Файл/>", kSetup), EPrintDataError);
}

}  // namespace
}  // namespace kvz::test
