#include <gtest/gtest.h>

#include "core/base/Log.h"
#include "core/base/Settings.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeSystem.h"
#include "fakes/IniEditor.h"
#include "fakes/LogOnFakeDisk.h"
#include "tones/ReadWatchingFiles.h"

namespace quill::test {

using LogFile = LogOnFakeDisk;

TEST_F(LogFile, LinesCarryDateTimeTabAndCrLf) {
    clock.now = {2006, 5, 7, 4, 3, 2};
    log.WriteLog("Quillares: START");
    clock.now = {2026, 12, 31, 23, 59, 59};
    log.WriteLog("Skype: PONG x");
    EXPECT_EQ(LogText(),
              "05-07-2006 04:03:02\tQuillares: START\r\n12-31-2026 23:59:59\tSkype: PONG x\r\n");
}

TEST_F(LogFile, ARunThatLogsTooMuchStartsTheLogOver) {
    const std::string text(1000, 'x');
    const auto line = Log::FormatLine(clock.now, text).size();
    for (std::uint64_t i = 0; i <= Log::kMaxBytes / line; ++i) log.WriteLog(text);
    const std::string& file = LogText();
    EXPECT_LE(file.size(), Log::kMaxBytes);
    EXPECT_EQ(file.substr(20, file.find('\r') - 20), "Quillares: log started over, it had reached 8388608 bytes");
    EXPECT_EQ(file.size(), Log::FormatLine(clock.now, "Quillares: log started over, it had reached 8388608 bytes").size() + line);
}

TEST_F(LogFile, StartDeletesTheLogAndTheNextLineStartsAFreshOne) {
    LogText() = "old run\r\n";
    log.WriteLog("START");
    EXPECT_FALSE(files.Exists("C:\\Q\\Quillares.log"));
    log.WriteLog("START ");  // only the exact text deletes
    EXPECT_NE(LogText().find("\tSTART \r\n"), std::string::npos);
}

struct SettingsTest : ::testing::Test {
    ReadWatchingFiles files;
    FakeClock clock;
    FakeTextCodec codec;
    IniEditor ini{files};
    Shared shared{.ProgramFolder = "C:\\Q\\", .IniName = "Quillares.ini"};
    Log log{files, clock, shared};
    Settings settings{files, codec, log, shared};
    const std::string path = "C:\\Q\\Quillares.ini";
};

TEST_F(SettingsTest, ReadsFollowTheCurrentFileAndMissingKeysAreEmpty) {
    ini.Set(path, "wav", "default", "wav\\main.wav");
    ini.Set("C:\\Q\\anna.ini", "wav", "default", "wav\\anna.wav");
    EXPECT_EQ(settings.ReadIni("wav", "default"), "wav\\main.wav");
    shared.IniName = "anna.ini";
    EXPECT_EQ(settings.ReadIni("wav", "default"), "wav\\anna.wav");
    EXPECT_EQ(settings.ReadIni("wav", "nothing"), "");
    settings.WriteIni("window", "top", "300");
    EXPECT_EQ(ini.Get("C:\\Q\\anna.ini", "window", "top"), "300");
    EXPECT_EQ(settings.ReadIniFile("Quillares.ini", "wav", "default"), "wav\\main.wav");
}

TEST_F(SettingsTest, LongValuesAreCutToTheBufferAndAtTheirFirstZero) {
    ini.Set(path, "window", "web", std::string(600, 'x'));
    EXPECT_EQ(settings.ReadIni("window", "web"), std::string(511, 'x'));
    ini.Set(path, "window", "web", std::string("abc\0def", 7));
    EXPECT_EQ(settings.ReadIni("window", "web"), "abc");
}

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
    EXPECT_NE(files.files["C:\\Q\\Quillares.log"].find("\tQuillares: settings not saved: " + path + "\r\n"),
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
