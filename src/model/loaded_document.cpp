#include "model/loaded_document.h"

namespace kvz {

std::string PartialLoadMessage(const std::string& path, const LoadedDocument& loaded) {
    if (loaded.Complete) return std::string();
    // A damaged header may hold anything: control characters are not shown.
    std::string shown = loaded.StorageName;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    const std::string name = shown.empty() ? "пусто" : "«" + shown + "»";
    return "Файл " + path + " не является декларацией за 2015 год (в заголовке " + name +
           "): из него взяты только сведения о декларанте.";
}

std::string ReplacePartialQuestion(const std::string& path) {
    return "Из файла " + path +
           " были взяты только сведения о декларанте. Заменить его? Остальные данные этого файла будут потеряны.";
}

}  // namespace kvz
