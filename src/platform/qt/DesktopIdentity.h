#pragma once

#include <QIcon>

namespace korvel::qt {

// The names the desktop knows the program by: settings are kept under them, and the desktop entry
// and the icon theme are found through the desktop file name.
inline constexpr const char* kOrganisationName = "Korvel";
inline constexpr const char* kDesktopFileName = "org.korvel.Korvel";

// The application icon in every size it is rendered to.
QIcon ApplicationIcon();

// The organisation and application names and the version; enough for a QCoreApplication.
void SetUpApplicationNames();

// Gives the running application its organisation and application names, its version, its desktop
// file name and the icon every window shows. Call once the QApplication exists.
void SetUpDesktopIdentity();

}  // namespace korvel::qt
