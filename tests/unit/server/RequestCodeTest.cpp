#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/server/RequestCode.h"

namespace quill::test {
namespace {

std::string Code(int value) { return CodeTable()[value]; }

TEST(RequestCode, AlphabetIsSixteenDistinctCapitals) {
    const std::string letters = CodeLetters();
    ASSERT_EQ(letters.size(), 16u);
    EXPECT_EQ(std::set<char>(letters.begin(), letters.end()).size(), 16u);
    for (char c : letters) EXPECT_TRUE(c >= 'A' && c <= 'Z') << c;
    // "A" at position 1 is 66 = 4 * 16 + 2.
    EXPECT_EQ(EncodeRequest("A"), (std::string{letters[4], letters[2]}));
}

TEST(RequestCode, OffsetCyclesThroughThirtyOneValuesAndWraps) {
    const std::string encoded = EncodeRequest(std::string(32, 'A'));
    ASSERT_EQ(encoded.size(), 64u);
    EXPECT_EQ(encoded.substr(2 * 29, 2), Code(65 + 30));
    EXPECT_EQ(encoded.substr(2 * 30, 2), Code(65));  // 31st: offset 0
    EXPECT_EQ(encoded.substr(2 * 31, 2), Code(66));
    // Code 250 at position 10 is 260, which wraps to 4.
    EXPECT_EQ(EncodeRequest(std::string(9, 'x') + "\xFA").substr(18), Code(4));
}

TEST(RequestCode, LeadBlanksStandBeforeTheTagAndStayWithinNine) {
    EXPECT_EQ(RequestText(3, {"anna", "GetHeader"}), "   QTAG~anna~GetHeader~");
    EXPECT_EQ(RequestText(0, {"en16", "16", "Hi"}), "QTAG~en16~16~Hi~");
    EXPECT_EQ(RequestText(12, {"x"}), std::string(9, ' ') + "QTAG~x~");
    EXPECT_EQ(RequestText(-1, {"x"}), "QTAG~x~");
}

TEST(RequestCode, RateFollowsTheLastTwoCharactersOfTheVoice) {
    for (auto [voice, rate] : {std::pair{"en+m3-16", "16"}, {"16", "16"}, {"en-8", "8"},
                               {"x08", "8"}, {"x22", "8"}, {"6", "8"}, {"", "8"}})
        EXPECT_EQ(RateForVoice(voice), rate) << voice;
}

TEST(RequestCode, DecoderRejectsMalformedRequestsWithAReason) {
    const std::string good = EncodeRequest(RequestText(2, {"anna", "GetHeader"}));
    struct Case {
        std::string encoded;
        const char* error;
    } cases[] = {
        {good.substr(1), "odd number of code letters"},
        {good.substr(0, 6) + "aa" + good.substr(8), "a letter outside the code"},
        {good.substr(0, 6) + "QQ" + good.substr(8), "a letter outside the code"},
        {EncodeRequest("QTAX~anna~GetHeader~"), "no request tag"},
        {EncodeRequest(std::string(10, ' ') + "QTAG~anna~GetHeader~"), "no request tag"},
        {EncodeRequest("~QTAG~anna~GetHeader~"), "no request tag"},
        {"", "no request tag"},
        {EncodeRequest("QTAG~anna~GetHeader"), "the last field is not closed"},
        {EncodeRequest("QTAG~"), "the last field is not closed"},
        {EncodeRequest("QTAG~GetHeader~"), "too few fields"},
    };
    for (const auto& c : cases) {
        const DecodedRequest r = DecodeRequest(c.encoded, 2);
        EXPECT_EQ(r.error, c.error) << c.encoded;
        EXPECT_TRUE(r.fields.empty()) << c.encoded;
    }
}

TEST(RequestCode, RandomRequestsSurviveTheRoundTrip) {
    std::mt19937 rng(20240601);
    auto bytes = [&](std::size_t n, bool tildes) {
        std::string s;
        while (s.size() < n) {
            const char c = static_cast<char>(rng() % 256);
            if (tildes || c != kFieldSeparator) s += c;
        }
        return s;
    };
    for (int i = 0; i < 2000; ++i) {
        const std::string voice = bytes(rng() % 12, false);
        const std::string rate = RateForVoice(voice);
        const std::string text = bytes(rng() % 600, true);  // the last field may hold "~"
        const int blanks = static_cast<int>(rng() % 10);
        const std::string encoded = EncodeRequest(RequestText(blanks, {voice, rate, text}));
        ASSERT_EQ(encoded.size(), 2 * (blanks + 5 + voice.size() + rate.size() + text.size() + 3));
        const DecodedRequest r = DecodeRequest(encoded, 3);
        ASSERT_EQ(r.error, "");
        ASSERT_EQ(r.fields, (std::vector<std::string>{voice, rate, text}));
    }
}

}  // namespace
}  // namespace quill::test
