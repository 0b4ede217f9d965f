// The binding of editors to fields: filling is no edit, Store writes only what
// the user changed, a value the editor cannot show is never lost, and neither is
// a value typed while its field may not be written or that the field refuses.
#include <QCheckBox>
#include <QDateEdit>
#include <QSignalSpy>
#include <QtTest>

#include <limits>

#include "gui_typing.h"
#include "screens/field_binder.h"
#include "screens/masked_edit.h"
#include "storage/errors.h"

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
        QVERIFY(!binder.Store().changed);

        monthsEdit->clear();
        box->click();
        QCOMPARE(modified.count(), 2);
        QVERIFY(binder.Store().changed);
        QCOMPARE(months, 0);
        QVERIFY(!flag);
        QVERIFY(!binder.Store().changed);

        // Typed back to what it was: nothing to write.
        TypeKeys(nameEdit, "а");
        QTest::keyClick(nameEdit, Qt::Key_Backspace);
        QVERIFY(!binder.Store().changed);
    }

    // Each way a typed value cannot be written now: it is not written, no change is
    // reported, the editor keeps it, and it is written once the field takes it.
    void typedValueWaitsUntilTheFieldTakesIt() {
        struct Case {
            const char* why;
            bool reported;  // a refusal the screen tells the user about; a closed gate is not one
        };
        for (const Case c : {Case{"gated", false}, Case{"throws", true}, Case{"ignores", true}}) {
            QWidget root;
            TFieldBinder binder(&root);
            int32_t count = 0;
            bool takes = false;
            auto* edit = new TMaskedEdit(edtDigital, 2, 0, &root);
            FieldAccess<int32_t> plain(count);
            FieldAccess<int32_t> field =
                c.why == std::string("gated")
                    ? plain.When([&] { return takes; })
                    : FieldAccess<int32_t>([&] { return count; },
                                           [&, throws = c.why == std::string("throws")](const int32_t& v) {
                                               if (takes) count = v;
                                               else if (throws) throw EConvertError("beyond the range");
                                           });
            binder.BindInteger(edit, "ChildrenCount", field);
            binder.Fill();
            edit->clear();
            TypeKeys(edit, "2");
            for (int again = 0; again < 2; ++again) {
                const StoreResult held = binder.Store();
                QVERIFY2(!held.changed, c.why);
                QCOMPARE(held.failed, c.reported);
                QCOMPARE(held.failedEditor, c.reported ? edit : nullptr);
                QCOMPARE(count, 0);
                QCOMPARE(edit->text(), QString("2"));
            }
            takes = true;
            const StoreResult written = binder.Store();
            QVERIFY2(written.changed && !written.failed, c.why);
            QCOMPARE(count, 2);
            QVERIFY(!binder.Store().changed);
        }
    }

    // Showing another item refills the item's editors only: what is typed into the
    // section's own stays, and is written on Store.
    void anotherItemLeavesTheSectionsEditorsAlone() {
        QWidget root;
        TFieldBinder binder(&root);
        int32_t items[2] = {3, 4};
        int shown = 0;
        int32_t payments = 0;
        auto* itemEdit = new TMaskedEdit(edtDigital, 2, 0, &root);
        auto* sectionEdit = new TMaskedEdit(edtDigital, 2, 0, &root);
        binder.BindInteger(itemEdit, "Item",
                           FieldAccess<int32_t>([&] { return items[shown]; },
                                                [&](const int32_t& v) { items[shown] = v; }, FieldScope::Item));
        binder.BindInteger(sectionEdit, "Payments", payments);
        binder.Fill();
        QCOMPARE(binder.Editors(FieldScope::Item), std::vector<QObject*>{itemEdit});
        QCOMPARE(binder.Editors(FieldScope::Section), std::vector<QObject*>{sectionEdit});
        sectionEdit->clear();
        TypeKeys(sectionEdit, "9");
        shown = 1;
        binder.FillItem();
        QCOMPARE(itemEdit->text(), QString("4"));
        QCOMPARE(sectionEdit->text(), QString("9"));
        QVERIFY(binder.Store().changed);
        QCOMPARE(payments, 9);
        QCOMPARE(items[0], 3);
        QCOMPARE(items[1], 4);
    }

    void amountTheFieldCannotShowIsKept() {
        QWidget root;
        TFieldBinder binder(&root);
        Money amount = Money::FromRaw(12345);  // 1,2345: more decimals than the field takes
        auto* edit = new TMaskedEdit(edtCurrency, 12, 2, &root);
        binder.BindMoney(edit, "ExpectedIncome", amount);
        binder.Fill();
        QCOMPARE(edit->text(), QString("1,2345"));
        QVERIFY(!binder.Store().changed);
        QCOMPARE(amount, Money::FromRaw(12345));
        edit->setText("7,5");
        QVERIFY(binder.Store().changed);
        QCOMPARE(amount, Money::FromRaw(75000));
        edit->clear();
        QVERIFY(binder.Store().changed);
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
        QVERIFY(!binder.Store().changed);
        QCOMPARE(date, EncodeDate(1977, 1, 1) + 0.5);
        edit->setDate(QDate(2000, 2, 29));
        QVERIFY(binder.Store().changed);
        QCOMPARE(date, EncodeDate(2000, 2, 29));
        QVERIFY(DateOfDayCount(std::numeric_limits<double>::quiet_NaN()).isValid());
        QCOMPARE(DayCountOfDate(QDate(1899, 12, 30)), 0.0);
    }
};

QTEST_MAIN(FieldBinderTest)
#include "field_binder_test.moc"
