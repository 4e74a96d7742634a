#include "windows/roster/qt/AddPlayerForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/qt/FramedCheckBox.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Translate.h"
#include "platform/qt/ScreenReader.h"

namespace korvel {

namespace {

QSpinBox* MakeNumber(QWidget* parent, const NumberBox& control) {
    auto* box = new QSpinBox(parent);
    box->setRange(control.Min, control.Max);
    box->setValue(control.Value);
    box->setAccelerated(true);
    return box;
}

QComboBox* MakeChoice(QWidget* parent, const ListBox& control) {
    auto* box = new QComboBox(parent);
    for (const ListItem& item : control.Items) box->addItem(qt::Translated(item.Text));
    box->setCurrentIndex(control.ListIndex);
    return box;
}

}  // namespace

AddPlayerForm::AddPlayerForm(AddPlayer& window, QWidget* parent)
    : qt::DialogForm(window, parent), window_(window) {
    Label1 = new QLabel(this);
    Label1->setProperty("title", true);

    auto* profile = new QGroupBox(QCoreApplication::translate("AddPlayerForm", "Player"), this);
    auto* form = new QFormLayout(profile);
    txtName = new QLineEdit(profile);
    txtName->setMaxLength(static_cast<int>(window.txtName.MaxLength));
    txtName->setPlaceholderText(
        QCoreApplication::translate("AddPlayerForm", "First and last name"));
    txtName->setText(qt::ToQString(window.txtName.Text));
    cboPosition = MakeChoice(profile, window.cboPosition);
    txtNumber = MakeNumber(profile, window.txtNumber);
    cboHand = MakeChoice(profile, window.cboHand);
    txtHeight = MakeNumber(profile, window.txtHeight);
    txtHeight->setSuffix(QCoreApplication::translate("AddPlayerForm", " in"));
    txtWeight = MakeNumber(profile, window.txtWeight);
    txtAge = MakeNumber(profile, window.txtAge);
    txtBirthplace = new QLineEdit(profile);
    txtBirthplace->setMaxLength(static_cast<int>(window.txtBirthplace.MaxLength));
    txtBirthplace->setPlaceholderText("CAN");
    txtBirthplace->setToolTip(
        QCoreApplication::translate("AddPlayerForm", "Country of birth, three letters"));
    chkRookie =
        new qt::FramedCheckBox(QCoreApplication::translate("AddPlayerForm", "Rookie"), profile);
    chkRookie->setChecked(window.chkRookie.Value);
    txtSalary = MakeNumber(profile, window.txtSalary);
    txtSalary->setSingleStep(10'000);
    txtSalary->setGroupSeparatorShown(true);
    txtSalary->setPrefix("$ ");
    txtContract = MakeNumber(profile, window.txtContract);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "&Name"), txtName);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "&Position"), cboPosition);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "N&umber"), txtNumber);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "&Hand"), cboHand);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "Hei&ght"), txtHeight);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "&Weight"), txtWeight);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "&Age"), txtAge);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "&Birthplace"), txtBirthplace);
    form->addRow("", chkRookie);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "&Salary"), txtSalary);
    form->addRow(QCoreApplication::translate("AddPlayerForm", "&Contract"), txtContract);
    qt::NameChoiceList(*cboPosition);
    qt::NameChoiceList(*cboHand);

    auto* skills =
        new QGroupBox(QCoreApplication::translate("AddPlayerForm", "Skills (0 to 99)"), this);
    auto* skillForm = new QFormLayout(skills);
    for (int s = 0; s < AddPlayer::kSkills; ++s) {
        txtSkill[s] = MakeNumber(skills, window.txtSkill[s]);
        txtSkill[s]->setMinimumWidth(64);
        skillForm->addRow(qt::Translated(window.txtSkill[s].Caption), txtSkill[s]);
    }

    auto* buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    cmdCancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cmdOK->setDefault(true);
    qt::SetStyleProperty(*cmdOK, "primary", true);  // as Auto in the roster and lines windows

    auto* columns = new QHBoxLayout;
    columns->addWidget(profile, 3);
    columns->addWidget(skills, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(Label1);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    auto& binder = Binder();
    binder.Bind(*Label1, window_.Label1);
    binder.Bind(*cmdOK, window_.cmdOK, [this] {
        ReadInput();
        window_.cmdOK_Click();
    });
    binder.Bind(*cmdCancel, window_.cmdCancel, [this] { window_.cmdCancel_Click(); });
    setSizeGripEnabled(true);
    Binder().RefreshAll();
    txtName->setFocus();
}

void AddPlayerForm::ReadInput() {
    window_.txtName.Text = qt::ToUtf8(txtName->text());
    window_.cboPosition.ListIndex = cboPosition->currentIndex();
    window_.txtNumber.Value = txtNumber->value();
    window_.cboHand.ListIndex = cboHand->currentIndex();
    window_.txtHeight.Value = txtHeight->value();
    window_.txtWeight.Value = txtWeight->value();
    window_.txtAge.Value = txtAge->value();
    window_.txtBirthplace.Text = qt::ToUtf8(txtBirthplace->text());
    window_.chkRookie.Value = chkRookie->isChecked();
    window_.txtSalary.Value = txtSalary->value();
    window_.txtContract.Value = txtContract->value();
    for (int s = 0; s < AddPlayer::kSkills; ++s) window_.txtSkill[s].Value = txtSkill[s]->value();
}

}  // namespace korvel
