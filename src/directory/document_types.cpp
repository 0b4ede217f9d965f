#include "directory/document_types.h"

#include <initializer_list>

namespace kvz {

const std::vector<DirectoryEntry>& DocumentTypeRows() {
    static const std::vector<DirectoryEntry> kRows = {
        {"03", "Свидетельство о рождении, оформленное в соответствии с законодательством РФ"},
        {"07", "Военный билет солдата (матроса, сержанта, старшины)"},
        {"08", "Временное удостоверение, выданное взамен военного билета"},
        {"10", "Паспорт иностранного гражданина"},
        {"11", "Свидетельство о регистрации ходатайства иммигранта о признании его беженцем на территории РФ по существу"},
        {"12", "Вид на жительство в РФ"},
        {"13", "Удостоверение беженца"},
        {"14", "Временное удостоверение личности гражданина РФ"},
        {"15", "Разрешение на временное проживание в РФ"},
        {"18", "Свидетельство о предоставлении временного убежища на территории РФ"},
        {"21", "Паспорт гражданина РФ"},
        {"23", "Свидетельство о рождении, выданное уполномоченным органом иностранного государства"},
        {"24", "Удостоверение личности военнослужащего РФ"},
        {"91", "Иные документы"},
    };
    return kRows;
}
namespace {

bool OneOf(int code, std::initializer_list<int> codes) {
    for (int c : codes)
        if (c == code) return true;
    return false;
}

}  // namespace

TDocumentMaskEnum SeriesFormOfStoredType(int code, TDocumentMaskEnum current) {
    if (OneOf(code, {1, 3})) return edtR_BB;
    if (OneOf(code, {2, 9, 22})) return edt99;
    if (code == 21) return edt99_;
    if (OneOf(code, {4, 6})) return edtBB;
    if (OneOf(code, {7, 26, 27})) return edtBB0;
    if (code == 10) return edtNone1;
    if (OneOf(code, {5, 11, 12, 13, 14, 91})) return edtNone2;
    return current;
}

TDocumentMaskEnum SeriesFormOfChosenType(int code, TDocumentMaskEnum current) {
    if (OneOf(code, {2, 9, 22})) return edt99;
    if (code == 21) return edt99_;
    if (OneOf(code, {4, 6})) return edtBB;
    if (OneOf(code, {7, 24, 26, 27})) return edtBB0;
    if (OneOf(code, {3, 5, 10, 11, 12, 13, 14, 15, 18, 23, 91})) return edtNone1;
    return current;
}

}  // namespace kvz
