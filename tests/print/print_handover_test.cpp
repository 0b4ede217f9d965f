// The Preview and Print commands with a module that records its calls: the check
// comes before the module, a module that cannot be loaded is explained, and print
// calls the module once per copy.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "app/document_controller.h"
#include "app/fake_platform.h"
#include "model/declaration.h"
#include "print/form_content.h"
#include "print/print_handover.h"

namespace kvz::test {
namespace {

struct ModuleCalls {
    int created = 0;
    std::vector<std::string> calls;
    std::string failPrintWith;
};

class RecordingModule : public PrintModule {
public:
    explicit RecordingModule(ModuleCalls& calls) : C_(calls) {}
    void SetPrintTiffParam(const std::string& name, const std::string& value) override {
        C_.calls.push_back("SetPrintTiffParam " + name + "=" + value);
    }
    void SetPrintTiffFolder(const std::string& folder) override { C_.calls.push_back("PrintTiffFolder " + folder); }
    void PreviewData(const std::string& xml, std::intptr_t window) override {
        C_.calls.push_back("PreviewData " + xml + " " + std::to_string(window));
    }
    void PrintData(const std::string& xml, const std::string& options, const std::string& printer, int flags) override {
        C_.calls.push_back("PrintData " + xml + " [" + options + "] " + printer + " " + std::to_string(flags));
        if (!C_.failPrintWith.empty()) throw std::runtime_error(C_.failPrintWith);
    }

private:
    ModuleCalls& C_;
};

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        handover.createModule = [this]() -> std::unique_ptr<PrintModule> {
            if (!moduleError.empty()) throw std::runtime_error(moduleError);
            ++module.created;
            return std::make_unique<RecordingModule>(module);
        };
        handover.exportText = [this](mTDeclaration&) {
            module.calls.push_back("export");
            return exportText;
        };
        handover.inspectionName = [](const std::string& code) { return code == "7724" ? "ИФНС № 24" : ""; };
        handover.askPrinter = [this] {
            module.calls.push_back("print dialog");
            return choice;
        };
        handover.windowHandle = [] { return std::intptr_t(42); };
        handover.showError = [this](const std::string& text) {
            platform.ShowMessage(text, "Кварзен 2015", MessageIcon::Error, MessageButtons::Ok);
        };
        DocumentServices services;
        services.checkDeclaration = [this](mTDeclaration&) { return checkResult; };
        services.exportDeclaration = [](const std::string&, mTDeclaration&) { return std::string(); };
        services.printDeclaration = [this](mTDeclaration& declaration, int mode) {
            windowEnabledDuringHandover = platform.windowEnabled.back();
            HandOverToPrintModule(declaration, mode, "/opt/kvarzen/", handover);
        };
        controller = std::make_unique<DocumentController>(platform, services, "/opt/kvarzen");
        controller->Declaration().InspectionCode = "7724";
    }

    FakePlatform platform;
    ModuleCalls module;
    PrintHandoverServices handover;
    std::unique_ptr<DocumentController> controller;
    uint32_t checkResult = 0;
    std::string moduleError;
    std::string exportText = "<Файл/>";
    std::optional<PrinterChoice> choice = PrinterChoice{"Kyocera", 3};
    bool windowEnabledDuringHandover = true;
};

TEST_F(PrintCommandTest, PreviewTellsTheModuleTheRecipientAndFolderThenHandsOverTheText) {
    controller->PreviewDoc();
    EXPECT_EQ(module.created, 1);
    EXPECT_EQ(module.calls, (std::vector<std::string>{std::string("SetPrintTiffParam ") + kRecipientParam + "=ИФНС № 24",
                                                     "PrintTiffFolder /opt/kvarzen/", "export",
                                                     "PreviewData <Файл/> 42"}));
    EXPECT_FALSE(windowEnabledDuringHandover);
    EXPECT_TRUE(platform.windowEnabled.back());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PrintCommandTest, PrintCallsTheModuleOncePerCopyOnTheChosenPrinter) {
    controller->PrintDoc();
    const std::vector<std::string> expected(3, "PrintData <Файл/> [] Kyocera 0");
    EXPECT_EQ(std::vector<std::string>(module.calls.end() - 3, module.calls.end()), expected);
    EXPECT_EQ(module.calls[module.calls.size() - 4], "print dialog");

    for (const auto& none : {std::optional<PrinterChoice>(PrinterChoice{"Kyocera", 0}), std::optional<PrinterChoice>()}) {
        module.calls.clear();
        choice = none;
        controller->PrintDoc();
        EXPECT_EQ(module.calls.back(), "print dialog");  // zero copies or cancelled: nothing printed
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PrintCommandTest, AFindingOfTheCheckStopsBeforeTheModuleIsCreated) {
    checkResult = (1u << 16) | 2u;  // field 1 of the taxpayer section
    controller->PrintDoc();
    controller->PreviewDoc();
    checkResult = 0xFFFFu << 16;  // the user declined to correct
    controller->PrintDoc();
    EXPECT_EQ(module.created, 0);
    EXPECT_TRUE(module.calls.empty());
}

TEST_F(PrintCommandTest, AModuleThatCannotBeLoadedIsExplainedWithWhatToInstall) {
    moduleError = "Установите пакет kvarzen.";
    controller->PreviewDoc();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Не найден модуль печати. Установите пакет kvarzen.");
    EXPECT_EQ(platform.messages[0].caption, "Кварзен 2015");
    EXPECT_TRUE(module.calls.empty());
    EXPECT_TRUE(platform.windowEnabled.back());
}

TEST_F(PrintCommandTest, AFailureOfTheModuleIsShownWithItsOwnTextAndEndsTheCommand) {
    module.failPrintWith = "Принтер Kyocera не отвечает";
    exportText = "ERROR";  // passed on unchanged: the module says why it cannot print
    controller->PrintDoc();
    EXPECT_EQ(std::count(module.calls.begin(), module.calls.end(), "PrintData ERROR [] Kyocera 0"), 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Принтер Kyocera не отвечает");
    EXPECT_TRUE(platform.windowEnabled.back());
}

}  // namespace
}  // namespace kvz::test
