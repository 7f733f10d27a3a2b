#include "sheet/sheet_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cmath>
#include <optional>

#include "sheet/output_file.h"

namespace sheet {

namespace {

std::optional<int> intOf(const QJsonValue& value, int lowest, int highest) {
    if (!value.isDouble()) return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < lowest || number > highest) return std::nullopt;
    return static_cast<int>(number);
}

bool readSix(const QJsonValue& value, int lowest, int highest, std::array<int, 6>& into) {
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != 6) return false;
    for (int s = 0; s < 6; ++s) {
        const auto number = intOf(array[s], lowest, highest);
        if (!number) return false;
        into[static_cast<std::size_t>(s)] = *number;
    }
    return true;
}

std::optional<Entry> entryOf(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const QJsonValue name = object["name"];
    const auto fret = intOf(object["fret"], 0, kMaxFret);
    Entry entry;
    if (!value.isObject() || !name.isString() || !fret ||
        !readSix(object["frets"], -1, kMaxFret, entry.frets) ||
        !readSix(object["fingers"], 0, 4, entry.fingers))
        return std::nullopt;
    entry.name = name.toString().toStdString();
    entry.fret = *fret;
    if (!isValid(entry)) return std::nullopt;
    return entry;
}

QJsonArray arrayOf(const std::array<int, 6>& six) {
    QJsonArray array;
    for (int v : six) array.append(v);
    return array;
}

// Reads what is valid and lists what is not, in the words of the one message.
Sheet readObject(const QJsonObject& object, QStringList& problems) {
    Sheet sheet;
    const QJsonValue title = object["title"];
    if (!title.isUndefined() &&
        !(title.isString() && sheet.setTitle(title.toString().toStdString())))
        problems << "the title is invalid";
    const QJsonValue perRow = object["perRow"];
    const auto count = intOf(perRow, kMinPerRow, kMaxPerRow);
    if (!perRow.isUndefined() && !(count && sheet.setPerRow(*count)))
        problems << QString("diagrams per row must be %1 to %2").arg(kMinPerRow).arg(kMaxPerRow);
    const QJsonValue entries = object["entries"];
    if (!entries.isUndefined() && !entries.isArray()) problems << "the diagrams are not a list";
    const QJsonArray list = entries.toArray();
    int unreadable = 0, beyond = 0;
    for (const QJsonValue& value : list) {
        const auto entry = entryOf(value);
        if (!entry)
            ++unreadable;
        else if (!sheet.add(*entry))
            ++beyond;
    }
    if (unreadable > 0)
        problems << QString("%1 of %2 diagrams were unreadable and left out")
                        .arg(unreadable)
                        .arg(list.size());
    if (beyond > 0)
        problems << QString("a sheet holds %1 diagrams, the %2 after them were left out")
                        .arg(kMaxEntries)
                        .arg(beyond);
    return sheet;
}

}  // namespace

Loaded parse(const QByteArray& bytes, const QString& name) {
    if (bytes.size() > kMaxFileBytes)
        return {{}, QString("The sheet %1 is too large to be a sheet; nothing was read").arg(name)};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {{},
                QString("The sheet %1 is damaged (%2 at byte %3); nothing was read")
                    .arg(name, error.errorString())
                    .arg(error.offset)};
    if (!document.isObject())
        return {{}, QString("The sheet %1 holds no sheet; nothing was read").arg(name)};
    QStringList problems;
    Loaded loaded{readObject(document.object(), problems), {}};
    if (!problems.isEmpty())
        loaded.message =
            QString("The sheet %1 is partly damaged: %2").arg(name, problems.join("; "));
    return loaded;
}

Loaded load(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return {{},
                QString("The sheet %1 cannot be read: %2")
                    .arg(path, info.isDir() ? "it is a folder" : file.errorString())};
    // One byte past the bound tells a large file from one at the bound, whatever size it claims.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, QString("The sheet %1 cannot be read: %2").arg(path, file.errorString())};
    return parse(bytes, path);
}

QByteArray serialize(const Sheet& sheet) {
    QJsonArray entries;
    for (const Entry& entry : sheet.entries)
        entries.append(QJsonObject{{"name", QString::fromStdString(entry.name)},
                                   {"frets", arrayOf(entry.frets)},
                                   {"fingers", arrayOf(entry.fingers)},
                                   {"fret", entry.fret}});
    const QJsonObject object{{"title", QString::fromStdString(sheet.title)},
                             {"perRow", sheet.perRow},
                             {"entries", entries}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString save(const Sheet& sheet, const QString& path) {
    return writeWhole(path, serialize(sheet), "the sheet");
}

}  // namespace sheet
