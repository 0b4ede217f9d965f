// The screens' date field: a whole date typed over a selected one replaces it; a
// day the calendar does not have is refused with a message, never made the nearest.
#include <QLineEdit>
#include <QtTest>

#include "screens/date_edit.h"

namespace kvz::test {

class DateEditTest : public QObject {
    Q_OBJECT

    struct Field {
        TDateEdit edit;
        QStringList refusals;
        Field() {
            edit.setMinimumDate(QDate(1900, 1, 1));
            edit.setMaximumDate(QDate(2026, 12, 31));
            edit.setDate(QDate(2010, 5, 20));
            edit.SetRefusal([this](const QString& text) { refusals << text; });
        }
        // Selects the whole date and types the digits, then Enter.
        void TypeOver(const char* digits) {
            edit.findChild<QLineEdit*>()->selectAll();
            QTest::keyClicks(&edit, QString::fromLatin1(digits));
            QCoreApplication::processEvents();
            QTest::keyClick(&edit, Qt::Key_Return);
        }
    };

private slots:
    void aSelectedDateIsReplacedByTheTypedOne() {
        Field field;
        field.TypeOver("15032015");
        QCOMPARE(field.edit.date(), QDate(2015, 3, 15));
        // 29 February is typed before its year.
        field.TypeOver("29022016");
        QCOMPARE(field.edit.date(), QDate(2016, 2, 29));
        QVERIFY(field.refusals.isEmpty());
    }

    void aDayTheCalendarHasNotIsRefusedAndTheDateStays() {
        Field field;
        field.TypeOver("31022015");
        QCOMPARE(field.edit.date(), QDate(2010, 5, 20));
        QCOMPARE(field.refusals, QStringList{QStringLiteral("Даты 31.02 нет в календаре.")});
        field.TypeOver("29022015");
        QCOMPARE(field.edit.date(), QDate(2010, 5, 20));
        QCOMPARE(field.refusals.last(), QStringLiteral("Даты 29.02.2015 нет в календаре."));
        // A date typed only in part does not leave a made-up one behind.
        field.TypeOver("0703");
        QCOMPARE(field.edit.date(), QDate(2010, 5, 20));
    }
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::DateEditTest)
#include "date_edit_test.moc"
