// kvarzen-cli import-2ndfl DOC.qz5 FILE.xml... [--person KEY] [--json]: employers'
// income certificates carried into a declaration.
#include <iostream>

#include "app/ndfl2_document_import.h"
#include "cli/commands.h"
#include "cli/document_io.h"
#include "import/ndfl2_reader.h"

namespace kvz::cli {

namespace {

const char* const kUsage =
    "Использование: kvarzen-cli import-2ndfl DOC.qz5 FILE.xml... [--person KEY] [--json]\n"
    "Загружает в декларацию DOC.qz5 справки о доходах 2-НДФЛ (XML-файлы формата 5.04 за 2015 год).\n"
    "Если DOC.qz5 нет, создается декларация 3-НДФЛ на лицо из справок.\n"
    "Справки налогоплательщика выбираются по ИНН, а без него по ФИО и дате рождения;\n"
    "--person KEY  ИНН или \"Фамилия Имя Отчество ДД.ММ.ГГГГ\": нужен, когда в файлах\n"
    "              справки нескольких лиц, а документ ни одного из них не называет.\n"
    "--json        отчет в JSON.\n"
    "Источник выплаты с теми же ИНН, КПП, ОКТМО и ставкой заменяется, а не удваивается.\n"
    "Поврежденный файл, другая версия формата или другой год, справки чужого лица:\n"
    "отказ с указанием файла и причины, документ не изменяется.\n";

struct Options {
    Ndfl2DocumentImport Request;
    bool Json = false;
    bool Valid = true;
};

Options ParseOptions(const Args& args) {
    Options o;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            o.Json = true;
        } else if (args[i] == "--person") {
            if (i + 1 >= args.size()) o.Valid = false;
            else o.Request.PersonKey = args[++i];
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() < 2) o.Valid = false;
    if (o.Valid) {
        o.Request.DocumentPath = positional.front();
        o.Request.Files.assign(positional.begin() + 1, positional.end());
    }
    return o;
}

}  // namespace

int RunImport2Ndfl(const Args& args) {
    const Options o = ParseOptions(args);
    if (auto exit = HelpOrUsageError(args, [&] { return o.Valid; }, UsageText(kUsage))) return *exit;
    try {
        const Ndfl2ImportReport report = ImportNdfl2IntoDocument(o.Request);
        if (o.Json) std::cout << ReportJson(report).dump(2) << "\n";
        else std::cout << ReportText(report);
        return 0;
    } catch (const ENdfl2Refused& e) {
        std::cerr << "Справки 2-НДФЛ не загружены: " << e.what() << "\n";
        if (!o.Request.PersonKey && std::string(e.what()).find("выберите одно") != std::string::npos)
            std::cerr << "Укажите лицо параметром --person.\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "Справки 2-НДФЛ не загружены: " << DocumentErrorMessage(e) << "\n";
        return 1;
    }
}

}  // namespace kvz::cli
