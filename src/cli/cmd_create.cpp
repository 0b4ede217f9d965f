// kvarzen-cli create FILE.json OUT.qz5: a document from its JSON description.
#include <iostream>

#include "cli/commands.h"
#include "cli/document_io.h"
#include "directory/derived_values.h"
#include "model/declaration_json.h"
#include "model/json_text.h"
#include "storage/input_file.h"

namespace kvz::cli {

const char* const kUsage =
    "Использование: kvarzen-cli create FILE.json OUT.qz5\n"
    "Создает документ декларации из JSON того же вида, что печатает info.\n"
    "Отсутствующий ключ получает значение по умолчанию; неизвестный ключ, неверный тип,\n"
    "сумма с более чем четырьмя знаками после точки, несуществующая дата или символ,\n"
    "которого нет в кодировке windows-1251, отвергаются с указанием ключа.\n"
    "Значения, которые программа выводит из кодов, заполняются так же, как в окне:\n"
    "ставка и наименование дохода по его коду, ставка и сумма вычета по коду вычета,\n"
    "коды доходов 9 % и дивидендов, наименование валюты, курсы из файла курсов\n"
    "при AutoRate = true, суммы в рублях, пустые наименования вида документа\n"
    "и региона декларанта. Указанное значение, противоречащее\n"
    "выведенному, или значение, которое нельзя вывести, отвергается с указанием ключа.\n";

int RunCreate(const Args& args) {
    if (auto exit = HelpOrUsageError(args, [&] { return args.size() == 2; }, UsageText(kUsage))) return *exit;
    nlohmann::json json;
    try {
        json = ParseDocumentJson(ReadInputFile(args[0]));
    } catch (const EInputFileError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    } catch (const EJsonError& e) {
        std::cerr << args[0] << ": неправильный JSON: " << e.what() << "\n";
        return 1;
    }
    mTDeclaration declaration;
    try {
        DeclarationFromJson(json, declaration);
        DeriveDeclarationValues(declaration, ProgramDerivationSources());
    } catch (const std::exception& e) {
        std::cerr << args[0] << ": " << e.what() << "\n";
        return 1;
    }
    try {
        declaration.SaveToFile(args[1]);
    } catch (const std::exception& e) {
        std::cerr << DocumentErrorMessage(e) << "\n";
        return 1;
    }
    return 0;
}

}  // namespace kvz::cli
