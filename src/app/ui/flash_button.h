#pragma once
// A flat picture button of the section column: the picture above a caption that
// wraps over several lines, highlighted under the mouse, shown pressed while its
// section is on screen.
#include <QAbstractButton>

namespace kvz {

class TFlashButton : public QAbstractButton {
    Q_OBJECT
public:
    TFlashButton(const QIcon& picture, const QString& caption, const QString& hint, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect CaptionRect() const;

    bool Hovered_ = false;
};

}  // namespace kvz
