#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "checks/source_check.h"
#include "scripted_dialogs.h"

namespace kvz {
namespace {

using test::ScriptedCheckDialog;
using Strings = std::vector<std::string>;

constexpr const char* kName = "ООО \"Ромашка\"";
constexpr const char* kInn10 = "7707083893";
constexpr const char* kInn12 = "500100732259";
constexpr const char* kKpp = "773601001";
constexpr const char* kOktmo8 = "45382000";
constexpr const char* kOktmo11 = "45382000001";

const char* const kNoName = "Не заполненно поле \"Наименование источника выплаты\"";
const char* const kBadOktmo =
    "Код ОКТМО введен некорректно(должно быть 8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)";
const char* const kNoOktmo = "Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)";
const char* const kNoOktmoStrict = "Не введен код ОКТМО(8 или 11 симв.)";
const char* const kInnLength = "Длинна ИНН должна быть равна 10 или 12 цифрам";
const char* const kInnLength10 = "Длинна ИНН должна быть равна 10 цифрам";
const char* const kInnWrong = "Номер ИНН введен неверно";
const char* const kNoKpp = "Отсутствует КПП";
const char* const kKppLength = "Длинна КПП должна быть равна 9 цифрам";
const char* const kKppWrong = "Некорректный КПП";
const char* const kEnterInn = "Введите ИНН";
const char* const kInnNotOrganization = "Длинна ИНН для юрлиц должна быть равна 10 цифрам";

struct Source {
    std::string name = kName;
    std::string oktmo = kOktmo8;
    std::string kpp = kKpp;
    std::string inn = kInn10;
};

int RunSource(ScriptedCheckDialog& dialog, const Source& s, bool allowSkip = true) {
    return SourceCheck(dialog, kTitleThirteen, s.name, allowSkip, s.oktmo, s.kpp, s.inn);
}

int RunStrict(ScriptedCheckDialog& dialog, const Source& s) {
    return StrictSourceCheck(dialog, kTitleNine, s.name, s.oktmo, s.kpp, s.inn);
}

TEST(SourceCheck, ValidSourcesPassWithoutAMessage) {
    for (const Source& s : {Source{}, Source{kName, kOktmo11, kKpp, kInn10}, Source{kName, kOktmo8, "", kInn12},
                            Source{kName, kOktmo8, "", ""}, Source{kName, " 45382000 ", " 773601001", "7707083893  "}}) {
        ScriptedCheckDialog dialog;
        SetLastCheckAnswer(kCheckAnswerFix);  // left over from an earlier run
        EXPECT_EQ(RunSource(dialog, s), kSourceAccepted) << s.inn << "/" << s.kpp;
        EXPECT_TRUE(dialog.Shown.empty());
        EXPECT_EQ(LastCheckAnswer(), kCheckAnswerNone);
    }
}

TEST(SourceCheck, EachMessageWithItsFieldAndButtons) {
    struct Case {
        Source source;
        const char* message;
        int field;
        bool skipEnabled;
    };
    const Case cases[] = {
        {{"  ", kOktmo8, kKpp, kInn10}, kNoName, kSourceFieldName, false},
        {{kName, "1234567", kKpp, kInn10}, kBadOktmo, kSourceFieldOktmo, false},
        {{kName, "123456789", kKpp, kInn10}, kBadOktmo, kSourceFieldOktmo, false},
        {{kName, "   ", kKpp, kInn10}, kNoOktmo, kSourceFieldOktmo, true},
        {{kName, kOktmo8, kKpp, "12345"}, kInnLength, kSourceFieldInn, false},
        {{kName, kOktmo8, kKpp, "7707083894"}, kInnWrong, kSourceFieldInn, false},
        {{kName, kOktmo8, kKpp, "0000000000"}, kInnWrong, kSourceFieldInn, false},
        {{kName, kOktmo8, "", kInn10}, kNoKpp, kSourceFieldKpp, false},
        {{kName, kOktmo8, "77360100", kInn10}, kKppLength, kSourceFieldKpp, false},
        {{kName, kOktmo8, "000000000", kInn10}, kKppWrong, kSourceFieldKpp, false},
        {{kName, kOktmo8, kKpp, ""}, kEnterInn, kSourceFieldInn, false},
        {{kName, kOktmo8, kKpp, kInn12}, kInnNotOrganization, kSourceFieldInn, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ScriptedCheckDialog fix({kCheckAnswerFix});
        EXPECT_EQ(RunSource(fix, c.source), c.field);
        ASSERT_EQ(fix.Shown.size(), 1u);
        EXPECT_EQ(fix.Shown[0].caption, kTitleThirteen);
        EXPECT_EQ(fix.Shown[0].message, c.message);
        EXPECT_EQ(fix.Shown[0].buttons, (CheckButtons{c.skipEnabled, false}));
        EXPECT_EQ(LastCheckAnswer(), kCheckAnswerFix);

        // Closing the window instead accepts: the result follows the last message only.
        ScriptedCheckDialog closed({kCheckAnswerClosed, kCheckAnswerClosed});
        EXPECT_EQ(RunSource(closed, c.source), kSourceAccepted);
        EXPECT_EQ(LastCheckAnswer(), kCheckAnswerClosed);

        // Partnerships never offer "Пропустить".
        ScriptedCheckDialog partnership({kCheckAnswerFix});
        EXPECT_EQ(RunSource(partnership, c.source, false), c.field);
        EXPECT_FALSE(partnership.Shown.at(0).buttons.skip);
    }
}

TEST(SourceCheck, BlankOktmoShowsOnlyItsOwnMessageAndCanBeSkipped) {
    ScriptedCheckDialog dialog({kCheckAnswerSkip});
    EXPECT_EQ(RunSource(dialog, {kName, "", kKpp, kInn10}), kSourceAccepted);
    EXPECT_EQ(dialog.Messages(), Strings{kNoOktmo});
    EXPECT_EQ(LastCheckAnswer(), kCheckAnswerSkip);
}

TEST(SourceCheck, SkipGoesOnAndFixEndsTheRun) {
    // Blank ОКТМО skipped, wrong ИНН corrected: the КПП rule is never reached.
    ScriptedCheckDialog dialog({kCheckAnswerSkip, kCheckAnswerFix});
    EXPECT_EQ(RunSource(dialog, {kName, "", "", "7707083894"}), kSourceFieldInn);
    EXPECT_EQ(dialog.Messages(), (Strings{kNoOktmo, kInnWrong}));
    EXPECT_EQ(LastCheckAnswer(), kCheckAnswerFix);
}

TEST(SourceCheck, SkipOnceDisabledStaysDisabledForTheRun) {
    // The name message forbids skipping; closed, the run goes on, and the blank
    // ОКТМО message that would allow it keeps it disabled.
    ScriptedCheckDialog dialog({kCheckAnswerClosed, kCheckAnswerClosed, kCheckAnswerClosed});
    EXPECT_EQ(RunSource(dialog, {"", "", kKpp, kInn12}), kSourceAccepted);
    EXPECT_EQ(dialog.Messages(), (Strings{kNoName, kNoOktmo, kInnNotOrganization}));
    for (const auto& shown : dialog.Shown) EXPECT_EQ(shown.buttons, (CheckButtons{false, false}));

    // A new run starts with "Пропустить" enabled again.
    ScriptedCheckDialog next({kCheckAnswerSkip});
    EXPECT_EQ(RunSource(next, {kName, "", kKpp, kInn10}), kSourceAccepted);
    EXPECT_TRUE(next.Shown.at(0).buttons.skip);
}

TEST(SourceCheck, ResultIsTheFieldOfTheLastMessageAnsweredFix) {
    ScriptedCheckDialog dialog({kCheckAnswerClosed, kCheckAnswerClosed, kCheckAnswerFix});
    EXPECT_EQ(RunSource(dialog, {"", "", "1", kInn10}), kSourceFieldKpp);
    EXPECT_EQ(dialog.Messages(), (Strings{kNoName, kNoOktmo, kKppLength}));
}

TEST(StrictSourceCheck, ValidSourcesAndPensionContractsPass) {
    ScriptedCheckDialog dialog;
    EXPECT_EQ(RunStrict(dialog, {}), kSourceAccepted);
    EXPECT_EQ(StrictSourceCheck(dialog, kTitlePensionContracts, "НПФ", kPensionContractOktmo, "773601001",
                                "7736050003"),
              kSourceAccepted);
    EXPECT_TRUE(dialog.Shown.empty());
}

TEST(StrictSourceCheck, EachMessageWithItsFieldAndNoSkipping) {
    struct Case {
        Source source;
        const char* message;
        int field;
    };
    const Case cases[] = {
        {{"", kOktmo8, kKpp, kInn10}, kNoName, kSourceFieldName},
        {{kName, "", kKpp, kInn10}, kNoOktmoStrict, kSourceFieldOktmo},
        {{kName, "1234", kKpp, kInn10}, kNoOktmoStrict, kSourceFieldOktmo},
        {{kName, kOktmo8, kKpp, kInn12}, kInnLength10, kSourceFieldInn},
        {{kName, kOktmo8, kKpp, "7707083890"}, kInnWrong, kSourceFieldInn},
        {{kName, kOktmo8, "", kInn10}, kNoKpp, kSourceFieldKpp},
        {{kName, kOktmo8, "1234567890", kInn10}, kKppLength, kSourceFieldKpp},
        {{kName, kOktmo8, "000000000", kInn10}, kKppWrong, kSourceFieldKpp},
        {{kName, kOktmo8, kKpp, ""}, kEnterInn, kSourceFieldInn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ScriptedCheckDialog dialog({kCheckAnswerFix});
        EXPECT_EQ(RunStrict(dialog, c.source), c.field);
        ASSERT_EQ(dialog.Shown.size(), 1u);
        EXPECT_EQ(dialog.Shown[0].caption, kTitleNine);
        EXPECT_EQ(dialog.Shown[0].message, c.message);
        EXPECT_EQ(dialog.Shown[0].buttons, (CheckButtons{false, false}));
    }
}

TEST(StrictSourceCheck, ClosingEveryMessageWalksAllSteps) {
    ScriptedCheckDialog dialog({kCheckAnswerClosed, kCheckAnswerClosed, kCheckAnswerClosed, kCheckAnswerClosed,
                                kCheckAnswerClosed});
    EXPECT_EQ(RunStrict(dialog, {"", "", "", kInn12}), kSourceAccepted);
    EXPECT_EQ(dialog.Messages(), (Strings{kNoName, kNoOktmoStrict, kInnLength10, kNoKpp, kInnNotOrganization}));

    ScriptedCheckDialog empty({kCheckAnswerClosed, kCheckAnswerFix});
    EXPECT_EQ(RunStrict(empty, {kName, kOktmo8, "", ""}), kSourceFieldInn);
    EXPECT_EQ(empty.Messages(), (Strings{kNoKpp, kEnterInn}));
    EXPECT_EQ(LastCheckAnswer(), kCheckAnswerFix);
}

}  // namespace
}  // namespace kvz
