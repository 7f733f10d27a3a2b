// The settings file: whatever state it is in, the programs start with
// sensible choices and never stop to complain.
#include "ui/qt/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using theory::NameSystem;
using ui::Settings;
using ui::qt::SettingsStore;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class SettingsFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("settings.ini"); }
};

TEST_F(SettingsFile, MissingFileMeansDefaultsAndWritesNothing) {
    const Settings s = SettingsStore(path()).load();
    EXPECT_EQ(s, Settings{});
    EXPECT_FALSE(s.left_handed);
    EXPECT_EQ(s.names, NameSystem::English);
    EXPECT_EQ(s.tuning, "standard");
    EXPECT_TRUE(s.sound);
    EXPECT_FALSE(s.naming);
    EXPECT_FALSE(QFile::exists(path())) << "reading must not create the file";
}

TEST_F(SettingsFile, SavedChoicesComeBack) {
    Settings chosen;
    chosen.left_handed = true;
    chosen.names = NameSystem::Solfege;
    chosen.tuning = "drop-d";
    chosen.sound = false;
    chosen.naming = true;
    ASSERT_TRUE(SettingsStore(path()).save(chosen));
    EXPECT_EQ(SettingsStore(path()).load(), chosen);
    chosen.names = NameSystem::German;
    chosen.left_handed = false;
    ASSERT_TRUE(SettingsStore(path()).save(chosen));
    EXPECT_EQ(SettingsStore(path()).load(), chosen);
}

TEST_F(SettingsFile, UnknownValuesAreIgnoredOneByOne) {
    writeFile(path(),
              "[General]\nleft_handed=true\nnames=klingon\ntuning=open-x\nsound=maybe\n"
              "naming=1\ncolour=green\n");
    Settings expected;
    expected.left_handed = true;
    EXPECT_EQ(SettingsStore(path()).load(), expected);
}

TEST_F(SettingsFile, CorruptedFilesMeanDefaults) {
    const QByteArray cases[] = {
        QByteArray("\x00\xff\xfe\x01garbage\x00\x00", 13),
        "[General\nleft_handed=\"true\nnames",
        "left_handed\nnames\n===\n[]\n",
        QByteArray(100000, '['),
    };
    for (const QByteArray& bytes : cases) {
        writeFile(path(), bytes);
        const Settings s = SettingsStore(path()).load();
        EXPECT_EQ(s.names, NameSystem::English);
        EXPECT_EQ(s.tuning, "standard");
        EXPECT_TRUE(s.sound);
    }
}

TEST_F(SettingsFile, UnreadablePlaceMeansDefaults) {
    // A folder where the file should be cannot be read as settings, not even by root.
    ASSERT_TRUE(QDir(dir.path()).mkdir("settings.ini"));
    EXPECT_EQ(SettingsStore(path()).load(), Settings{});
}

TEST_F(SettingsFile, UnwritablePlaceIsReportedNotFatal) {
    writeFile(dir.filePath("plain-file"), "x");
    Settings chosen;
    chosen.left_handed = true;
    const SettingsStore store(dir.filePath("plain-file/settings.ini"));
    EXPECT_FALSE(store.save(chosen));
    EXPECT_EQ(store.load(), Settings{});
}

TEST(SettingsStoreFile, UserFileIsOneFileForBothPrograms) {
    // Only the name is asked for: the user's file itself is never touched.
    const QString file = SettingsStore::userFile();
    EXPECT_TRUE(file.endsWith("guitar-reference/settings.ini")) << file.toStdString();
}

}  // namespace
