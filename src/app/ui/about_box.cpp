#include "app/ui/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/program_icons.h"

namespace kvz {

TfmAbout::TfmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfmAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new QLabel(this);
    picture->setPixmap(PicturePixmap(ProgramPicture::Program, 64));
    picture->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("lblAbout"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(QStringLiteral(
                      "<h2>Кварзен 2015</h2>"
                      "<p>Версия %1</p>"
                      "<p>Подготовка декларации о доходах физических лиц за 2015 год: "
                      "3-НДФЛ (для налоговых резидентов и нерезидентов) и 4-НДФЛ "
                      "(декларация о предполагаемом доходе).</p>"
                      "<p>Расчёт всех листов декларации, проверка, файл для налоговой инспекции "
                      "в формате xml.</p>"
                      "<p>© Орвелт</p>")
                      .arg(QString::fromUtf8(kProgramVersion)));
    text->setMinimumWidth(340);

    auto* row = new QHBoxLayout();
    row->setSpacing(16);
    row->addWidget(picture);
    row->addWidget(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kvz
