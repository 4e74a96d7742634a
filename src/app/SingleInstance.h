#pragma once

#include <QObject>

#include <filesystem>
#include <functional>
#include <string>

class QLocalServer;
class QLocalSocket;

namespace korvel {

// One korvel per start folder, met through a local socket named after the folder: the program
// working in the folder listens; a second start there asks it to come forward and then ends.
// The socket lives in a folder only this user may enter, and each side checks that the other
// runs as this user, so no other user can take the place of either.
class SingleInstance : public QObject {
  public:
    // A request is one line, the league's path: far longer than any path, far shorter than what
    // would fill the memory of the program that reads it.
    static constexpr qint64 kMaxRequestBytes = 64 * 1024;
    // A peer that has not sent its line by then is cut off.
    static constexpr int kRequestMilliseconds = 5000;

    // What the running program does when asked; `league` is the league the second start was
    // given, or empty.
    using Request = std::function<void(const std::filesystem::path& league)>;

    // Listens for later starts in `startFolder`, which this program holds (FolderLock). When it
    // cannot, Failure() says why; the program works on, but a second start cannot reach it.
    explicit SingleInstance(const std::filesystem::path& startFolder);

    bool Listening() const;
    const std::string& Failure() const { return failure_; }

    // Until set, a request is answered and nothing more happens (the window is still to come, and
    // shows in front when it does).
    Request OnRequest;

    // Asks the program holding `startFolder` to come forward (and to load `league` when given).
    // True when it answered.
    static bool AskRunning(const std::filesystem::path& startFolder,
                           const std::filesystem::path& league);

    // The socket's name for `startFolder`: a path in the private folder, or a plain name where
    // the system keeps sockets elsewhere. Throws FileError when the private folder is not safe.
    static QString SocketName(const std::filesystem::path& startFolder);

  private:
    void Answer();
    void Read(QLocalSocket& socket);

    QLocalServer* server_ = nullptr;
    std::string failure_;
};

}  // namespace korvel
