// Writes the fuzz seed corpus: `make_corpus DIR`.
#include <QFile>
#include <cstdio>

#include "seeds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_corpus DIR\n");
        return 2;
    }
    for (const auto& [name, bytes] : bmpwriter::seeds()) {
        QFile file(QString::fromLocal8Bit(argv[1]) + "/" + QString::fromStdString(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
