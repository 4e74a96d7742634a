#include "app/cli/TeamSteps.h"

#include "app/cli/DriveWindow.h"

namespace korvel::cli {

void RequireCoachMenu(Session& session, const std::string& window, const std::string& menuPath) {
    if (!session.TeamChosen()) throw WindowNotOpened(window, menuPath);
}

bool Reported(Session& session, const Outcome& outcome) {
    if (outcome.Shown) session.UiOfCli().Report(*outcome.Shown);
    return outcome.Done;
}

void AnsweredYes(Session& session, const Question& question) {
    if (session.UiOfCli().QuietAnswers()) return;
    session.UiOfCli().Report({question.Text + " [Yes]", question.Title, Icon::None});
}

}  // namespace korvel::cli
