#pragma once
// The pictures of the command and section buttons and of the program, drawn at run
// time so that the program needs no image files and looks the same on every desktop.
#include <QIcon>
#include <QPixmap>

namespace kvz {

enum class ProgramPicture {
    Program,
    Create,
    Open,
    Save,
    Preview,
    Print,
    Export,
    Check,
    Conditions,
    Person,
    RussianIncome,
    ForeignIncome,
    Business,
    Deductions,
    InvestTov,
};

QIcon PictureIcon(ProgramPicture picture);
QPixmap PicturePixmap(ProgramPicture picture, int size);

}  // namespace kvz
