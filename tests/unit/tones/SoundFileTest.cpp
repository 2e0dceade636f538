// MP3 and Ogg Vorbis files: their titles and their audio as the player gets it.
#include <gmock/gmock.h>

#include "core/tones/OggVorbisFile.h"
#include "core/tones/TagTitle.h"
#include "tones/ToneDisk.h"
#include "tones/ToneTestBytes.h"

namespace quill::test {
namespace {

TEST(SoundFileTest, TitlesComeFromTheTagsWhateverTheirEncoding) {
    const std::pair<std::string, std::string> cases[] = {
        {MakeId3("Caf\xE9"), "Caf\xC3\xA9"},                                      // Latin-1
        {Tag(3, 0, Frame("TIT2", std::string("\x01\xFF\xFEH\0i\0", 7))), "Hi"},   // UTF-16 with its mark
        {Tag(4, 0, Frame("TIT2", std::string("\x03 One\nTwo \0Second", 17))), "One Two"},  // UTF-8, first value, one line
        {Tag(3, 0, Frame("TPE1", kNul + "Artist") + Frame("TIT2", kNul + "Later")), "Later"},
        {Tag(3, '\x80', Frame("TIT2", kNul + "\xFF" + kNul + "\xE9").replace(7, 1, "\x03")), "\xC3\xBF\xC3\xA9"},  // unsynchronised
        {Tag(3, 0, Frame("TIT2", kNul + "Packed", '\x80')), ""},                 // compressed: the name serves
        {Tag(3, 0, Frame("TIT2", kNul + "Long") + "TIT2\xFF"), "Long"},           // a cut frame after it
        {"ID3\x03\0\0\x80\0\0\0", ""},                                             // no real size
    };
    for (const auto& [tag, title] : cases) EXPECT_EQ(Id3v2Title(tag), title) << tag;
    const auto ogg = ReadVorbisHeaders(MakeOggHeaders("title=Evening\tSong"));
    ASSERT_TRUE(ogg);
    EXPECT_EQ(VorbisTitle(ogg->comments), "Evening Song");
    EXPECT_FALSE(ReadVorbisHeaders("OggS" + std::string(60, '\0')));
}

TEST(SoundFileTest, Mp3FramesReachTheCodecWithoutTheirTableOfContentsOrTrailingTags) {
    ToneDisk d;
    const std::string xing = std::string("\xFF\xFB\x90\x00", 4) + std::string(32, '\0') + "Xing" + std::string(377, '\0');
    d.disk.files["C:\\a.mp3"] = MakeId3("T") + std::string(5, '\0') + xing + MakeMp3Frames(3) + "TAG" + std::string(125, 'x');
    const auto image = d.tones.ExtractAudio("C:\\a.mp3");
    EXPECT_EQ(d.mp3.frames, MakeMp3Frames(3));
    EXPECT_EQ(d.mp3.format.sampleRate * 1000 + d.mp3.format.bitrateKbps, 44100128);
    EXPECT_EQ(image.value_or("").substr(0, 4) + std::to_string(image.value_or("").size()), "RIFF" + std::to_string(44 + 3 * 1152 * 4));
    d.disk.files["C:\\b.mp3"] = MakeId3("T") + "not audio at all";
    EXPECT_FALSE(d.tones.ExtractAudio("C:\\b.mp3") || d.tones.ReadToneTitle("C:\\b.mp3") != "");
    d.mp3.refuse = true;
    EXPECT_FALSE(d.tones.ExtractAudio("C:\\a.mp3"));
}

}  // namespace
}  // namespace quill::test
