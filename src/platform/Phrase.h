#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Texts of the core that a window shows are written in English and marked for translation here,
// without Qt; lupdate finds the markers as it finds Qt's own (-tr-function-alias
// QT_TRANSLATE_NOOP+=KORVEL_TEXT,QT_TRANSLATE_NOOP+=KORVEL_PHRASE,QT_TRANSLATE_N_NOOP+=KORVEL_PLURAL)
// and the Qt layer looks the source up under the same context when it shows it.
//   KORVEL_TEXT(context, text)    the text itself, for a fixed text ("Changes were not saved")
//   KORVEL_PHRASE(context, text)  a Phrase, for a sentence with places: .With({name, code})
//   KORVEL_PLURAL(context, text)  a Phrase whose %n picks the plural form: .Counting(n)
#define KORVEL_TEXT(context, text) text
#define KORVEL_PHRASE(context, text) (::korvel::Phrase{context, text})
#define KORVEL_PLURAL(context, text) (::korvel::Phrase{context, text})

namespace korvel {

struct Phrase;

// The sentences built lately, by their English text. Controls and messages carry plain text; a
// front end that shows a text asks here whether it is a sentence the core built, and then
// translates that sentence whole and fills its places in the user's language.
void RememberPhrase(const std::string& english, const Phrase& phrase);
std::optional<Phrase> RecalledPhrase(const std::string& english);

// A sentence kept whole for a translator: its English source with numbered places (%1, %2...,
// and %n for a count that chooses the plural form) and what goes in them. The core and the
// command line show English(); the Qt layer translates Source under Context, then fills the same
// places, so a translation may put them in any order.
struct Phrase {
    const char* Context = "";
    const char* Source = "";
    std::vector<std::string> Args = {};
    int Count = -1;  // %n, and the plural form a translation picks; -1 when the sentence has none

    Phrase With(std::vector<std::string> args) const {
        Phrase filled = *this;
        filled.Args = std::move(args);
        return filled;
    }
    Phrase Counting(int count) const {
        Phrase counted = *this;
        counted.Count = count;
        return counted;
    }

    // The English sentence: %1..%9 replaced by the arguments, %n by the count. An English plural
    // source is written as "%n player(s)": "(s)" is dropped for a count of one and kept as "s"
    // otherwise.
    std::string English() const {
        std::string out;
        const std::string source = Source;
        for (std::size_t i = 0; i < source.size(); ++i) {
            const char c = source[i];
            if (c == '%' && i + 1 < source.size()) {
                const char next = source[i + 1];
                if (next >= '1' && next <= '9') {
                    const std::size_t arg = static_cast<std::size_t>(next - '1');
                    if (arg < Args.size()) out += Args[arg];
                    ++i;
                    continue;
                }
                if (next == 'n' && Count >= 0) {
                    out += std::to_string(Count);
                    ++i;
                    continue;
                }
            }
            if (c == '(' && source.compare(i, 3, "(s)") == 0 && Count >= 0) {
                if (Count != 1) out += 's';
                i += 2;
                continue;
            }
            out += c;
        }
        RememberPhrase(out, *this);
        return out;
    }
};

}  // namespace korvel
