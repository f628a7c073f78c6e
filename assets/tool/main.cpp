// loopsim-assetgen: draws every picture and synthesizes every sound the window loads.
//
//   loopsim-assetgen FOLDER                      pictures into FOLDER, sounds into FOLDER/Sounds
//   loopsim-assetgen --contact-sheet FOLDER PNG [NAME...]
//                                                one overview image of the pictures in FOLDER
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "ContactSheet.h"
#include "PictureCatalogue.h"
#include "SoundCatalogue.h"

namespace {

int usage() {
    std::fputs(
        "usage: loopsim-assetgen FOLDER\n"
        "       loopsim-assetgen --contact-sheet FOLDER SHEET.png [NAME...]\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        if (argc == 2) {
            const std::filesystem::path folder = argv[1];
            loopsim::assets::writePictures(folder);
            loopsim::assets::writeSounds(folder / "Sounds");
            return 0;
        }
        if (argc >= 4 && std::string(argv[1]) == "--contact-sheet") {
            const std::vector<std::string> only(argv + 4, argv + argc);
            if (!loopsim::assets::contactSheet(argv[2], only)
                     .save(QString::fromLocal8Bit(argv[3]))) {
                std::fprintf(stderr, "loopsim-assetgen: cannot write %s\n", argv[3]);
                return 1;
            }
            return 0;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "loopsim-assetgen: %s\n", error.what());
        return 1;
    }
    return usage();
}
