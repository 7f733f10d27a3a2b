// Printing through a real print server: a CUPS of the test's own, in a
// private folder, with one queue that writes PDF (cups-pdf).
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include "sheet/printing.h"
#include "tests/sheet/tools.h"

namespace {

using sheet_tests::run;

// cups-pdf reads its settings from /etc/cups only; the server is started in a
// mount namespace of its own where the test's folder lies over /etc/cups, so
// the machine's own settings are neither read nor changed.
class PrintServer {
public:
    explicit PrintServer(const QString& root) : m_root(root) {
        for (const char* folder : {"etc", "spool", "tmp", "cache", "state", "log", "out", "pdf"})
            QDir(root).mkpath(folder);
        // The filters run as the server's user (lp); the queue's folders are open to it.
        for (const char* folder : {"", "tmp", "out", "pdf"})
            QFile::setPermissions(root + "/" + folder, QFileDevice::Permissions(0x7777));
        write("etc/cups-files.conf",
              "ServerRoot @/etc\nRequestRoot @/spool\nTempDir @/tmp\nCacheDir @/cache\n"
              "StateDir @/state\nAccessLog @/log/access_log\nErrorLog @/log/error_log\n"
              "PageLog @/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
              "FileDevice No\n");
        write("etc/cupsd.conf",
              "Listen @/cups.sock\nLogLevel debug\nBrowsing No\nWebInterface No\n"
              "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
              "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
              "  </Limit>\n</Policy>\n");
        write("etc/cups-pdf.conf",
              "Out @/out\nAnonDirName @/out\nSpool @/pdf\nLog @/log\nLogType 7\nGrp root\n");
        qputenv("CUPS_SERVER", (root + "/cups.sock").toUtf8());
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.setStandardOutputFile(root + "/log/cupsd.out");
        // unshare and sh exec in place: the process is cupsd itself.
        m_server.start(
            "unshare",
            {"--mount", "--propagation", "private", "sh", "-c",
             "mount --bind \"$0/etc\" /etc/cups && exec cupsd -f -c \"$0/etc/cupsd.conf\""
             " -s \"$0/etc/cups-files.conf\"",
             root});
    }
    ~PrintServer() {
        m_server.terminate();
        if (!m_server.waitForFinished(10000)) m_server.kill();
        m_server.waitForFinished(5000);
    }
    // The server answers on its socket.
    bool ready() {
        return until([] { return run("lpstat", {"-r"}).out.contains("is running"); });
    }
    // cups-pdf takes PostScript. Ghostscript, the filters' default converter to it,
    // turns the fonts into Type 3 glyphs without their Unicode names, so that no
    // reader finds the text again; pdftocairo keeps them.
    bool addPdfQueue(const QString& name) {
        const auto added = run("lpadmin", {"-p", name, "-v", "cups-pdf:/", "-P",
                                           "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd", "-o",
                                           "pdftops-renderer-default=pdftocairo", "-E"});
        return added.exitCode == 0;
    }
    // The first PDF the queue wrote, once its job is done and poppler reads it.
    QString printed() {
        QString found;
        until([&] {
            const auto files = QDir(m_root + "/out").entryList({"*.pdf"}, QDir::Files);
            if (files.isEmpty() || !run("lpstat", {"-o"}).out.isEmpty()) return false;
            found = m_root + "/out/" + files.first();
            return run("pdfinfo", {found}).exitCode == 0;
        });
        return found;
    }
    QByteArray log() const { return sheet_tests::readAll(m_root + "/log/error_log"); }

private:
    void write(const QString& name, QString text) {
        sheet_tests::writeAll(m_root + "/" + name, text.replace("@", m_root).toUtf8());
    }
    template <typename Test>
    bool until(Test test) {
        const QDeadlineTimer deadline(120000);
        while (!deadline.hasExpired() && m_server.state() != QProcess::NotRunning) {
            if (test()) return true;
            QThread::msleep(100);
        }
        return false;
    }

    QString m_root;
    QProcess m_server;
};

TEST(Printing, APdfQueueOfARealPrintServerPrintsEveryDiagramInOrder) {
    // cups-pdf's backend is root's alone (mode 0700), and so is the mount namespace.
    ASSERT_EQ(geteuid(), 0u) << "printing through cups-pdf needs root";
    for (const char* tool :
         {"cupsd", "lpadmin", "lpstat", "unshare", "gs", "pdftocairo", "pdfinfo"})
        ASSERT_TRUE(sheet_tests::have(tool)) << tool;
    QTemporaryDir dir;
    PrintServer server(dir.path());
    ASSERT_TRUE(server.ready()) << "the print server did not start:\n"
                                << server.log().toStdString();
    ASSERT_TRUE(server.addPdfQueue("sheet-pdf")) << server.log().toStdString();

    const sheet::Sheet s = sheet_tests::longSheet(30);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName("sheet-pdf");
    ASSERT_TRUE(printer.isValid()) << "Qt does not see the queue";
    ASSERT_EQ(sheet::printSheet(s, printer), QString());

    const QString pdf = server.printed();
    ASSERT_FALSE(pdf.isEmpty()) << "nothing was printed:\n" << server.log().toStdString();
    const auto info = run("pdfinfo", {pdf});
    const QString text = QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"}).out);
    std::size_t next = 0;
    const QRegularExpression name("\\bN(\\d+)\\b");
    for (auto m = name.globalMatch(text); m.hasNext();)
        EXPECT_EQ(m.next().captured(1).toULongLong(), next++);
    EXPECT_EQ(next, s.entries.size()) << text.toStdString();
    const auto pages = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(info.out));
    EXPECT_GE(pages.captured(1).toInt(), 2) << "30 diagrams on one page:\n"
                                            << info.out.toStdString();
}

TEST(Printing, APrinterThatIsNotThereIsSaidSo) {
    QPrinter printer;
    printer.setPrinterName("no-such-printer-here");
    const QString error = sheet::printSheet(sheet_tests::longSheet(3), printer);
    EXPECT_TRUE(error.startsWith("Cannot print the sheet")) << error.toStdString();
    EXPECT_FALSE(error.contains('\n'));
}

}  // namespace
