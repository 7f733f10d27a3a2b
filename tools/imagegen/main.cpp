#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "tools/imagegen/artwork.h"
#include "tools/imagegen/chord_type_table.h"
#include "tools/imagegen/icons.h"
#include "tools/imagegen/library.h"

// imagegen artwork OUTDIR  - built-in pictures and their resource list
// imagegen library BINDIR  - the image library below BINDIR/img/demo
// imagegen icons OUTDIR    - the programs' icons in every size, below OUTDIR/hicolor
// imagegen chord-types     - the chord-type table of the README
int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "chord-types") == 0) {
        std::fputs(imagegen::chordTypeMarkdown().c_str(), stdout);
        return 0;
    }
    // Text rendering needs a platform; build machines have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto is = [&](const char* command) { return std::strcmp(argv[1], command) == 0; };
    if (argc != 3 || !(is("artwork") || is("library") || is("icons"))) {
        std::fprintf(stderr,
                     "usage: imagegen artwork OUTDIR | imagegen library BINDIR | "
                     "imagegen icons OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[2]);
    const bool ok = is("artwork")   ? imagegen::writeArtwork(dir)
                    : is("library") ? imagegen::writeLibrary(dir)
                                    : imagegen::writeIcons(dir);
    if (!ok) {
        std::fprintf(stderr, "imagegen: could not write %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
