// The certificate preview: without a person to take nothing can be accepted; the
// person is chosen by keyboard, the certificates are ticked and unticked with Space,
// items that cannot be added stay unticked, and help opens from the dialog.
#include <QComboBox>
#include <QMimeData>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/ui/ndfl2_drop.h"
#include "app/ui/ndfl2_import_dialog.h"
#include "import/ndfl2_reader.h"

namespace kvz::test {

namespace {

std::vector<Ndfl2File> ManyPeople() {
    return {ReadNdfl2File(std::string(KVZ_SOURCE_DIR) + "/tests/data/ndfl2/sample_many_people.xml",
                          std::string(KVZ_SOURCE_DIR) + "/data/NO_NDFL2_1_399_00_05_04_02.xsd")};
}

}  // namespace

class Ndfl2ImportDialogTest : public QObject {
    Q_OBJECT
private slots:
    void PersonChosenByKeyboardAndItemsTickedWithSpace() {
        int helps = 0;
        TfmNdfl2Import dialog(ManyPeople(), {}, [&helps] { ++helps; });
        dialog.show();
        auto* person = dialog.findChild<QComboBox*>(QStringLiteral("cbPerson"));
        auto* items = dialog.findChild<QTableWidget*>(QStringLiteral("twItems"));
        auto* yes = dialog.findChild<QPushButton*>(QStringLiteral("btnYes"));
        auto* problem = dialog.findChild<QLabel*>(QStringLiteral("lblProblem"));
        QVERIFY(person && items && yes && problem);
        // Three people and no document to name one: the choice is the user's.
        QCOMPARE(person->count(), 3);
        QCOMPARE(person->currentIndex(), -1);
        QVERIFY(problem->text().contains(QStringLiteral("нескольких лиц")));
        QVERIFY(!yes->isEnabled());
        QCOMPARE(items->rowCount(), 0);

        person->setFocus();
        QTest::keyClick(person, Qt::Key_Down);
        QTest::keyClick(person, Qt::Key_Down);
        QCOMPARE(person->currentIndex(), 1);
        QVERIFY(person->currentText().startsWith(QStringLiteral("Лаптева")));
        QVERIFY(yes->isEnabled());
        QCOMPARE(items->rowCount(), 1);
        QCOMPARE(dialog.Taken(), std::vector<bool>{true});
        QCOMPARE(items->item(0, 3)->text(), QStringLiteral("13 %"));
        QCOMPARE(items->item(0, 6)->text(), QStringLiteral("32958"));

        items->setFocus();
        items->setCurrentCell(0, 0);
        QTest::keyClick(items->viewport(), Qt::Key_Space);
        QCOMPARE(dialog.Taken(), std::vector<bool>{false});
        QTest::keyClick(items->viewport(), Qt::Key_Space);
        QCOMPARE(dialog.Taken(), std::vector<bool>{true});

        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.Plan().Person.FullName.starts_with("Лаптева"));
    }

    void DroppedXmlFilesAreTakenAndOthersLeft() {
        QWidget window;
        QStringList taken;
        new TNdfl2Drop(window, [&taken](const QStringList& files) { taken = files; });
        QVERIFY(window.acceptDrops());
        const auto drop = [&window](const QList<QUrl>& urls) {
            QMimeData data;
            data.setUrls(urls);
            QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &enter);
            if (!enter.isAccepted()) return false;
            QDropEvent dropped(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &dropped);
            QCoreApplication::processEvents();
            return true;
        };
        QVERIFY(!drop({QUrl::fromLocalFile(QStringLiteral("/tmp/doc.qz5"))}));
        QVERIFY(!drop({QUrl::fromLocalFile(QStringLiteral("/tmp/a.xml")), QUrl(QStringLiteral("https://x/b.xml"))}));
        QVERIFY(taken.isEmpty());
        QVERIFY(drop({QUrl::fromLocalFile(QStringLiteral("/tmp/a.xml")), QUrl::fromLocalFile(QStringLiteral("/tmp/B.XML"))}));
        QCOMPARE(taken, (QStringList{QStringLiteral("/tmp/a.xml"), QStringLiteral("/tmp/B.XML")}));
    }

    void PersonTheDocumentDoesNotNameIsRefusedInPlace() {
        Ndfl2Target target;
        target.Person = Ndfl2PersonId{"500100732259", "Иванов Петр Сергеевич", "01.02.1980"};
        TfmNdfl2Import dialog(ManyPeople(), target, {});
        auto* problem = dialog.findChild<QLabel*>(QStringLiteral("lblProblem"));
        QVERIFY(problem->text().contains(QStringLiteral("нет справок налогоплательщика")));
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("btnYes"))->isEnabled());
        // Choosing one of the file's people does not override the document's taxpayer.
        dialog.findChild<QComboBox*>(QStringLiteral("cbPerson"))->setCurrentIndex(0);
        QVERIFY(problem->text().contains(QStringLiteral("документ составлен на")));
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("btnYes"))->isEnabled());
    }
};

}  // namespace kvz::test

QTEST_MAIN(kvz::test::Ndfl2ImportDialogTest)
#include "ndfl2_import_dialog_test.moc"
