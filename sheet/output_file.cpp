#include "sheet/output_file.h"

#include <QFileInfo>

namespace sheet {

OutputFile::OutputFile(const QString& path) : m_path(path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        m_direct = std::make_unique<QFile>(path);
        m_device = m_direct.get();
    } else {
        m_save = std::make_unique<QSaveFile>(path);
        m_device = m_save.get();
    }
}

bool OutputFile::open() {
    if (QFileInfo(m_path).isDir()) {
        m_reason = "it is a folder";
        return false;
    }
    if (m_device->open(QIODevice::WriteOnly)) return true;
    m_reason = m_device->errorString();
    return false;
}

bool OutputFile::commit() {
    bool ok = false;
    if (m_save) {
        // QSaveFile commits a file the disk cut short (a short write sets no
        // error), so what reached the disk is counted before it goes in place.
        const bool flushed = m_save->flush();
        if (!flushed || m_save->size() != m_save->pos()) {
            m_reason = QString("only %1 of %2 bytes reached the disk")
                           .arg(m_save->size())
                           .arg(m_save->pos());
            discard();
            return false;
        }
        ok = m_save->commit();
    } else {
        ok = m_direct->flush() && m_direct->error() == QFileDevice::NoError;
        m_direct->close();
        ok = ok && m_direct->error() == QFileDevice::NoError;
    }
    if (!ok && m_reason.isEmpty()) m_reason = m_device->errorString();
    return ok;
}

void OutputFile::discard() {
    if (m_reason.isEmpty()) m_reason = m_device->errorString();
    if (m_save) {
        m_save->cancelWriting();
        m_save->commit();
    } else {
        m_direct->close();
    }
}

QString OutputFile::error(const QString& what) const {
    return QString("Cannot write %1 %2: %3").arg(what, m_path, m_reason);
}

QString writeWhole(const QString& path, const QByteArray& bytes, const QString& what) {
    OutputFile out(path);
    if (!out.open()) return out.error(what);
    if (out.device().write(bytes) != bytes.size()) {
        out.discard();
        return out.error(what);
    }
    return out.commit() ? QString() : out.error(what);
}

}  // namespace sheet
