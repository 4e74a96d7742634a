// The windows in the desktop's language: the shipped translations are complete and keep every
// place of their sentences, a French desktop sees no English in the main window's menus nor in the
// roster window, and an English desktop sees exactly the texts it always saw.

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gui/GuiTest.h"
#include "gui/Palettes.h"
#include "league/LeagueFiles.h"
#include "platform/Phrase.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/Translate.h"
#include "session/LinePlaces.h"
#include "session/TeamSession.h"
#include "support/TempFolder.h"
#include "windows/lines/qt/LinesForm.h"
#include "windows/main/Main.h"
#include "windows/main/qt/MainForm.h"
#include "windows/roster/qt/RosterForm.h"
#include "windows/roster/qt/RosterTable.h"

namespace korvel::test {
namespace {

namespace fs = std::filesystem;

const QString kCompiled = KORVEL_TRANSLATIONS_DIR;    // the .qm files the build made
const QString kSources = KORVEL_TRANSLATION_SOURCES;  // the .ts files translators edit
const std::vector<QString> kLanguages = {"fr", "de", "sv", "fi", "cs"};

// Puts back the English desktop whatever a test installed.
class TranslationsTest : public ::testing::Test {
  protected:
    void TearDown() override { qt::InstallTranslations(QLocale(QLocale::English)); }
};

// The places of a text: %1..%9 and %n, each counted.
std::multiset<QString> Places(const QString& text) {
    static const QRegularExpression place("%[1-9n]");
    std::multiset<QString> found;
    for (const auto& match : place.globalMatch(text)) found.insert(match.captured());
    return found;
}

struct Entry {
    QString Context;
    QString Source;
    bool Numerus = false;
    bool Unfinished = false;
    std::vector<QString> Forms;  // the translation, or one per plural form
};

std::vector<Entry> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Entry> entries;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            entries.push_back({context, {}, xml.attributes().value("numerus") == u"yes", false, {}});
        } else if (name == u"source") {
            entries.back().Source = xml.readElementText();
        } else if (name == u"translation") {
            const auto type = xml.attributes().value("type");
            entries.back().Unfinished = type == u"unfinished";
            if (type == u"vanished" || type == u"obsolete") {
                entries.pop_back();
                xml.skipCurrentElement();
            } else if (!entries.back().Numerus) {
                entries.back().Forms.push_back(xml.readElementText());
            }
        } else if (name == u"numerusform") {
            entries.back().Forms.push_back(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

TEST_F(TranslationsTest, EveryLanguageTranslatesEveryTextKeepingItsPlacesAndAltLetter) {
    for (const QString& language : kLanguages) {
        const std::vector<Entry> entries = ReadTs(kSources + "/korvel_" + language + ".ts");
        ASSERT_GT(entries.size(), 300u) << language.toStdString();
        for (const Entry& entry : entries) {
            const std::string where = language.toStdString() + " " + entry.Context.toStdString() +
                                      ": " + entry.Source.toStdString();
            EXPECT_FALSE(entry.Unfinished) << where;
            // Czech has three plural forms, the others two.
            const std::size_t forms = !entry.Numerus ? 1 : language == "cs" ? 3 : 2;
            EXPECT_EQ(entry.Forms.size(), forms) << where;
            for (const QString& form : entry.Forms) {
                EXPECT_FALSE(form.trimmed().isEmpty()) << where;
                EXPECT_EQ(Places(form), Places(entry.Source))
                    << where << " -> " << form.toStdString();
                // A caption with an Alt letter keeps one.
                EXPECT_EQ(entry.Source.count('&') > 0, form.count('&') > 0) << where;
            }
        }
    }
}

// Sentences the core builds reach the window whole, in the language's own order and plurals.
TEST_F(TranslationsTest, SentencesOfTheCoreAreTranslatedWholeWithTheirPlacesAndPlurals) {
    struct Case {
        const char* Language;
        Phrase Sentence;
        const char* Shown;
    };
    const std::vector<Case> cases = {
        {"fr", KORVEL_PHRASE("Roster", "Roster of the %1").With({"Québec"}), "Effectif : Québec"},
        {"fr", KORVEL_PHRASE("TeamSession", "Put %1 on waivers?").With({"Ola Berg"}),
         "Soumettre Ola Berg au ballottage ?"},
        // The places hold sentences and texts of their own, translated in their turn.
        {"de", KORVEL_PHRASE("TeamSession", "Swap %1 and %2").With({PlaceName(0, 0), PlaceName(1, 1)}),
         "Reihe 1 C und Reihe 2 LW tauschen"},
        {"fi", KORVEL_PHRASE("TeamSession", "Put %1 in %2").With({"Ola Berg", PlaceName(12, 0)}),
         "Aseta Ola Berg paikalle Maalivahti"},
        {"cs", KORVEL_PLURAL("Roster", "%n players").Counting(1), "1 hráč"},
        {"cs", KORVEL_PLURAL("Roster", "%n players").Counting(3), "3 hráči"},
        {"cs", KORVEL_PLURAL("Roster", "%n players").Counting(7), "7 hráčů"},
        {"fi", KORVEL_PLURAL("PlayerInfo", "Suspended %n games").Counting(1),
         "Pelikiellossa 1 ottelu"},
        {"sv", KORVEL_PLURAL("League", "%n player(s) too many").Counting(2),
         "2 spelare för mycket"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(qt::InstallTranslations(QLocale(c.Language), kCompiled)) << c.Language;
        // The Qt layer gets the English text only, as a control's caption holds it.
        EXPECT_EQ(qt::Translated(c.Sentence.English()), QString::fromUtf8(c.Shown)) << c.Language;
    }
    // A sentence in the place of another is translated too: "Undo" of a step.
    ASSERT_TRUE(qt::InstallTranslations(QLocale("fr"), kCompiled));
    const std::string step = KORVEL_PHRASE("TeamSession", "Dress %1").With({"Ola Berg"}).English();
    EXPECT_EQ(qt::Translated(KORVEL_PHRASE("Roster", "Undo %1").With({step}).English()),
              "Annuler : Habiller Ola Berg");
    // A sentence broken into lines for a list is translated whole and broken again as wide.
    const std::string waiver =
        KORVEL_PHRASE("TeamSession", "Put %1 on waivers?").With({"Ola Berg"}).English();
    const QString rewrapped = qt::Translated("Put Ola Berg on\n  waivers?");
    EXPECT_EQ(QString(rewrapped).replace("\n  ", " "), "Soumettre Ola Berg au ballottage ?");
    for (const QString& line : rewrapped.split('\n')) EXPECT_LE(line.size(), 17) << waiver;
    // Names from the league's files are no texts of the program: they show as they are.
    EXPECT_EQ(qt::Translated("Ola Berg"), "Ola Berg");
    // Qt's own standard buttons speak the same language.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
}

TEST_F(TranslationsTest, AnEnglishDesktopLoadsNoTranslationAndSeesTheTextsAsWritten) {
    EXPECT_FALSE(qt::InstallTranslations(QLocale("en_US"), kCompiled));
    EXPECT_EQ(qt::Translated("Set Game Roster"), "Set Game Roster");
    const std::string sentence = KORVEL_PLURAL("Roster", "%n Total Players").Counting(1).English();
    EXPECT_EQ(sentence, "1 Total Players");
    EXPECT_EQ(qt::Translated(sentence), "1 Total Players");
    // A language Korvel has no translation for is English too.
    EXPECT_FALSE(qt::InstallTranslations(QLocale("ja_JP"), kCompiled));
    EXPECT_EQ(qt::Translated("Scratches"), "Scratches");
}

// What a window shows as text, keyed by where it shows it: menus and their items, labels, buttons
// and table headers.
using Shown = std::vector<std::pair<std::string, QString>>;

void AddMenus(QMenuBar& bar, Shown& shown) {
    for (QAction* menuAction : bar.actions()) {
        shown.push_back({"menu", menuAction->text()});
        if (QMenu* menu = menuAction->menu()) {
            for (QAction* item : menu->actions()) {
                if (!item->isSeparator()) shown.push_back({"item", item->text()});
            }
        }
    }
}

void AddWidgets(QWidget& window, Shown& shown) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&window))
            shown.push_back({label->objectName().toStdString(), label->text()});
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(&window)) shown.push_back({"button", button->text()});
        if (!button->toolTip().isEmpty()) shown.push_back({"tip", button->toolTip()});
    }
    for (QTreeWidget* table : window.findChildren<QTreeWidget*>()) {
        for (int c = 0; c < table->columnCount(); ++c) {
            shown.push_back({"header", table->headerItem()->text(c)});
        }
    }
    shown.push_back({"title", window.windowTitle()});
}

// A text a translation must change: it has a word (names and figures of the league aside).
// Words French writes as English does are listed.
bool MustChange(const QString& english, const std::set<QString>& names) {
    static const QRegularExpression word("[a-z]{2}");
    static const std::set<QString> sameInFrench = {"&Info",     "Info",     "Auto",
                                                   "Ostervald", "Position", "Pos"};
    // Paths name files: a recent league in File ("&1 /home/..."), the league in the title.
    static const QRegularExpression path("^(&[0-9] )?/");
    if (path.match(english).hasMatch()) return false;
    QString plain = english;
    plain.remove('&');
    if (sameInFrench.count(english) || sameInFrench.count(plain)) return false;
    if (names.count(english.trimmed())) return false;
    return word.match(english).hasMatch();
}

void ExpectAllTranslated(const Shown& english, const Shown& french,
                         const std::set<QString>& names) {
    ASSERT_EQ(english.size(), french.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (!MustChange(english[i].second, names)) continue;
        EXPECT_NE(french[i].second, english[i].second)
            << english[i].first << ": \"" << english[i].second.toStdString()
            << "\" shows untranslated";
    }
}

class TranslatedWindowsTest : public TranslationsTest {
  protected:
    void SetUp() override {
        fs::create_directories(start);
        const fs::path base = WriteGeneratedLeague(folder.Path(), "LANG", {.Seed = 5, .Teams = 4});
        WriteWholeFile(DefaultsFileIn(start), DefaultsFileContent(base));
        RegisterWindowForms(ui);
        ui.MsgBoxHook = [](const std::string&, Buttons buttons, Icon, const std::string&) {
            return buttons == Buttons::OK ? Answer::OK : Answer::Yes;
        };
        main = std::make_unique<Main>(session, ui, start);
        main->Form_Load();
        ASSERT_TRUE(vars.LeagueLoaded());
        main->lstTeams[0].ListIndex = 0;
        main->lstTeams_Click(0);
        // The league's own names: shown as they are in every language.
        const auto add = [this](const std::string& name) {
            names.insert(QString::fromStdString(name).trimmed());
        };
        for (const Team& team : vars.Teams) add(team.Name.Utf8());
        add(vars.League.LeagueName.Utf8());
        for (const Conference& conference : vars.League.Conferences) {
            add(conference.ConfName.Utf8());
            for (const Division& division : conference.Divisions) add(division.DivName.Utf8());
        }
    }

    // The main window as the language shows it; its pictures are main-<language>[-dark].png.
    Shown MainWindowIn(const QString& language) {
        qt::InstallTranslations(QLocale(language), kCompiled);
        Shown shown;
        InLightAndDark([&](bool dark) {
            MainForm form(*main, vars);
            form.show();
            if (!dark) {
                AddMenus(*form.menuBar(), shown);
                AddWidgets(form, shown);
            }
            EXPECT_TRUE(SaveScreenshot(form, "main-" + language.toStdString() +
                                                 (dark ? "-dark" : "") + ".png"));
        });
        return shown;
    }

    // The roster window as the language shows it; its pictures are roster-<language>[-dark].png.
    Shown RosterWindowIn(const QString& language) {
        qt::InstallTranslations(QLocale(language), kCompiled);
        Shown shown;
        InLightAndDark([&](bool dark) {
            ui.ModalHook = [&](QDialog& dialog) {
                auto& form = dynamic_cast<RosterForm&>(dialog);
                if (!dark) AddWidgets(form, shown);
                EXPECT_TRUE(SaveScreenshot(form, "roster-" + language.toStdString() +
                                                     (dark ? "-dark" : "") + ".png"));
            };
            main->SetRoster_Click();
        });
        return shown;
    }

    TempFolder folder;
    fs::path start = folder / "start";
    Variables vars;
    TeamSession session{vars};
    qt::QtUi ui;
    std::unique_ptr<Main> main;
    std::set<QString> names;
};

TEST_F(TranslatedWindowsTest, AFrenchDesktopSeesNoEnglishInTheMainMenusAndTheRosterWindow) {
    const Shown english = MainWindowIn("en");
    const Shown french = MainWindowIn("fr");
    ExpectAllTranslated(english, french, names);
    // Spot checks that the French is the French of a hockey manager, Alt letters included.
    const auto has = [](const Shown& shown, const QString& text) {
        return std::any_of(shown.begin(), shown.end(),
                           [&](const auto& entry) { return entry.second == text; });
    };
    EXPECT_TRUE(has(french, "&Fichier"));
    EXPECT_TRUE(has(french, "À propos de &Qt"));
    // The English Alt letter is not in the French word: the caption takes one of its own.
    const auto plain = [](QString text) { return text.remove('&'); };
    EXPECT_TRUE(std::any_of(french.begin(), french.end(), [&](const auto& entry) {
        return entry.second.contains('&') && plain(entry.second) == "Établir la formation";
    }));

    const Shown rosterEnglish = RosterWindowIn("en");
    const Shown rosterFrench = RosterWindowIn("fr");
    ExpectAllTranslated(rosterEnglish, rosterFrench, names);
    EXPECT_TRUE(has(rosterFrench, "Laissés de côté"));
    EXPECT_TRUE(has(rosterFrench, "Club-école"));
}

TEST_F(TranslatedWindowsTest, EnglishTextsAreTheSpecifiedOnesAfterAnotherLanguage) {
    MainWindowIn("de");
    const Shown english = MainWindowIn("en");
    for (const char* text : {"&File", "&Load", "E&xit", "&Manager", "&View Team", "&Briefing",
                             "&Coach", "Set Game &Roster", "Set &Lines", "&Info", "&About",
                             "&Help", "Korvel &Help", "About &Qt"}) {
        EXPECT_TRUE(std::any_of(english.begin(), english.end(), [&](const auto& entry) {
            return entry.second == text;
        })) << text;
    }
    const Shown roster = RosterWindowIn("en");
    for (const char* text :
         {"Game Roster", "Scratches", "Farm Roster", "Scratch", "Dress", "To Farm", "To Pros",
          "Protect", "Auto", "Add Player", "Exit", "Set Game Roster"}) {
        EXPECT_TRUE(std::any_of(roster.begin(), roster.end(), [&](const auto& entry) {
            return entry.second == text;
        })) << text;
    }
}

// Pictures for people to look at: the lines window in German and French (long words must fit).
TEST_F(TranslatedWindowsTest, LinesWindowPicturesInGermanAndFrench) {
    for (const QString language : {"de", "fr"}) {
        ASSERT_TRUE(qt::InstallTranslations(QLocale(language), kCompiled));
        bool opened = false;
        ui.ModalHook = [&](QDialog& dialog) {
            auto& form = dynamic_cast<LinesForm&>(dialog);
            opened = true;
            form.Binder().RefreshAll();
            EXPECT_NE(form.windowTitle(), "Edit Lines");
            EXPECT_TRUE(SaveScreenshot(form, "lines-" + language.toStdString() + ".png"));
        };
        main->SetLines_Click();
        EXPECT_TRUE(opened);
    }
}

}  // namespace
}  // namespace korvel::test
