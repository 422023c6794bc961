// Writes a picture of every window of the gallery into a folder, one PNG per
// entry named after it: windowpictures FOLDER (QT_SCALE_FACTOR=2 for 200%).
#include "WindowGallery.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: windowpictures FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    int failed = 0;
    const WindowGallery gallery;
    for (const QString &name : gallery.names()) {
        bool saved = false;
        gallery.visit(name, [&](QWidget &window) { saved = window.grab().save(folder.filePath(name + ".png")); });
        if (!saved) {
            std::fprintf(stderr, "no picture of %s\n", qPrintable(name));
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
