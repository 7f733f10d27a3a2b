#pragma once

#include <QLocale>
#include <QPageSize>
#include <QString>
#include <optional>

#include "sheet/drawing.h"
#include "sheet/sheet.h"

namespace sheet {

enum class Format { Pdf, Svg, Png, ChordPro };

// By the file's extension, in any case; none for any other.
std::optional<Format> formatOf(const QString& path);

// A4, or Letter where the locale measures in inches.
QPageSize pageSizeFor(const QLocale& locale);

inline constexpr int kPngDotsPerInch = 300;
inline constexpr double kMarginMillimetres = 12.0;

struct ExportOptions {
    DrawOptions drawing;
    QPageSize pageSize = pageSizeFor(QLocale());
};

// A picture holds one page: page 1 goes to `path`, page N to "name-N.ext" beside it.
QString pageFileName(const QString& path, int page);

// Writes the sheet in the format its extension names: empty on success, else
// one line naming the file. The sheet itself is never changed.
QString exportSheet(const Sheet& sheet, const QString& path, const ExportOptions& options = {});

}  // namespace sheet
