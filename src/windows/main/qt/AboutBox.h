#pragma once

class QWidget;

namespace korvel {

// Info > About: what Korvel is, its version and licence, and the libraries built into it with
// their licences.
void ShowAboutBox(QWidget* parent);

}  // namespace korvel
