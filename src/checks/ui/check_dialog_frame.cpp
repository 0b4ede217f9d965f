#include "checks/ui/check_dialog_frame.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "checks/check_dialog.h"

namespace kvz {

namespace {

constexpr int kMessageWidth = 360;
constexpr int kMessageMinHeight = 64;
constexpr int kPictureSize = 48;

}  // namespace

TCheckDialogFrame::TCheckDialogFrame(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(kCheckDialogTitle));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlMessage"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(1);

    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("imgWarning"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kPictureSize, kPictureSize));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    Message_ = new QLabel(QStringLiteral("?"), panel);
    Message_->setObjectName(QStringLiteral("lblMessage"));
    Message_->setAlignment(Qt::AlignCenter);
    Message_->setWordWrap(true);
    Message_->setTextFormat(Qt::PlainText);

    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(12, 12, 12, 12);
    panelLayout->setSpacing(12);
    panelLayout->addWidget(picture, 0, Qt::AlignTop);
    panelLayout->addWidget(Message_, 1);

    Buttons_ = new QHBoxLayout();
    Buttons_->setSpacing(8);
    Buttons_->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(panel);
    layout->addLayout(Buttons_);
    FitToMessage();
}

void TCheckDialogFrame::SetCheckSection(const std::string& caption) {
    setWindowTitle(QString::fromStdString(CheckDialogTitle(caption)));
}

void TCheckDialogFrame::SetCheckMessage(const std::string& text) {
    Message_->setText(QString::fromStdString(text));
    FitToMessage();
}

QString TCheckDialogFrame::MessageText() const { return Message_->text(); }

QPushButton* TCheckDialogFrame::AddAnswerButton(const QString& text, int result, const QString& objectName) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    Buttons_->addWidget(button);
    FitToMessage();
    return button;
}

void TCheckDialogFrame::reject() { done(kCheckAnswerClosed); }

// The user cannot resize the dialog; it grows with a long message instead of
// cutting it off.
void TCheckDialogFrame::FitToMessage() {
    const int height = std::max(kMessageMinHeight, Message_->heightForWidth(kMessageWidth));
    Message_->setFixedSize(kMessageWidth, height);
    // The panel's cached size goes now, not when its posted layout request arrives.
    Message_->parentWidget()->layout()->invalidate();
    Message_->parentWidget()->updateGeometry();
    layout()->invalidate();
    layout()->activate();
    setFixedSize(layout()->sizeHint());
}

void TCheckDialogFrame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) move(screen->availableGeometry().center() - rect().center());
}

}  // namespace kvz
