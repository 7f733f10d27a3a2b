#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <memory>

namespace sheet {

// Where a sheet or an export is written. A file is written beside the old one
// and put in its place only when whole, so a failed write leaves the old file
// as it was. A device or a pipe cannot be replaced that way (and replacing
// /dev/full by a file would be worse than any failure): it is written directly.
class OutputFile {
public:
    explicit OutputFile(const QString& path);
    bool open();
    QIODevice& device() { return *m_device; }
    // Puts the written file in place; false when anything failed on the way.
    bool commit();
    // Leaves the old file as it was.
    void discard();
    // One line naming the file and the reason.
    QString error(const QString& what) const;

private:
    QString m_path;
    QString m_reason;
    std::unique_ptr<QSaveFile> m_save;
    std::unique_ptr<QFile> m_direct;
    QFileDevice* m_device = nullptr;
};

// The whole of `bytes` written through an OutputFile: empty, or the error line.
QString writeWhole(const QString& path, const QByteArray& bytes, const QString& what);

}  // namespace sheet
