#include "screens/not_available_screen.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kvz {

TfrNotAvailable::TfrNotAvailable(const QString& sectionTitle, mTDeclaration& declaration, QWidget* parent)
    : TThinkingFrame(declaration, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(sectionTitle, this);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title->setFont(bold);
    auto* text = new QLabel(QStringLiteral("Ввод данных этого раздела в этой версии программы пока недоступен. "
                                           "Данные раздела, уже записанные в документе, сохраняются без изменений."),
                            this);
    text->setObjectName(QStringLiteral("lblNotAvailable"));
    text->setWordWrap(true);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addStretch(1);
}

void TfrNotAvailable::FocusField(int, int) {}

}  // namespace kvz
