// Writes the program's picture for the desktop's icon theme: DIR/<size>x<size>/apps/
// kvarzen.png for every size given, drawn by the same code as the window's icon.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

#include "app/ui/program_icons.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: kvz_render_program_icon DIR SIZE...\n");
        return 2;
    }
    // Drawn without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) ||
            !kvz::PicturePixmap(kvz::ProgramPicture::Program, size).save(folder + QStringLiteral("/kvarzen.png"))) {
            std::fprintf(stderr, "kvz_render_program_icon: cannot write the %s icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
