#pragma once

#include <QImage>
#include <stdexcept>
#include <string>

namespace images {

// A decoded picture and where it came from: a path relative to the program
// folder ("img/demo/21/1.bmp") or "builtin:NAME" for artwork stored with the program.
struct Picture {
    QImage image;
    std::string name;
    // The image shows its subject as a left-handed player sees it.
    bool mirrored = false;

    bool isNone() const { return name.empty() && image.isNull(); }
    bool operator==(const Picture& other) const {
        return name == other.name && mirrored == other.mirrored && image == other.image;
    }
};

// The one failure a picture load can raise; it names the file and the reason.
class PictureLoadError : public std::runtime_error {
public:
    PictureLoadError(std::string file, std::string reason);
    const std::string& file() const { return m_file; }
    const std::string& reason() const { return m_reason; }

private:
    std::string m_file;
    std::string m_reason;
};

}  // namespace images
