#include "generator/Names.h"

#include <array>

namespace korvel::gen {
namespace {

using namespace std::string_view_literals;

constexpr std::array kCities{
    City{"Halifax", "HAL"},    City{"Quebec", "QUE"},     City{"Hamilton", "HAM"},
    City{"Winnipeg", "WPG"},   City{"Saskatoon", "SAS"},  City{"Regina", "REG"},
    City{"Victoria", "VIC"},   City{"Kelowna", "KEL"},    City{"Moncton", "MON"},
    City{"Sudbury", "SUD"},    City{"Portland", "POR"},   City{"Spokane", "SPO"},
    City{"Omaha", "OMA"},      City{"Tulsa", "TUL"},      City{"Anchorage", "ANC"},
    City{"Milwaukee", "MIL"},  City{"Cleveland", "CLE"},  City{"Baltimore", "BAL"},
    City{"Hartford", "HAR"},   City{"Providence", "PRO"}, City{"Rochester", "ROC"},
    City{"Syracuse", "SYR"},   City{"Albany", "ALB"},     City{"Richmond", "RIC"},
    City{"Memphis", "MEM"},    City{"Louisville", "LOU"}, City{"Cincinnati", "CIN"},
    City{"Sacramento", "SAC"}, City{"Fresno", "FRE"},     City{"Boise", "BOI"},
    City{"Des Moines", "DSM"}, City{"Wichita", "WIC"},    City{"El Paso", "ELP"},
    City{"Tucson", "TUC"},     City{"Oklahoma", "OKL"},   City{"Knoxville", "KNO"},
    City{"Savannah", "SAV"},   City{"Norfolk", "NOR"},    City{"Charleston", "CHA"},
    City{"Lexington", "LEX"},  City{"Madison", "MAD"},    City{"Duluth", "DUL"},
    City{"Fargo", "FAR"},      City{"Billings", "BIL"},   City{"Reno", "REN"},
    City{"Laredo", "LAR"},     City{"Erie", "ERI"},       City{"Toledo", "TOL"},
    City{"Trenton", "TRE"},    City{"Kingston", "KIN"},
};
static_assert(kCities.size() == 50);

constexpr std::array kCanadianFirst{
    "Connor"sv,   "Tyler"sv,    "Ryan"sv,    "Brett"sv,   "Jordan"sv, "Scott"sv,
    "Mark"sv,     "Kevin"sv,    "Dylan"sv,   "Cole"sv,    "Shane"sv,  "Wade"sv,
    "Jean-Luc"sv, "Frédéric"sv, "Mathieu"sv, "Étienne"sv, "Jérôme"sv, "Sébastien"sv,
    "Benoît"sv,   "Luc"sv,      "Maxime"sv,  "Curtis"sv,  "Darryl"sv, "Travis"sv,
    "Logan"sv,    "Brandon"sv,  "Derek"sv,   "Gaétan"sv,  "Rémi"sv,   "Hugo"sv,
};
constexpr std::array kCanadianLast{
    "MacDonald"sv, "Campbell"sv,  "Fraser"sv,    "Gagné"sv,     "Bélanger"sv,  "Lévesque"sv,
    "Côté"sv,      "Tremblay"sv,  "Bouchard"sv,  "Pelletier"sv, "Morrison"sv,  "Sinclair"sv,
    "Henderson"sv, "McKenzie"sv,  "Robertson"sv, "Lachance"sv,  "Thériault"sv, "Desjardins"sv,
    "Ouellet"sv,   "Kowalchuk"sv, "Boucher"sv,   "Chiasson"sv,  "Gauthier"sv,  "Bergeron"sv,
    "Paquette"sv,  "Cormier"sv,   "Stewart"sv,   "MacLeod"sv,   "Gillis"sv,    "Hébert"sv,
};
constexpr std::array kAmericanFirst{
    "Jack"sv,   "Matt"sv, "Chris"sv, "Brian"sv, "Mike"sv,   "Kyle"sv, "Nick"sv,  "Zach"sv,
    "Trevor"sv, "Adam"sv, "Jake"sv,  "Sean"sv,  "Tom"sv,    "Eric"sv, "Ben"sv,   "Joe"sv,
    "Tony"sv,   "Pat"sv,  "Danny"sv, "Alex"sv,  "Justin"sv, "Cody"sv, "Brady"sv, "Hunter"sv,
};
constexpr std::array kAmericanLast{
    "Miller"sv,  "Johnson"sv,  "O'Brien"sv,  "Sullivan"sv,   "Walsh"sv,      "Anderson"sv,
    "Carlson"sv, "Peterson"sv, "Murphy"sv,   "Donovan"sv,    "Fitzgerald"sv, "Hayes"sv,
    "Barrett"sv, "Kowalski"sv, "Thompson"sv, "Reynolds"sv,   "Brennan"sv,    "Gallagher"sv,
    "Dempsey"sv, "Carter"sv,   "Foley"sv,    "Harrington"sv, "Nolan"sv,      "Mahoney"sv,
};
constexpr std::array kSwedishFirst{
    "Björn"sv,  "Göran"sv,   "Mårten"sv, "Henrik"sv, "Niklas"sv,  "Anders"sv,
    "Erik"sv,   "Jonas"sv,   "Oskar"sv,  "Pär"sv,    "Mattias"sv, "Linus"sv,
    "Magnus"sv, "Fredrik"sv, "Johan"sv,  "Viktor"sv, "Håkan"sv,   "Ulf"sv,
};
constexpr std::array kSwedishLast{
    "Öberg"sv,    "Åström"sv,   "Sjögren"sv,   "Lindén"sv,    "Lindqvist"sv, "Johansson"sv,
    "Karlsson"sv, "Nyström"sv,  "Wallin"sv,    "Bergström"sv, "Hedlund"sv,   "Söderberg"sv,
    "Ekström"sv,  "Holmgren"sv, "Lundqvist"sv, "Dahlén"sv,    "Sandberg"sv,  "Engström"sv,
};
constexpr std::array kFinnishFirst{
    "Jukka"sv, "Mikko"sv, "Antti"sv, "Ville"sv, "Janne"sv, "Petri"sv, "Sami"sv,  "Tuomas"sv,
    "Jyrki"sv, "Ossi"sv,  "Kalle"sv, "Lauri"sv, "Eero"sv,  "Veli"sv,  "Hannu"sv, "Timo"sv,
};
constexpr std::array kFinnishLast{
    "Mäkinen"sv,   "Hämäläinen"sv, "Törmä"sv,     "Väänänen"sv, "Virtanen"sv,   "Korhonen"sv,
    "Nieminen"sv,  "Lehtonen"sv,   "Heikkinen"sv, "Järvinen"sv, "Kärkkäinen"sv, "Salminen"sv,
    "Laaksonen"sv, "Hyvönen"sv,    "Mäkelä"sv,    "Rantanen"sv, "Koskinen"sv,   "Pöyhönen"sv,
};
constexpr std::array kRussianFirst{
    "Dmitri"sv, "Sergei"sv,   "Alexei"sv,  "Nikolai"sv, "Pavel"sv, "Andrei"sv,
    "Igor"sv,   "Vladimir"sv, "Yevgeni"sv, "Maxim"sv,   "Oleg"sv,  "Ilya"sv,
    "Roman"sv,  "Artyom"sv,   "Kirill"sv,  "Boris"sv,
};
constexpr std::array kRussianLast{
    "Ivanov"sv,    "Petrov"sv,   "Volkov"sv,  "Morozov"sv, "Sokolov"sv, "Lebedev"sv,
    "Kuznetsov"sv, "Popov"sv,    "Zaitsev"sv, "Orlov"sv,   "Belov"sv,   "Gusev"sv,
    "Smirnov"sv,   "Vasiliev"sv, "Nikitin"sv, "Golubev"sv, "Yegorov"sv, "Lavrov"sv,
};
constexpr std::array kCzechFirst{
    "Tomáš"sv,  "Lukáš"sv,   "Jan"sv,   "Petr"sv,   "Jakub"sv, "Radek"sv,  "Milan"sv,
    "Václav"sv, "Jaromír"sv, "Josef"sv, "Martin"sv, "Karel"sv, "Zdenek"sv, "Aleš"sv,
};
constexpr std::array kCzechLast{
    "Novák"sv,    "Procházka"sv, "Šimek"sv,  "Žák"sv,    "Horák"sv, "Veselý"sv,
    "Pospíšil"sv, "Beneš"sv,     "Fiala"sv,  "Sedlák"sv, "Zeman"sv, "Doležal"sv,
    "Kadlec"sv,   "Vávra"sv,     "Bartoš"sv, "Holub"sv,
};
constexpr std::array kSlovakFirst{
    "Marián"sv, "Peter"sv,  "Miroslav"sv, "Róbert"sv, "Ján"sv,
    "Juraj"sv,  "Michal"sv, "Tibor"sv,    "Štefan"sv, "Pavol"sv,
};
constexpr std::array kSlovakLast{
    "Šulek"sv, "Hudák"sv, "Baláž"sv,  "Šimko"sv, "Oravec"sv, "Gajdoš"sv,
    "Mráz"sv,  "Žilka"sv, "Kollár"sv, "Tóth"sv,  "Bielik"sv, "Kubiš"sv,
};
constexpr std::array kGermanFirst{
    "Jürgen"sv, "Uwe"sv,  "Stefan"sv, "Dieter"sv,  "Tobias"sv,
    "Lars"sv,   "Jörg"sv, "Markus"sv, "Florian"sv, "Sven"sv,
};
constexpr std::array kGermanLast{
    "Müller"sv,   "Schröder"sv, "Böhm"sv,   "Weiß"sv,   "Krüger"sv,
    "Hoffmann"sv, "Schäfer"sv,  "Köhler"sv, "Becker"sv, "Wagner"sv,
};

const std::array kNations{
    Nation{"CAN", 34, kCanadianFirst, kCanadianLast},
    Nation{"USA", 20, kAmericanFirst, kAmericanLast},
    Nation{"SWE", 12, kSwedishFirst, kSwedishLast},
    Nation{"FIN", 10, kFinnishFirst, kFinnishLast},
    Nation{"RUS", 9, kRussianFirst, kRussianLast},
    Nation{"CZE", 8, kCzechFirst, kCzechLast},
    Nation{"SVK", 4, kSlovakFirst, kSlovakLast},
    Nation{"GER", 3, kGermanFirst, kGermanLast},
};

constexpr std::array kLeagueNames{
    "Continental Hockey League"sv, "Northern Hockey League"sv,  "Frontier Hockey League"sv,
    "Great Lakes Hockey League"sv, "Heartland Hockey League"sv, "Coastal Hockey League"sv,
};

constexpr std::array kArenaSuffixes{
    "Arena"sv, "Coliseum"sv,   "Gardens"sv,        "Centre"sv,
    "Forum"sv, "Ice Palace"sv, "Memorial Arena"sv, "Civic Centre"sv,
};

constexpr std::array kPasswordWords{
    "puck"sv,    "icing"sv,    "slapshot"sv,   "faceoff"sv,   "hattrick"sv,
    "crease"sv,  "blueline"sv, "penaltybox"sv, "breakaway"sv, "wristshot"sv,
    "deke"sv,    "onetimer"sv, "backcheck"sv,  "forecheck"sv, "powerplay"sv,
    "shutout"sv, "overtime"sv, "goalpost"sv,   "netminder"sv, "rebound"sv,
    "glove"sv,   "blocker"sv,  "boards"sv,     "sinbin"sv,    "bodycheck"sv,
};

constexpr std::array kConferenceNames{
    "Eastern"sv, "Western"sv, "Northern"sv, "Southern"sv, "Atlantic"sv, "Pacific"sv,
};

constexpr std::array kDivisionNames{
    "Northeast"sv, "Atlantic"sv, "Central"sv, "Pacific"sv,   // Eastern, Western
    "Lakes"sv,     "Coastal"sv,  "Prairie"sv, "Mountain"sv,  // Northern, Southern
    "Harbour"sv,   "Valley"sv,   "Plains"sv,  "Frontier"sv,  // Atlantic, Pacific
};
static_assert(kDivisionNames.size() == 2 * kConferenceNames.size());

}  // namespace

std::span<const City> Cities() {
    return kCities;
}
std::span<const Nation> Nations() {
    return kNations;
}
std::span<const std::string_view> LeagueNames() {
    return kLeagueNames;
}
std::span<const std::string_view> ArenaSuffixes() {
    return kArenaSuffixes;
}
std::span<const std::string_view> PasswordWords() {
    return kPasswordWords;
}
std::span<const std::string_view> ConferenceNames() {
    return kConferenceNames;
}
std::span<const std::string_view> DivisionNames() {
    return kDivisionNames;
}

}  // namespace korvel::gen
