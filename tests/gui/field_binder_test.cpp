// The binding of editors to fields: filling is no edit, Store writes only what
// the user changed, and a value the editor cannot show is never lost.
#include <QCheckBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <QtTest>

#include <limits>

#include "gui_typing.h"
#include "screens/field_binder.h"
#include "screens/masked_edit.h"

using namespace kvz;
using kvz::test::TypeKeys;

class FieldBinderTest : public QObject {
    Q_OBJECT
private slots:
    void fillIsNoEditAndStoreWritesOnlyChanges() {
        QWidget root;
        TFieldBinder binder(&root);
        QSignalSpy modified(&binder, &TFieldBinder::documentModified);
        std::string name = "Иванов";
        int32_t months = 3;
        bool flag = true;
        auto* nameEdit = new TMaskedEdit(edtNone, 60, 0, &root);
        auto* monthsEdit = new TMaskedEdit(edtDigital, 2, 0, &root);
        auto* box = new QCheckBox(&root);
        binder.BindText(nameEdit, "Surname", name);
        binder.BindInteger(monthsEdit, "MonthsWorked", months);
        binder.BindCheck(box, "IsFarmHead", flag);
        binder.Fill();
        QCOMPARE(modified.count(), 0);
        QCOMPARE(root.findChild<TMaskedEdit*>("Surname"), nameEdit);
        QCOMPARE(monthsEdit->text(), QString("3"));
        QVERIFY(box->isChecked());
        QVERIFY(!binder.Store());

        monthsEdit->clear();
        box->click();
        QCOMPARE(modified.count(), 2);
        QVERIFY(binder.Store());
        QCOMPARE(months, 0);
        QVERIFY(!flag);
        QVERIFY(!binder.Store());

        // Typed back to what it was: nothing to write.
        TypeKeys(nameEdit, "а");
        QTest::keyClick(nameEdit, Qt::Key_Backspace);
        QVERIFY(!binder.Store());
    }

    void amountTheFieldCannotShowIsKept() {
        QWidget root;
        TFieldBinder binder(&root);
        Money amount = Money::FromRaw(12345);  // 1,2345: more decimals than the field takes
        auto* edit = new TMaskedEdit(edtCurrency, 12, 2, &root);
        binder.BindMoney(edit, "ExpectedIncome", amount);
        binder.Fill();
        QCOMPARE(edit->text(), QString("1,2345"));
        QVERIFY(!binder.Store());
        QCOMPARE(amount, Money::FromRaw(12345));
        edit->setText("7,5");
        QVERIFY(binder.Store());
        QCOMPARE(amount, Money::FromRaw(75000));
        edit->clear();
        QVERIFY(binder.Store());
        QCOMPARE(amount, Money());
    }

    void datesAndDayCounts() {
        QWidget root;
        TFieldBinder binder(&root);
        DateTime date = EncodeDate(1977, 1, 1) + 0.5;  // a time of day is not the user's to lose
        auto* edit = new QDateEdit(&root);
        binder.BindDate(edit, "BirthDate", date);
        binder.Fill();
        QCOMPARE(edit->date(), QDate(1977, 1, 1));
        QVERIFY(!binder.Store());
        QCOMPARE(date, EncodeDate(1977, 1, 1) + 0.5);
        edit->setDate(QDate(2000, 2, 29));
        QVERIFY(binder.Store());
        QCOMPARE(date, EncodeDate(2000, 2, 29));
        QVERIFY(DateOfDayCount(std::numeric_limits<double>::quiet_NaN()).isValid());
        QCOMPARE(DayCountOfDate(QDate(1899, 12, 30)), 0.0);
    }
};

QTEST_MAIN(FieldBinderTest)
#include "field_binder_test.moc"
