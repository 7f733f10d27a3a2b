#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "tools/imagegen/artwork.h"
#include "tools/imagegen/chord_type_table.h"
#include "tools/imagegen/library.h"

// imagegen artwork OUTDIR  - built-in pictures and their resource list
// imagegen library BINDIR  - the image library below BINDIR/img/demo
// imagegen chord-types     - the chord-type table of the README
int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "chord-types") == 0) {
        std::fputs(imagegen::chordTypeMarkdown().c_str(), stdout);
        return 0;
    }
    // Text rendering needs a platform; build machines have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3 ||
        (std::strcmp(argv[1], "artwork") != 0 && std::strcmp(argv[1], "library") != 0)) {
        std::fprintf(stderr, "usage: imagegen artwork OUTDIR | imagegen library BINDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[2]);
    const bool ok = std::strcmp(argv[1], "artwork") == 0 ? imagegen::writeArtwork(dir)
                                                         : imagegen::writeLibrary(dir);
    if (!ok) {
        std::fprintf(stderr, "imagegen: could not write %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
