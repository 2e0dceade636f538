#include <gtest/gtest.h>

#include "core/base/Log.h"
#include "core/base/Settings.h"
#include "fakes/FakeSystem.h"
#include "fakes/LogOnFakeDisk.h"

namespace quill::test {

// Starting over when full, and values cut to the system's buffer or at a zero, are proven under
// Wine by tests/e2e/test_settings_engine.py; reads and writes following the user's own file, by
// StartupTest and DispatcherTest.
using LogFile = LogOnFakeDisk;

TEST_F(LogFile, LinesCarryDateTimeTabAndCrLfAndStartBeginsAFreshLog) {
    LogText() = "old run\r\n";
    clock.now = {2006, 5, 7, 4, 3, 2};
    log.WriteLog("START");
    EXPECT_FALSE(files.Exists("C:\\Q\\Quillares.log"));
    log.WriteLog("Quillares: START");
    clock.now = {2026, 12, 31, 23, 59, 59};
    log.WriteLog("START ");  // only the exact text deletes
    EXPECT_EQ(LogText(), "05-07-2006 04:03:02\tQuillares: START\r\n12-31-2026 23:59:59\tSTART \r\n");
}

struct SettingsTest : LogOnFakeDisk {
    FakeTextCodec codec;
    IniEditor ini{files};
    Settings settings{files, codec, log, shared};
    const std::string path = "C:\\Q\\Quillares.ini";
};

TEST_F(SettingsTest, AFileIsParsedOnceAndAChangeOnDiskIsSeenAtTheNextRead) {
    files.files[path] = "[window]\r\ntop=1\r\nleft=2\r\n";
    EXPECT_EQ(settings.ReadIni("window", "top"), "1");
    EXPECT_EQ(settings.ReadIni("window", "left"), "2");
    settings.WriteIni("window", "top", "5");
    EXPECT_EQ(settings.ReadIni("window", "top"), "5");
    EXPECT_EQ(files.reads, 1);
    files.files[path] = "[window]\r\ntop=9\r\n";  // the user, with a text editor
    EXPECT_EQ(settings.ReadIni("window", "top"), "9");
    EXPECT_EQ(settings.ReadIni("window", "left"), "");
}

TEST_F(SettingsTest, WritesInABatchAreSavedOnceAtItsEndAndASingleWriteAtOnce) {
    settings.WriteIni("window", "top", "1");
    EXPECT_EQ(files.replacements, 1);
    {
        SettingsBatch outer(settings);
        settings.WriteIni("contacts", "anna_file", "a.wav");
        {
            SettingsBatch inner(settings);
            settings.WriteIni("contacts", "anna_play", "1");
        }
        EXPECT_EQ(settings.ReadIni("contacts", "anna_file"), "a.wav");
        EXPECT_EQ(files.files[path], "[window]\r\ntop=1\r\n");
    }
    EXPECT_EQ(files.replacements, 2);
    EXPECT_EQ(files.files[path], "[window]\r\ntop=1\r\n[contacts]\r\nanna_file=a.wav\r\nanna_play=1\r\n");
    settings.WriteIni("window", "top", "1");  // unchanged: nothing to save
    EXPECT_EQ(files.replacements, 2);
}

TEST_F(SettingsTest, AFailedSaveIsLoggedAndTheOldFileStays) {
    files.files[path] = "[window]\r\ntop=1\r\n";
    files.locked.insert(path);
    settings.WriteIni("window", "top", "2");
    EXPECT_EQ(files.files[path], "[window]\r\ntop=1\r\n");
    EXPECT_EQ(settings.ReadIni("window", "top"), "1");
    EXPECT_NE(LogText().find("\tQuillares: settings not saved: " + path + "\r\n"),
              std::string::npos);
}

TEST_F(SettingsTest, AnOversizedFileIsNeitherReadNorOverwritten) {
    files.files[path] = "[window]\r\ntop=1\r\n" + std::string(IniFiles::kMaxBytes, ';');
    EXPECT_EQ(settings.ReadIni("window", "top"), "");
    settings.WriteIni("window", "top", "2");
    EXPECT_EQ(files.files[path].size(), IniFiles::kMaxBytes + 17);
    EXPECT_EQ(files.largestRead, 0u);
    EXPECT_EQ(files.replacements, 0);
}

TEST_F(SettingsTest, ALineBreakInAValueCannotAddKeysOrSections) {
    settings.WriteIni("window", "id", "eve\r\n[contacts]\r\nanna_file=C:\\evil.wav");
    EXPECT_EQ(ini.Get("C:\\Q\\Quillares.ini", "window", "id"), "eve  [contacts]  anna_file=C:\\evil.wav");
}

}  // namespace quill::test
