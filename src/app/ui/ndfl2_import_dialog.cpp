#include "app/ui/ndfl2_import_dialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/document_controller.h"
#include "app/document_paths.h"
#include "app/ui/window_dialogs.h"
#include "import/ndfl2_reader.h"

namespace kvz {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

const char* const kColumns[] = {"Загрузить", "Агент", "Получатель", "Ставка", "Месяцы", "Доход", "Налог удержан",
                                "Примечания"};
enum Column { kTake, kAgent, kPerson, kRate, kMonths, kIncome, kWithheld, kNotes };

QTableWidgetItem* Cell(const std::string& text) {
    auto* cell = new QTableWidgetItem(Q(text));
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setToolTip(Q(text));
    return cell;
}

std::string Notes(const Ndfl2Item& item) {
    std::string notes = item.SkipReason;
    for (const std::string& w : item.Warnings) notes += (notes.empty() ? "" : "; ") + w;
    return notes;
}

}  // namespace

TfmNdfl2Import::TfmNdfl2Import(std::vector<Ndfl2File> files, Ndfl2Target target, std::function<void()> openHelp,
                               QWidget* parent)
    : QDialog(parent),
      Files_(std::move(files)),
      Target_(std::move(target)),
      People_(PeopleFound(Files_)),
      cbPerson_(new QComboBox),
      lblProblem_(new QLabel),
      twItems_(new QTableWidget(0, static_cast<int>(std::size(kColumns)))),
      meWarnings_(new QPlainTextEdit),
      btnYes_(new QPushButton(QStringLiteral("Да"))) {
    setObjectName(QStringLiteral("TfmNdfl2Import"));
    setWindowTitle(QStringLiteral("Загрузка справок 2-НДФЛ"));
    auto* layout = new QVBoxLayout(this);

    auto* personRow = new QHBoxLayout;
    auto* personLabel = new QLabel(QStringLiteral("&Налогоплательщик:"));
    personLabel->setBuddy(cbPerson_);
    cbPerson_->setObjectName(QStringLiteral("cbPerson"));
    cbPerson_->setPlaceholderText(QStringLiteral("выберите лицо"));
    for (const Ndfl2PersonId& p : People_) cbPerson_->addItem(Q(PersonTitle(p)));
    personRow->addWidget(personLabel);
    personRow->addWidget(cbPerson_, 1);
    layout->addLayout(personRow);

    lblProblem_->setObjectName(QStringLiteral("lblProblem"));
    lblProblem_->setWordWrap(true);
    lblProblem_->setTextFormat(Qt::PlainText);
    layout->addWidget(lblProblem_);

    auto* itemsLabel = new QLabel(QStringLiteral("&Справки (отмеченные будут добавлены в декларацию):"));
    itemsLabel->setBuddy(twItems_);
    layout->addWidget(itemsLabel);
    twItems_->setObjectName(QStringLiteral("twItems"));
    QStringList headers;
    for (const char* c : kColumns) headers << QString::fromUtf8(c);
    twItems_->setHorizontalHeaderLabels(headers);
    twItems_->verticalHeader()->hide();
    twItems_->setSelectionBehavior(QAbstractItemView::SelectRows);
    twItems_->setSelectionMode(QAbstractItemView::SingleSelection);
    twItems_->setTabKeyNavigation(false);
    twItems_->setWordWrap(false);
    twItems_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(twItems_, 2);

    auto* warningsLabel = new QLabel(QStringLiteral("&Предупреждения:"));
    warningsLabel->setBuddy(meWarnings_);
    layout->addWidget(warningsLabel);
    meWarnings_->setObjectName(QStringLiteral("meWarnings"));
    meWarnings_->setReadOnly(true);
    layout->addWidget(meWarnings_, 1);

    auto* buttons = new QHBoxLayout;
    auto* help = new QPushButton(QStringLiteral("&Справка"));
    auto* no = new QPushButton(QStringLiteral("Нет"));
    btnYes_->setObjectName(QStringLiteral("btnYes"));
    no->setObjectName(QStringLiteral("btnNo"));
    btnYes_->setDefault(true);
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(btnYes_);
    buttons->addWidget(no);
    layout->addLayout(buttons);
    connect(btnYes_, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [openHelp] {
        if (openHelp) openHelp();
    });

    Show(std::nullopt);
    connect(cbPerson_, &QComboBox::currentIndexChanged, this, &TfmNdfl2Import::PersonChosen);
    resize(980, 520);
}

std::vector<bool> TfmNdfl2Import::Taken() const {
    std::vector<bool> taken;
    for (int row = 0; row < twItems_->rowCount(); ++row)
        taken.push_back(twItems_->item(row, kTake)->checkState() == Qt::Checked);
    return taken;
}

void TfmNdfl2Import::PersonChosen(int index) {
    if (index < 0 || index >= static_cast<int>(People_.size())) return;
    Show(People_[static_cast<std::size_t>(index)]);
}

// Plans for the person; a refusal (a person the document does not name, several
// people and none chosen) is shown in place of the certificates.
void TfmNdfl2Import::Show(const std::optional<Ndfl2PersonId>& chosen) {
    try {
        Plan_ = PlanNdfl2Import(Files_, Target_, chosen);
        lblProblem_->clear();
        for (std::size_t i = 0; i < People_.size(); ++i)
            if (SamePerson(People_[i], Plan_->Person)) {
                const QSignalBlocker quiet(cbPerson_);
                cbPerson_->setCurrentIndex(static_cast<int>(i));
            }
    } catch (const std::exception& e) {
        Plan_.reset();
        lblProblem_->setText(Q(e.what()));
    }
    lblProblem_->setVisible(!lblProblem_->text().isEmpty());
    FillItems();
}

void TfmNdfl2Import::FillItems() {
    twItems_->setRowCount(0);
    meWarnings_->clear();
    btnYes_->setEnabled(false);
    if (!Plan_) return;
    QStringList warnings;
    for (const std::string& w : Plan_->Warnings) warnings << Q(w);
    twItems_->setRowCount(static_cast<int>(Plan_->Items.size()));
    for (std::size_t i = 0; i < Plan_->Items.size(); ++i) {
        const Ndfl2Item& item = Plan_->Items[i];
        const int row = static_cast<int>(i);
        auto* take = new QTableWidgetItem(Q(item.Title()));
        take->setFlags(item.Addable() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                                      : Qt::ItemIsSelectable);
        take->setCheckState(item.Addable() ? Qt::Checked : Qt::Unchecked);
        take->setToolTip(Q(item.Label()));
        twItems_->setItem(row, kTake, take);
        twItems_->setItem(row, kAgent, Cell(item.Certificate.Agent.Name));
        twItems_->setItem(row, kPerson, Cell(PersonTitle(PersonIdOf(item.Certificate.Person))));
        twItems_->setItem(row, kRate, Cell(item.Block < 0 ? "" : std::to_string(item.Rate()) + " %"));
        twItems_->setItem(row, kMonths, Cell(item.Months()));
        twItems_->setItem(row, kIncome, Cell(item.Block < 0 ? "" : MoneyToText(item.Income(), ',')));
        twItems_->setItem(row, kWithheld, Cell(item.Block < 0 ? "" : MoneyToText(item.TaxWithheld(), ',')));
        twItems_->setItem(row, kNotes, Cell(Notes(item)));
        for (const std::string& w : item.Warnings) warnings << Q(item.Label() + ": " + w);
    }
    meWarnings_->setPlainText(warnings.join(QLatin1Char('\n')));
    twItems_->resizeColumnsToContents();
    // Long names are cut to their column; the tooltip shows them whole.
    for (const auto& [column, widest] : {std::pair{kAgent, 200}, {kPerson, 180}})
        twItems_->setColumnWidth(column, std::min(twItems_->columnWidth(column), widest));
    if (twItems_->rowCount() > 0) twItems_->setCurrentCell(0, kTake);
    btnYes_->setEnabled(true);
}

void RunNdfl2Import(QWidget* parent, DocumentController& controller, WindowDialogs& dialogs,
                    const QStringList& files, const std::function<void()>& openHelp) {
    if (files.isEmpty()) return;
    try {
        std::vector<Ndfl2File> read;
        for (const QString& f : files) read.push_back(ReadNdfl2File(f.toStdString(), DefaultNdfl2SchemaPath()));
        TfmNdfl2Import dialog(std::move(read), controller.CertificateTarget(), openHelp, parent);
        if (dialog.exec() != QDialog::Accepted) return;
        const Ndfl2ImportReport report = controller.ImportCertificates(dialog.Plan(), dialog.Taken());
        dialogs.ShowMessage(ReportText(report), kProgramTitle, MessageIcon::Information, MessageButtons::Ok);
    } catch (const std::exception& e) {
        dialogs.ShowMessage(std::string("Справки 2-НДФЛ не загружены: ") + e.what(), kProgramTitle,
                            MessageIcon::Error, MessageButtons::Ok);
    }
}

QStringList AskNdfl2Files(QWidget* parent) {
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("Справки 2-НДФЛ"), QString(),
                                         QStringLiteral("Справки 2-НДФЛ (*.xml *.XML);;Все файлы (*)"));
}

}  // namespace kvz
