#include "platform/qt/Translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/WrapText.h"
#include "platform/qt/QtText.h"

namespace korvel::qt {

namespace {

// The contexts the core's fixed texts are marked with (KORVEL_TEXT's first argument), in the
// order a text found in several is looked up.
constexpr std::array kCoreContexts{"Main",        "Roster",     "Lines",     "AddPlayer",
                                   "DisplayTeam", "PlayerInfo", "Standings", "GameDayBriefing",
                                   "TeamSession", "League",     "Files",     "Season",
                                   "Readiness"};

struct Installed {
    std::vector<std::unique_ptr<QTranslator>> Translators;
    bool Korvel = false;            // a translation of Korvel's own texts is among them
    QHash<QString, QString> Fixed;  // fixed texts looked up so far, English to shown
};

Installed& TheInstalled() {
    static Installed installed;
    return installed;
}

// How deep sentences nest in the places of sentences ("Undo %1" holding "Move %1 to %2"); a
// sentence whose place holds its own English would otherwise never end.
constexpr int kDeepestPlace = 4;
int placeDepth = 0;

// Puts the arguments into %1..%9, each translated in its turn (a sentence or a fixed text the
// core put there); a place without an argument stays as it is.
QString FillPlaces(const QString& pattern, const std::vector<std::string>& args) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const QChar next = pattern[i + 1];
            if (next >= '1' && next <= '9') {
                const auto arg = static_cast<std::size_t>(next.unicode() - '1');
                if (arg < args.size()) {
                    ++placeDepth;
                    out +=
                        placeDepth < kDeepestPlace ? Translated(args[arg]) : ToQString(args[arg]);
                    --placeDepth;
                    ++i;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

QString TranslatedFixed(const QString& english) {
    Installed& installed = TheInstalled();
    const auto cached = installed.Fixed.constFind(english);
    if (cached != installed.Fixed.constEnd()) return *cached;
    const QByteArray source = english.toUtf8();
    QString shown = english;
    for (const char* context : kCoreContexts) {
        const QString translated = QCoreApplication::translate(context, source.constData());
        if (translated != english) {
            shown = translated;
            break;
        }
    }
    installed.Fixed.insert(english, shown);
    return shown;
}

bool LoadInto(Installed& installed, const QLocale& locale, const QString& name,
              const QStringList& folders) {
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(locale, name, "_", folder)) continue;
        QCoreApplication::installTranslator(translator.get());
        installed.Translators.push_back(std::move(translator));
        return true;
    }
    return false;
}

}  // namespace

QString Translated(const Phrase& phrase) {
    const QString english = ToQString(phrase.English());
    if (!TheInstalled().Korvel) return english;
    QString pattern =
        QCoreApplication::translate(phrase.Context, phrase.Source, nullptr, phrase.Count);
    // Untranslated, or translated as written ("%1 %2"), Qt hands back the source with %n filled:
    // the English sentence then, with what its places hold translated.
    QString source = QString::fromUtf8(phrase.Source);
    if (phrase.Count >= 0) source.replace("%n", QString::number(phrase.Count));
    if (pattern == source && phrase.Count >= 0) {
        pattern.replace("(s)", phrase.Count == 1 ? "" : "s");
    }
    return FillPlaces(pattern, phrase.Args);
}

namespace {

// The indent the core gives the later lines of an entry it breaks for a list.
constexpr std::string_view kContinuation = "  ";

// A sentence the core broke into lines for a list ("...\n  ..."): translated whole, then broken
// again at the width of its longest English line, each later line indented as the core does it.
std::optional<QString> TranslatedWrapped(const std::string& text) {
    std::string whole;
    std::size_t width = 0;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        std::string_view line(text.data() + from, end - from);
        width = std::max(width, CodePoints(line));
        if (from > 0 && line.starts_with(kContinuation)) line.remove_prefix(kContinuation.size());
        if (!whole.empty()) whole += ' ';
        whole += line;
        from = end + 1;
    }
    const auto phrase = RecalledPhrase(whole);
    const QString translated = phrase ? Translated(*phrase) : TranslatedFixed(ToQString(whole));
    if (translated == ToQString(whole)) return std::nullopt;
    QString shown;
    for (const std::string& line : WrapWords(translated.toStdString(), width, kContinuation)) {
        if (!shown.isEmpty()) shown += '\n';
        shown += ToQString(line);
    }
    return shown;
}

}  // namespace

QString Translated(const std::string& text) {
    if (!TheInstalled().Korvel || text.empty()) return ToQString(text);
    if (const auto phrase = RecalledPhrase(text)) return Translated(*phrase);
    if (text.find('\n') != std::string::npos) {
        if (const auto rewrapped = TranslatedWrapped(text)) return *rewrapped;
    }
    return TranslatedFixed(ToQString(text));
}

bool InstallTranslations(const QLocale& locale, const QString& folder) {
    Installed& installed = TheInstalled();
    for (const auto& translator : installed.Translators) {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed.Translators.clear();
    installed.Fixed.clear();
    installed.Korvel = false;

    QStringList folders;
    if (!folder.isEmpty()) {
        folders << folder;
    } else {
        const QString programs = QCoreApplication::applicationDirPath();
        folders << programs + "/../share/korvel/translations"
                << programs + "/share/korvel/translations";
    }
    // The user's languages in his order of preference: the first that Korvel speaks wins, and
    // English, the language the texts are written in, needs no translation.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C) break;
        if (!LoadInto(installed, language, "korvel", folders)) continue;
        installed.Korvel = true;
        // Qt's standard buttons and dialogs in the same language: the catalogue of all Qt's
        // modules where the system has one, else the base module's.
        const QStringList qtFolders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
        if (!LoadInto(installed, language, "qt", qtFolders)) {
            LoadInto(installed, language, "qtbase", qtFolders);
        }
        break;
    }
    return installed.Korvel;
}

}  // namespace korvel::qt
