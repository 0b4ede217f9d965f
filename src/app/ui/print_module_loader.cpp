#include "app/ui/print_module_loader.h"

#include <QLibrary>

#include <stdexcept>

namespace kvz {

namespace {

[[noreturn]] void Missing(const QString& reason) {
    throw std::runtime_error(std::string(kPrintModuleInstallHint) + "\n(" + reason.toStdString() + ")");
}

}  // namespace

std::unique_ptr<PrintModule> LoadPrintModule(const std::string& programFolder) {
    // The library stays loaded for the rest of the run: its code is in use as long as
    // any module object lives, and loading it again costs nothing.
    QLibrary library(QString::fromStdString(programFolder + kPrintModuleFile));
    if (!library.load()) Missing(library.errorString());
    const auto version = reinterpret_cast<PrintModuleVersionFunction>(library.resolve(kPrintModuleVersionEntry));
    const auto create = reinterpret_cast<CreatePrintModuleFunction>(library.resolve(kPrintModuleEntry));
    if (!version || !create) Missing(QStringLiteral("в файле нет функций модуля печати"));
    if (version() != kPrintModuleVersion) Missing(QStringLiteral("версия модуля печати не подходит к программе"));
    std::unique_ptr<PrintModule> module(create());
    if (!module) Missing(QStringLiteral("модуль печати не создан"));
    return module;
}

}  // namespace kvz
