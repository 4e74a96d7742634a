#pragma once

#include <QObject>

#include <filesystem>
#include <functional>

class QLocalServer;

namespace korvel {

// One korvel per start folder, met through a local socket named after the folder: the program
// working in the folder listens; a second start there asks it to come forward and then ends.
class SingleInstance : public QObject {
  public:
    // What the running program does when asked; `league` is the league the second start was
    // given, or empty.
    using Request = std::function<void(const std::filesystem::path& league)>;

    // Listens for later starts in `startFolder`, which this program holds (FolderLock).
    explicit SingleInstance(const std::filesystem::path& startFolder);

    // Until set, a request is answered and nothing more happens (the window is still to come, and
    // shows in front when it does).
    Request OnRequest;

    // Asks the program holding `startFolder` to come forward (and to load `league` when given).
    // True when it answered.
    static bool AskRunning(const std::filesystem::path& startFolder,
                           const std::filesystem::path& league);

  private:
    void Answer();

    QLocalServer* server_ = nullptr;
};

}  // namespace korvel
