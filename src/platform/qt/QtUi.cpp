#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStringList>

#include <algorithm>
#include <stdexcept>

#include "platform/qt/DesktopSettings.h"
#include "platform/qt/FolderOpener.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Translate.h"

namespace korvel::qt {

namespace {

// Modal dialogs sit over the window the user is working in.
QWidget* DialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon ToQtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

std::optional<std::filesystem::path> RunFileDialog(const FileDialog& request) {
    const auto dialog = MakeFileDialog(request, DialogParent());
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return QStringToPath(chosen.front());
}

std::string NoFormText(const Window& window) {
    return "The window \"" + window.Caption + "\" has no form to show it.";
}

// A message box is as wide as its text, and a short text under a long title would leave the
// title cut off by the window's frame: the text's label is made wide enough for the title, the
// frame's buttons and the box's icon. The label is kept when the box lays itself out again.
void MakeRoomForTitle(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    if (label == nullptr) return;
    QFont titleFont = box.font();
    titleFont.setBold(true);  // most window frames write the title in bold
    const QFontMetrics title(titleFont);
    const QFontMetrics text(box.font());
    // The frame's icon and its three buttons, about a line's height and a margin each.
    const int frame = 4 * (text.height() + 12);
    const int icon = box.icon() == QMessageBox::NoIcon ? 0 : 2 * text.height() + 24;
    const int margins = 2 * box.style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    const int needed = title.horizontalAdvance(box.windowTitle()) + frame - icon - margins;
    label->setMinimumWidth(std::max(needed, 0));
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, Buttons buttons, Icon icon,
                                            const std::string& title, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(Translated(TitleOrDefault(title)));
    box->setTextFormat(Qt::PlainText);
    box->setText(Translated(text));
    box->setIcon(ToQtIcon(icon));
    if (buttons == Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else if (buttons == Buttons::YesNoCancel) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::Cancel);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    MakeRoomForTitle(*box);
    return box;
}

Answer AnswerOf(const QMessageBox& box, Buttons buttons) {
    if (buttons == Buttons::OK) return Answer::OK;
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked != nullptr && clicked == box.button(QMessageBox::Yes)) return Answer::Yes;
    // Escape and the close box answer No, or Cancel where the question has it.
    const bool no = clicked != nullptr && clicked == box.button(QMessageBox::No);
    if (buttons == Buttons::YesNoCancel && !no) return Answer::Cancel;
    return Answer::No;
}

std::unique_ptr<QInputDialog> MakeInputDialog(const std::string& prompt, const std::string& title,
                                              QWidget* parent) {
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(Translated(TitleOrDefault(title)));
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setLabelText(Translated(prompt));
    return dialog;
}

std::unique_ptr<QInputDialog> MakePasswordDialog(const std::string& prompt,
                                                 const std::string& title, int maxLength,
                                                 QWidget* parent) {
    auto dialog = MakeInputDialog(prompt, title, parent);
    dialog->setTextEchoMode(QLineEdit::Password);
    // The line edit exists once the dialog has been laid out in text mode.
    if (auto* edit = dialog->findChild<QLineEdit*>()) edit->setMaxLength(maxLength);
    return dialog;
}

QString NameFilter(const FileFilter& filter) {
    // "*.*" means every file; on this platform that is "*" (a name need not have a dot).
    // Several patterns are separated by ";" in a filter list and by spaces in the dialog.
    QString pattern = ToQString(filter.Pattern);
    pattern.replace(';', ' ');
    if (pattern.trimmed() == "*.*") pattern = "*";
    return Translated(filter.Name) + " (" + pattern + ")";
}

std::unique_ptr<QFileDialog> MakeFileDialog(const FileDialog& request, QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent, Translated(request.Title));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    QStringList filters;
    for (const FileFilter& filter : request.Filters) filters << NameFilter(filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        if (request.SelectedFilter < static_cast<std::size_t>(filters.size())) {
            dialog->selectNameFilter(filters[static_cast<qsizetype>(request.SelectedFilter)]);
        }
    }
    const std::filesystem::path folder = ChooseInitialFolder(request);
    if (!folder.empty()) dialog->setDirectory(PathToQString(folder));
    if (!request.FileName.empty()) dialog->selectFile(ToQString(request.FileName));
    return dialog;
}

Answer QtUi::MsgBox(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
    return MsgBox(text, "", buttons, icon, title);
}

Answer QtUi::MsgBox(const std::string& text, const std::string& cause, Buttons buttons, Icon icon,
                    const std::string& title) {
    if (MsgBoxHook) return MsgBoxHook(text, buttons, icon, TitleOrDefault(title));
    const auto box = MakeMessageBox(text, buttons, icon, title, DialogParent());
    if (!cause.empty()) {
        box->setInformativeText(Translated(cause));
        // The cause names files and what was in them: shown as it is, never as markup.
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_informativelabel"))
            label->setTextFormat(Qt::PlainText);
    }
    box->exec();
    return AnswerOf(*box, buttons);
}

void QtUi::ShowWrittenFile(const std::string& text, const std::string& title,
                           const std::filesystem::path& file, Icon icon) {
    if (MsgBoxHook) {
        MsgBoxHook(text, Buttons::OK, icon, TitleOrDefault(title));
        return;
    }
    const auto box = MakeMessageBox(text, Buttons::OK, icon, title, DialogParent());
    QPushButton* open = box->addButton(QCoreApplication::translate("QtUi", "Open &Folder"),
                                       QMessageBox::ActionRole);
    box->exec();
    if (box->clickedButton() != open) return;
    if (OpenFolder(file.parent_path())) return;
    // Without a file manager (or one that refuses) the click would otherwise do nothing.
    const QString failure = QCoreApplication::translate(
        "QtUi", "The folder %1 could not be opened: the desktop has no program that shows "
                "folders, or it refused.");
    const QString folder = QDir::toNativeSeparators(PathToQString(file.parent_path()));
    const auto failed = MakeMessageBox(ToUtf8(failure.arg(folder)), Buttons::OK, Icon::Critical,
                                       ToUtf8(box->windowTitle()), DialogParent());
    failed->exec();
}

std::optional<std::string> QtUi::PasswordBox(const std::string& prompt, const std::string& title,
                                             int maxLength) {
    if (InputBoxHook) return InputBoxHook(prompt, TitleOrDefault(title));
    const auto dialog = MakePasswordDialog(prompt, title, maxLength, DialogParent());
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return ToUtf8(dialog->textValue());
}

std::optional<std::string> QtUi::InputBox(const std::string& prompt, const std::string& title) {
    if (InputBoxHook) return InputBoxHook(prompt, TitleOrDefault(title));
    const auto dialog = MakeInputDialog(prompt, title, DialogParent());
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return ToUtf8(dialog->textValue());
}

// Each file dialog remembers the folder it last chose from, between runs too, and opens there
// when the folder the request names does not exist.
std::optional<std::filesystem::path> QtUi::OpenFile(const FileDialog& request) {
    FileDialog shown = request;
    if (const auto folder = RememberedFolder(request.Title)) {
        shown.FallbackFolders.insert(shown.FallbackFolders.begin(), *folder);
    }
    const auto chosen = OpenFileHook ? OpenFileHook(shown) : RunFileDialog(shown);
    if (chosen) RememberFolder(request.Title, chosen->parent_path());
    return chosen;
}

bool QtUi::HasForm(const Window& window) const {
    return forms_.count(std::type_index(typeid(window))) != 0;
}

std::unique_ptr<QDialog> QtUi::CreateForm(Window& window, QWidget* parent) const {
    const auto found = forms_.find(std::type_index(typeid(window)));
    if (found == forms_.end()) {
        throw std::logic_error(NoFormText(window));
    }
    return found->second(window, parent);
}

void QtUi::ShowModal(Window& window) {
    if (!HasForm(window)) throw std::logic_error(NoFormText(window));
    window.Form_Load();
    if (window.IsUnloaded()) return;
    const std::unique_ptr<QDialog> form = CreateForm(window, DialogParent());
    form->setWindowModality(Qt::ApplicationModal);
    if (ModalHook) {
        form->show();
        ModalHook(*form);
        if (!window.IsUnloaded()) window.Unload();
        return;
    }
    // The form closes itself when the window unloads; should it be closed any other way, the
    // window decides whether it really goes.
    while (!window.IsUnloaded()) {
        form->exec();
        if (!window.IsUnloaded()) window.Unload();
    }
}

}  // namespace korvel::qt
