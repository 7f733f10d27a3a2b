#include "sheet/printing.h"

namespace sheet {

QString printSheet(const Sheet& sheet, QPrinter& printer, const DrawOptions& options) {
    // Qt forgets a printer name it does not know, so there may be none to name.
    const QString name =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    const auto failed = [&name](const QString& why) {
        return name.isEmpty() ? QString("Cannot print the sheet: %1").arg(why)
                              : QString("Cannot print the sheet on %1: %2").arg(name, why);
    };
    if (!printer.isValid()) return failed("there is no such printer");
    if (!sheet.title.empty() && printer.docName().isEmpty())
        printer.setDocName(QString::fromStdString(sheet.title));
    QPainter painter;
    if (!painter.begin(&printer))
        return failed(name.isEmpty() ? "no printer is chosen" : "it cannot start a job");
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const int pages = pageCount(sheet, page.size());
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage()) return failed("it refused a new page");
        drawPage(painter, sheet, page, i, options);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return failed("the job failed");
    return {};
}

}  // namespace sheet
