#pragma once

// Copies of the generated image library that a test may damage.
#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace testing_support {

class LibraryCopy {
public:
    LibraryCopy() {
        std::filesystem::copy(std::string(DEMO_BIN_DIR) + "/img", folder() + "/img",
                              std::filesystem::copy_options::recursive);
    }
    std::string folder() const { return m_dir.path().toStdString(); }
    void remove(const std::string& relative) {
        std::filesystem::remove(folder() + "/img/demo/" + relative);
    }

private:
    QTemporaryDir m_dir;
};

// The number a fret-number picture shows: img/demo/13/N.bmp -> N.
inline int fretNumberOf(const std::string& picture) {
    const auto slash = picture.rfind('/');
    return std::stoi(picture.substr(slash + 1));
}

}  // namespace testing_support
