#include "engine/deal/shuffle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "deal/deal_fixture.h"
#include "engine/deal/deal_number.h"

namespace velmora {
namespace {

std::string Joined(const DealBuffer& buffer) {
    std::string text;
    for (const std::string& slot : buffer) text += slot;
    return text;
}

TEST_F(DealTest, DealNumbersAndTheirDigits) {
    for (int i = 0; i < 200; ++i) {
        const std::string number = NewDealNumber(e());
        ASSERT_EQ(number.size(), 13u);
        ASSERT_EQ(number.find_first_not_of("0123456789"), std::string::npos);
        ASSERT_EQ(e().params.ParamRead(param::kDealNumber, 15), number);
    }
    EXPECT_EQ(DealDigits(""), "0000000000000");
    EXPECT_EQ(DealDigits("12a4"), "0000000001204");  // a non-digit reads as 0
    EXPECT_EQ(DealDigits("991234567890123"), "1234567890123");
}

// The sample numbers stand for the deals players get: fixed, 13 digits, a
// product within the two factors' ranges, spread over the leading digits as
// drawn numbers are. Two leading zeros come about once in eighteen draws;
// plain small numbers would have them every time.
TEST(SampleDealNumbers, AreFixedAndSpreadAsDrawnOnes) {
    EXPECT_EQ(SampleDealNumber(7), SampleDealNumber(7));
    EXPECT_NE(SampleDealNumber(7), SampleDealNumber(8));
    std::set<std::string> seen;
    int small = 0;
    for (uint64_t i = 1; i <= 1000; ++i) {
        const std::string number = SampleDealNumber(i);
        ASSERT_EQ(number.size(), 13u);
        ASSERT_EQ(number.find_first_not_of("0123456789"), std::string::npos);
        ASSERT_LE(std::stoll(number), 9'999'998LL * 999'998LL);
        if (number.rfind("00", 0) == 0) ++small;
        seen.insert(number);
    }
    EXPECT_EQ(seen.size(), 1000u);
    EXPECT_GT(small, 20);
    EXPECT_LT(small, 120);
}

TEST(ShuffleParts, FreeSlotsAndRankChoice) {
    const DealBuffer buffer = {"000", "001", "000", "002", "003"};
    EXPECT_EQ(FindFreeSlot(buffer, 3, true), 0);  // nothing after 3: from the front
    EXPECT_EQ(FindFreeSlot(buffer, 99, false), 2);
    EXPECT_EQ(FindFreeSlot({"001", "002"}, 0, true), -1);
    EXPECT_EQ(ChooseRankIndex(5, 2, true), 1);   // digit 0: the last rank left
    EXPECT_EQ(ChooseRankIndex(5, 2, false), 0);  // any other digit: the first
}

// Placements worked out by hand from the digits and the two tables, before
// the full buffers below were pinned. Thirteen zeros draw the ranks in order
// with suit row 0; "1234567890123" starts at slot 262 and its third cycle
// ends with a backward collision (slot 40 taken: 39).
TEST_F(DealTest, HandWorkedPlacements) {
    const std::map<std::string, std::map<int, std::string>> expected = {
        {"0000000000000", {{25, "040"}, {43, "014"}, {4, "027"}, {26, "001"}, {51, "041"}, {0, "002"}, {2, "004"}}},
        {"1234567890123", {{21, "044"}, {40, "031"}, {0, "005"}, {13, "018"}, {48, "010"}, {22, "042"}, {39, "016"}}}};
    for (const auto& [number, slots] : expected) {
        Number(number);
        const DealBuffer buffer = Shuffled();
        for (auto [slot, code] : slots) EXPECT_EQ(buffer[static_cast<size_t>(slot)], code) << number << " " << slot;
    }
    Rules({{43, 1}, {310, 2}});  // jokers first: 262 + 20 and + 19, wrapped by 54
    const DealBuffer jokers = Shuffled();
    EXPECT_EQ(jokers[12] + jokers[31] + jokers[11] + jokers[1], "105106044018");
}

TEST_F(DealTest, GoldenBuffers) {
    struct Golden {
        const char* number;
        int cards, jokers;
        const char* buffer;
    };
    const Golden golden[] = {
        {"0000000000000", 52, 0,
         "002043004020027045029006031036022047050012026025033015008017049011013019035040"
         "001042003044028005030046021010032024007023038052039014048016009018034051037041"},
        {"1234567890123", 52, 0,
         "005014028037035006002043003040023034022018020046045015012038001044042017021011"
         "052026033049050009019013039041030051027016031036008048029032047007010024004025"},
        {"9999999999999", 52, 0,
         "048007004016026030041051027024001050020049008045034031017005009014035042052028"
         "038002012021018010046036032022006043015025037040029039003013023019011047044033"},
        {"3141592653589", 104, 0,
         "042079001057077012022043082023011078080029065034084007026009049040064038070095"
         "050003030028024010054059099004027074044058032083025037013039081062093041073052"
         "085017031087097092089045096102101094015051060021005098066019056046076063088103"
         "061035072055002086006053018069008020016075036090067100068014048091104047071033"},
        {"1234567890123", 52, 2,
         "001018017009042033013039024048019044105041030049008052035027051047016032037007"
         "028004029036031106006025010002014034011022043040005050003020046015026045023021"
         "012038"},
    };
    for (const Golden& g : golden) {
        Number(g.number);
        Rules({{307, g.cards}, {43, g.jokers > 0 ? 1 : 0}, {310, g.jokers}});
        EXPECT_EQ(Joined(Shuffled()), g.buffer) << g.number << " " << g.cards << "+" << g.jokers;
        EXPECT_EQ(Joined(Shuffled()), g.buffer);  // the shuffle keeps no state
    }
}

TEST_F(DealTest, EveryCodeOnceOverManyNumbers) {
    e().random.seed(2024);
    for (auto [cards, jokers] : {std::pair{52, 0}, {104, 0}, {52, 2}, {104, 4}}) {
        Rules({{307, cards}, {43, jokers > 0 ? 1 : 0}, {310, jokers}});
        Codes expected = Range(1, cards);
        for (int j = 1; j <= jokers; ++j) expected.push_back(104 + j);
        for (int i = 0; i < 2000; ++i) {
            NewDealNumber(e());
            Codes codes;
            for (const std::string& slot : Shuffled()) codes.push_back(std::stoi(slot));
            std::sort(codes.begin(), codes.end());
            ASSERT_EQ(codes, expected) << e().params.ParamRead(param::kDealNumber, 15) << " " << cards;
        }
    }
}

TEST_F(DealTest, UnusableCountsAndNumbersNeverBreakTheShuffle) {
    Rules({{307, 60}, {43, 1}, {310, 9}});  // nine jokers do not exist: four
    DealBuffer buffer;
    EXPECT_FALSE(ShuffleDeck(e(), buffer));
    EXPECT_EQ(e().quiet_messages.last, "Error 01 - fnGameNumberCardsArray");
    EXPECT_EQ(std::count(buffer.begin(), buffer.end(), "000"), 60);
    EXPECT_EQ(buffer.size(), 64u);
    for (int cards : {0, -5, 30}) {
        Rules({{307, cards}, {43, 0}});
        EXPECT_TRUE(ShuffleDeck(e(), buffer));
        EXPECT_EQ(buffer.size(), static_cast<size_t>(std::max(cards, 0)));
    }
    Rules({{307, 52}});
    Number("abcdefghijklmno");
    const DealBuffer letters = Shuffled();
    Number("0000000000000");
    EXPECT_EQ(Shuffled(), letters);
}

}  // namespace
}  // namespace velmora
