#pragma once
// The about box: the program's name, version and maker.
#include <QDialog>

#include "export/program_version.h"

namespace kvz {

class TfmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfmAbout(QWidget* parent = nullptr);
};

}  // namespace kvz
