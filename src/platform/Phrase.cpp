#include "platform/Phrase.h"

#include <deque>
#include <mutex>
#include <unordered_map>

namespace korvel {

namespace {

// Enough for every sentence a window shows at once; the oldest are forgotten first.
constexpr std::size_t kRemembered = 4096;

struct Memory {
    std::mutex Lock;
    std::unordered_map<std::string, Phrase> ByEnglish;
    std::deque<std::string> Order;
};

Memory& TheMemory() {
    static Memory memory;
    return memory;
}

}  // namespace

void RememberPhrase(const std::string& english, const Phrase& phrase) {
    if (english.empty()) return;
    Memory& memory = TheMemory();
    const std::lock_guard<std::mutex> hold(memory.Lock);
    const auto [entry, added] = memory.ByEnglish.insert_or_assign(english, phrase);
    (void)entry;
    if (!added) return;
    memory.Order.push_back(english);
    if (memory.Order.size() > kRemembered) {
        memory.ByEnglish.erase(memory.Order.front());
        memory.Order.pop_front();
    }
}

std::optional<Phrase> RecalledPhrase(const std::string& english) {
    Memory& memory = TheMemory();
    const std::lock_guard<std::mutex> hold(memory.Lock);
    const auto found = memory.ByEnglish.find(english);
    if (found == memory.ByEnglish.end()) return std::nullopt;
    return found->second;
}

}  // namespace korvel
