#pragma once
// The about box: the program's name, version and maker.
#include <QDialog>

namespace kvz {

inline constexpr const char* kProgramVersion = "1.0";

class TfmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfmAbout(QWidget* parent = nullptr);
};

}  // namespace kvz
