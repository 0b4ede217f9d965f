// kvarzen-cli: the program's documents without the window, for batches and scripts.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const kvz::cli::Args&);
    const char* summary;
};

const Command kCommands[] = {
    {"info", kvz::cli::RunInfo, "info FILE.qz5                 содержимое документа в JSON"},
    {"create", kvz::cli::RunCreate, "create FILE.json OUT.qz5      документ из JSON"},
    {"check", kvz::cli::RunCheck, "check FILE.qz5... [--json]    проверка деклараций"},
    {"export", kvz::cli::RunExport, "export FILE.qz5... --to DIR   XML-файлы деклараций для налогового органа"},
    {"pdf", kvz::cli::RunPdf, "pdf FILE.qz5 OUT.pdf           печатная форма декларации в PDF"},
    {"calc", kvz::cli::RunCalc, "calc FILE.qz5                 расчет всех листов в JSON"},
    {"import-soun", kvz::cli::RunImportSoun, "import-soun SOUN1.DBF OUT.xml  справочник инспекций из классификатора"},
    {"import-rates", kvz::cli::RunImportRates, "import-rates FILE... OUT.xml  курсы валют из файлов Банка России"},
    {"import-2ndfl", kvz::cli::RunImport2Ndfl, "import-2ndfl DOC.qz5 FILE.xml... [--person KEY] [--json]  справки 2-НДФЛ в декларацию"},
    {nullptr, nullptr, nullptr},
};

void PrintUsage(std::ostream& out) {
    out << "Кварзен 2015: декларация 3-НДФЛ и 4-НДФЛ за 2015 год, командная строка.\n"
           "Использование: kvarzen-cli <команда> [параметры]\n\nКоманды:\n";
    for (const Command* c = kCommands; c->name; ++c) out << "  " << c->summary << "\n";
    out << "\nkvarzen-cli <команда> --help  подробнее о команде\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    kvz::cli::Args args(argv + 2, argv + argc);
    for (const Command* c = kCommands; c->name; ++c)
        if (std::strcmp(argv[1], c->name) == 0) return c->run(args);
    std::cerr << "Неизвестная команда: " << argv[1] << "\n";
    PrintUsage(std::cerr);
    return 2;
}
