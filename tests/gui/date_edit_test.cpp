// The date field of every screen and dialog: a click or Ctrl+A and a date typed as
// eight digits or with dots replace the date; a day the calendar does not have, a
// date outside the field's limits or one typed in part is refused with a message and
// the date typed over stays.
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "screens/date_edit.h"

namespace kvz::test {

class DateEditTest : public QObject {
    Q_OBJECT

    enum class Select { Click, CtrlA, Whole };

    struct Field {
        TDateEdit edit;
        QStringList refusals;
        Field(QDate earliest, QDate latest, QDate shown) {
            edit.setDateRange(earliest, latest);
            edit.setDate(shown);
            edit.SetRefusal([this](const QString& text) { refusals << text; });
        }
        void SelectDate(Select how) {
            QLineEdit* line = edit.findChild<QLineEdit*>();
            if (how == Select::Click) {
                // A click into the middle of the text, as a user does: the cursor lands
                // inside the month, and the field selects the whole date.
                line->setCursorPosition(4);
                QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, QPoint(line->width() / 3, line->height() / 2));
                QCoreApplication::processEvents();
            } else if (how == Select::CtrlA) {
                QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
            } else {
                line->selectAll();
            }
        }
        void Type(Select how, const QString& keys, bool enter) {
            SelectDate(how);
            QTest::keyClicks(&edit, keys);
            QCoreApplication::processEvents();
            if (enter) QTest::keyClick(&edit, Qt::Key_Return);
            QCoreApplication::processEvents();
        }
    };

private slots:
    void typedDatesAreTakenOrRefusedWithAMessage_data() {
        QTest::addColumn<QDate>("earliest");
        QTest::addColumn<QDate>("latest");
        QTest::addColumn<int>("select");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QDate>("stored");
        QTest::addColumn<QString>("message");

        const QDate past(1900, 1, 1), today(2026, 12, 31);
        const QDate objFirst(1990, 1, 1), objLater(2014, 1, 1), objLast(2015, 12, 31);
        const QDate before(2010, 5, 20);
        const int click = int(Select::Click), ctrlA = int(Select::CtrlA), whole = int(Select::Whole);
        const QString none;
        // Birth date and the other past dates of the screens.
        QTest::newRow("birth: click, digits") << past << today << click << "12031980" << false << QDate(1980, 3, 12) << none;
        QTest::newRow("birth: click, dots") << past << today << click << "12.03.1980" << false << QDate(1980, 3, 12) << none;
        QTest::newRow("birth: Ctrl+A, digits") << past << today << ctrlA << "01021955" << false << QDate(1955, 2, 1) << none;
        QTest::newRow("birth: short day and month with dots")
            << past << today << click << "1.3.1980" << false << QDate(1980, 3, 1) << none;
        QTest::newRow("birth: 29 February typed before its year")
            << past << today << whole << "29022016" << false << QDate(2016, 2, 29) << none;
        QTest::newRow("birth: 31 February")
            << past << today << whole << "31022015" << true << before << "Даты 31.02 нет в календаре.";
        QTest::newRow("birth: 29 February of a common year")
            << past << today << click << "29.02.2015" << false << before << "Даты 29.02.2015 нет в календаре.";
        QTest::newRow("birth: month 13")
            << past << today << click << "01132015" << true << before << "Даты 01.13 нет в календаре.";
        QTest::newRow("birth: in the future")
            << past << today << click << "01012030" << false << before
            << "Дата 01.01.2030 вне допустимых пределов: с 01.01.1900 по 31.12.2026.";
        QTest::newRow("birth: typed in part")
            << past << today << click << "0703" << true << before
            << "Дата введена не полностью. Введите день, месяц и год: ДД.ММ.ГГГГ.";
        // The object dialog's dates, first object and later ones.
        QTest::newRow("object: click, digits") << objFirst << objLast << click << "15032008" << false << QDate(2008, 3, 15) << none;
        QTest::newRow("object: before 1990")
            << objFirst << objLast << click << "15031980" << false << before
            << "Дата 15.03.1980 вне допустимых пределов: с 01.01.1990 по 31.12.2015.";
        QTest::newRow("object, later: 2014 typed over a date of 2015")
            << objLater << objLast << click << "01.02.2014" << false << QDate(2014, 2, 1) << none;
        QTest::newRow("object, later: 2008")
            << objLater << objLast << ctrlA << "15032008" << false << QDate(2015, 6, 1)
            << "Дата 15.03.2008 вне допустимых пределов: с 01.01.2014 по 31.12.2015.";
    }

    void typedDatesAreTakenOrRefusedWithAMessage() {
        QFETCH(QDate, earliest);
        QFETCH(QDate, latest);
        QFETCH(int, select);
        QFETCH(QString, keys);
        QFETCH(bool, enter);
        QFETCH(QDate, stored);
        QFETCH(QString, message);
        const QDate shown = earliest.year() >= 2014 ? QDate(2015, 6, 1) : QDate(2010, 5, 20);
        Field field(earliest, latest, shown);
        QSignalSpy changes(&field.edit, &QDateEdit::dateChanged);
        field.Type(static_cast<Select>(select), keys, enter);
        QCOMPARE(field.edit.date(), stored);
        // Only the date taken is announced, once: the screens react to no date on the
        // way. (Enter itself makes the field announce its date again.)
        if (!enter) QCOMPARE(changes.size(), stored == shown ? 0 : 1);
        QCOMPARE(field.refusals, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(field.edit.minimumDate(), earliest);
        QCOMPARE(field.edit.maximumDate(), latest);
    }

    void aSecondDateIsTypedOverTheFirst() {
        Field field(QDate(1900, 1, 1), QDate(2026, 12, 31), QDate(2010, 5, 20));
        field.Type(Select::Click, QStringLiteral("12031980"), false);
        field.Type(Select::Click, QStringLiteral("05.06.1977"), false);
        QCOMPARE(field.edit.date(), QDate(1977, 6, 5));
        QVERIFY(field.refusals.isEmpty());
    }
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::DateEditTest)
#include "date_edit_test.moc"
