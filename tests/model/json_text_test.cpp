// The JSON of `kvarzen-cli create`: exactly one value, no NUL, no control character
// in a text; each refusal names the place or the key.
#include <gtest/gtest.h>

#include <string>

#include "model/declaration.h"
#include "model/declaration_json.h"
#include "model/json_text.h"

using namespace kvz;

namespace {

std::string Refusal(std::string_view text) {
    try {
        mTDeclaration d;
        DeclarationFromJson(ParseDocumentJson(text), d);
    } catch (const EJsonError& e) {
        return e.what();
    }
    return "accepted";
}

}  // namespace

TEST(DocumentJson, NulAndAnythingAfterTheValueAreRefused) {
    using namespace std::string_literals;
    EXPECT_EQ(Refusal("{}\n"), "accepted");
    // The parser would stop at the NUL and never see the rest.
    EXPECT_EQ(Refusal("{}\0{\"InspectionCode\": 1}"s), "байт NUL в позиции 3: файл JSON не может его содержать");
    EXPECT_EQ(Refusal("{\"InspectionCode\": \"7724\"}\n{}"), "ошибка синтаксиса (строка 2, столбец 1)");
    EXPECT_EQ(Refusal("{\"InspectionCode\": \"7724\"} x"), "ошибка синтаксиса (строка 1, столбец 28)");
    EXPECT_EQ(Refusal("{\"InspectionCode\": "), "текст обрывается (строка 1, столбец 19)");
    // A number no double holds is the JSON's fault, not an escaping exception.
    EXPECT_EQ(Refusal("{\"ExpectedIncome\": 1e400}"), "число вне допустимого диапазона");
    EXPECT_EQ(Refusal("[-1e999]"), "число вне допустимого диапазона");
}

TEST(DocumentJson, ControlCharactersInTextsAreRefusedNamingTheKey) {
    EXPECT_EQ(Refusal(R"({"Person": {"Surname": "СМИР\u0000НОВА"}})"),
              "Person.Surname: управляющий символ U+0000 в тексте недопустим");
    EXPECT_EQ(Refusal(R"({"InspectionCode": "77\t24"})"), "InspectionCode: управляющий символ U+0009 в тексте недопустим");
    EXPECT_EQ(Refusal(R"({"Thirteen": [{"SourceName": "ООО\u001f"}], "IncomeKinds": 1})"),
              "Thirteen[0].SourceName: управляющий символ U+001F в тексте недопустим");
}
