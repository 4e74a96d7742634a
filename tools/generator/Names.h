#pragma once

// The generator's name tables. Texts are UTF-8 here and converted to Windows-1252 when a record
// is filled.

#include <span>
#include <string_view>

namespace korvel::gen {

struct City {
    std::string_view Name;    // at most 10 characters, plain ASCII
    std::string_view Abbrev;  // 3 letters, unique among the cities
};

struct Nation {
    std::string_view Birthplace;  // three letters
    int Weight;                   // share of the league's players
    std::span<const std::string_view> FirstNames;
    std::span<const std::string_view> LastNames;
};

std::span<const City> Cities();  // 50 cities
std::span<const Nation> Nations();
std::span<const std::string_view> LeagueNames();      // at most 25 characters
std::span<const std::string_view> ArenaSuffixes();    // "Arena", "Coliseum"...
std::span<const std::string_view> PasswordWords();    // at most 10 characters
std::span<const std::string_view> ConferenceNames();  // pairs: conference 0, conference 1
std::span<const std::string_view> DivisionNames();    // per conference pair: 4 names

}  // namespace korvel::gen
