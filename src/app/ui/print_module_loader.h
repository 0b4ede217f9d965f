#pragma once
// Loading the print module from the program's folder at the moment it is needed.
#include <memory>
#include <string>

#include "print/print_module.h"

namespace kvz {

// What the user installs when the module cannot be loaded.
inline constexpr const char* kPrintModuleInstallHint =
    "Установите программу \"Кварзен 2015\" заново из ее пакета: в каталоге программы должен быть файл "
    "kvarzen-print.so. Модулю печати нужны пакеты libqt6printsupport6, libzint2.11 и fonts-liberation2 "
    "(команда: sudo apt install libqt6printsupport6 libzint2.11 fonts-liberation2).";

// Loads programFolder + kPrintModuleFile and creates a module. Throws
// std::runtime_error with kPrintModuleInstallHint and the loader's reason.
std::unique_ptr<PrintModule> LoadPrintModule(const std::string& programFolder);

}  // namespace kvz
