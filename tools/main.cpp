// Draws every picture, sound, clip and document the game loads by name into
// the run folder given as the only argument. The output is the same, byte for
// byte, on every run.
#include "Assets.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pigmentra_gen <run-folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "pigmentra_gen: cannot create %s\n", argv[1]);
        return 1;
    }
    try {
        gen::writeSwatches(dir);
        gen::writeVessels(dir);
        gen::writeCarPainting(dir);
        gen::writeNotices(dir);
        gen::writeBanners(dir);
        gen::writeSounds(dir);
        gen::writeClip(dir);
        gen::writeRules(dir);
        gen::writeIcons(dir);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pigmentra_gen: %s\n", e.what());
        return 1;
    }
    // Every file of the game's table (platform/DataFiles.h) must have been drawn.
    for (const DataFiles::Entry& file : DataFiles::Table) {
        if (!QFileInfo(QDir(dir).filePath(QString::fromLatin1(file.Name))).isFile()) {
            std::fprintf(stderr, "pigmentra_gen: %s is in the table of data files but was not drawn\n", file.Name);
            return 1;
        }
    }
    return 0;
}
