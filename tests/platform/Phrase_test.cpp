#include "platform/Phrase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {
namespace {

// The English a sentence shows is the source with its places filled: the core and the command
// line show exactly this, so it must stay the text the windows always showed.
TEST(Phrase, EnglishFillsPlacesAndTheCountAsTheSentenceWasWritten) {
    struct Case {
        Phrase Sentence;
        std::string English;
    };
    const std::vector<Case> cases = {
        {KORVEL_PHRASE("T", "Roster of the %1").With({"Oslo"}), "Roster of the Oslo"},
        {KORVEL_PHRASE("T", "Swap %1 and %2").With({"Line 1 C", "Line 2 LW"}),
         "Swap Line 1 C and Line 2 LW"},
        {KORVEL_PHRASE("T", "%2 before %1").With({"a", "b"}), "b before a"},
        {KORVEL_PHRASE("T", "The lines were not saved.\n%1").With({"x: full"}),
         "The lines were not saved.\nx: full"},
        // A place given no argument is left empty; %n without a count stays as written.
        {KORVEL_PHRASE("T", "Missing: %1"), "Missing: "},
        {KORVEL_PHRASE("T", "100%n"), "100%n"},
        // "(s)" is the English plural: dropped for one, "s" otherwise, zero included.
        {KORVEL_PLURAL("T", "%n player(s)").Counting(1), "1 player"},
        {KORVEL_PLURAL("T", "%n player(s)").Counting(0), "0 players"},
        {KORVEL_PLURAL("T", "%n player(s) too many").Counting(12), "12 players too many"},
        // A source without "(s)" keeps its English for every count.
        {KORVEL_PLURAL("T", "%n Total Players").Counting(1), "1 Total Players"},
        {KORVEL_PLURAL("T", "%n players are dressed; a game roster has %1.")
             .With({"20"})
             .Counting(19),
         "19 players are dressed; a game roster has 20."},
        // An argument is put in as it is, places in it included.
        {KORVEL_PHRASE("T", "Undo %1").With({"Put %1 in %2"}), "Undo Put %1 in %2"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.Sentence.English(), c.English) << c.Sentence.Source;
}

TEST(Phrase, ASentenceShownIsRecalledByItsEnglishWithItsPlaces) {
    const std::string shown =
        KORVEL_PHRASE("Roster", "Move %1 to %2").With({"Ola Berg", "Farm Roster"}).English();
    const auto recalled = RecalledPhrase(shown);
    ASSERT_TRUE(recalled.has_value());
    EXPECT_STREQ(recalled->Context, "Roster");
    EXPECT_STREQ(recalled->Source, "Move %1 to %2");
    EXPECT_EQ(recalled->Args, (std::vector<std::string>{"Ola Berg", "Farm Roster"}));
    EXPECT_EQ(recalled->Count, -1);

    const std::string counted = KORVEL_PLURAL("Roster", "%n players").Counting(4).English();
    ASSERT_TRUE(RecalledPhrase(counted).has_value());
    EXPECT_EQ(RecalledPhrase(counted)->Count, 4);

    // Texts no sentence built (names from the league's files, fixed texts) are not recalled.
    EXPECT_FALSE(RecalledPhrase("Ola Berg").has_value());
    EXPECT_FALSE(RecalledPhrase(KORVEL_TEXT("Roster", "Scratches")).has_value());
}

TEST(Phrase, OnlyTheLatestSentencesAreKeptSoMemoryStaysBounded) {
    const std::string first = KORVEL_PHRASE("T", "first %1").With({"shown"}).English();
    for (int i = 0; i < 5000; ++i) {
        KORVEL_PHRASE("T", "step %1").With({std::to_string(i)}).English();
    }
    EXPECT_FALSE(RecalledPhrase(first).has_value());
    EXPECT_TRUE(RecalledPhrase("step 4999").has_value());
}

}  // namespace
}  // namespace korvel
