// The data files next to the program as the window reads them at start: missing
// ones leave their part out, a damaged inspection directory ends the start, other
// damaged files are reported and left out.
#include "form_main_fixture.h"

#include "app/ui/program_data_files.h"

namespace kvz::test {

namespace {

void Spoil(const ProgramFolder& folder, const char* name) {
    QFile file(folder.File(QString::fromUtf8(name)));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Inspections><Inspection Code=");
}

}  // namespace

class ProgramDataFilesTest : public QObject {
    Q_OBJECT

private slots:
    void readsEveryFileThatIsThere() {
        ProgramFolder folder;
        const ProgramDataFiles files = LoadProgramDataFiles(folder.Path());
        QVERIFY(files.inspections.has_value());
        QVERIFY(files.countries.has_value());
        QCOMPARE(files.countries->Entries.size(), std::size_t(251));
        QCOMPARE(files.activities->Entries.size(), std::size_t(2899));
        QCOMPARE(files.currencyRates->Currencies.size(), std::size_t(6));
        QVERIFY(files.problems.empty());
    }

    void missingFilesLeaveTheirPickersOut() {
        ProgramFolder folder;
        QVERIFY(QFile::remove(folder.File(QStringLiteral("InspectionNumbers.xml"))));
        QVERIFY(QFile::remove(folder.File(QStringLiteral("Oksm.xml"))));
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        QVERIFY(form->Resources().inspections == nullptr);
        QVERIFY(form->Resources().countries == nullptr);
        QVERIFY(form->Resources().activities != nullptr);
        QVERIFY(form->Resources().currencyRates != nullptr);
        QVERIFY(dialogs.messages.empty());
    }

    // The rate file ships with the program: without it the user learns once, at
    // start, that rates must be typed; everything else works.
    void missingRateFileIsReportedOnce() {
        ProgramFolder folder;
        QVERIFY(QFile::remove(folder.File(QStringLiteral("CurrencyRates.xml"))));
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        QVERIFY(form->Resources().currencyRates == nullptr);
        QVERIFY(form->Resources().activities != nullptr);
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(dialogs.messages[0].text).contains(QStringLiteral("CurrencyRates.xml")));
        QVERIFY(QString::fromStdString(dialogs.messages[0].text).contains(QStringLiteral("курса валюты недоступно")));
        Find<QAction>(*form, "miCreate")->trigger();
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
    }

    void damagedInspectionDirectoryEndsTheStart() {
        ProgramFolder folder;
        Spoil(folder, "InspectionNumbers.xml");
        try {
            LoadProgramDataFiles(folder.Path());
            QFAIL("the start went on");
        } catch (const EStartAborted& error) {
            const QString text = QString::fromUtf8(error.what());
            QVERIFY(text.startsWith(QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские.")));
            QVERIFY(text.contains(QStringLiteral("InspectionNumbers.xml")));
        }
        DialogScript dialogs;
        ScreenScript screens;
        QVERIFY_THROWS_EXCEPTION(EStartAborted, MakeForm(folder, dialogs, screens));
    }

    void otherDamagedFilesAreReportedAfterTheStart() {
        ProgramFolder folder;
        Spoil(folder, "Oksm.xml");
        Spoil(folder, "CurrencyRates.xml");
        DialogScript dialogs;
        ScreenScript screens;
        auto form = MakeForm(folder, dialogs, screens);
        form->Start({});
        QVERIFY(form->Resources().countries == nullptr);
        QVERIFY(form->Resources().inspections != nullptr);
        QCOMPARE(dialogs.messages.size(), std::size_t(2));
        QVERIFY(QString::fromStdString(dialogs.messages[0].text).contains(QStringLiteral("Oksm.xml")));
        QVERIFY(QString::fromStdString(dialogs.messages[1].text).contains(QStringLiteral("CurrencyRates.xml")));
        QVERIFY(form->Resources().currencyRates == nullptr);
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Error);
        QCOMPARE(dialogs.messages[0].caption, std::string("Кварзен 2015"));
        // The document itself is open and usable.
        QCOMPARE(form->windowTitle(), QStringLiteral("Без имени - Кварзен 2015"));
    }

private:
    SettingsSandbox Settings_;
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::ProgramDataFilesTest)
#include "program_data_files_test.moc"
