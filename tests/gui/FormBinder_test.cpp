#include "platform/qt/FormBinder.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/GuiTest.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/WindowForm.h"

namespace korvel::test {
namespace {

// A window with one control of each kind whose handlers write down what they saw.
class ProbeWindow : public Window {
  public:
    ProbeWindow() : Window("Probe") {}

    Label lblSlot{"empty"};
    ListBox List1;
    CheckBox Check1{"C", true};
    OptionButton optEven{"Even", true};
    OptionButton optPP{"PP"};
    Button cmdExit{"Exit"};
    bool CancelUnload = false;
    std::vector<std::string> Events;

    void Form_Load() override {
        Events.push_back("load");
        lblSlot.Caption = "loaded";
    }
    void Form_Unload(bool& Cancel) override {
        Events.push_back("unload");
        Cancel = CancelUnload;
    }
    void lblSlot_Click() { Events.push_back("lblSlot_Click"); }
    void lblSlot_DblClick() { Events.push_back("lblSlot_DblClick"); }
    void List1_Click() { Events.push_back("List1_Click " + std::to_string(List1.ListIndex)); }
    void List1_DblClick() { Events.push_back("List1_DblClick " + std::to_string(List1.ListIndex)); }
    void Check1_Click() {
        Events.push_back(std::string("Check1_Click ") + (Check1.Value ? "on" : "off"));
        cmdExit.Enabled = Check1.Value;
    }
    void opt_Click() {
        Events.push_back(std::string("opt_Click ") + (optEven.Value ? "Even" : "") +
                         (optPP.Value ? "PP" : ""));
    }
    void cmdExit_Click() { Unload(); }
};

class ProbeForm : public qt::DialogForm {
  public:
    ProbeForm(ProbeWindow& window, QWidget* parent = nullptr)
        : DialogForm(window, parent),
          label(new QLabel(this)),
          list(new QListWidget(this)),
          check(new QCheckBox(this)),
          even(new QRadioButton(this)),
          pp(new QRadioButton(this)),
          exit(new QPushButton(this)) {
        label->setGeometry(0, 0, 100, 20);
        list->setGeometry(0, 30, 100, 100);
        auto& binder = Binder();
        binder.Bind(
            *label, window.lblSlot, [&window] { window.lblSlot_Click(); },
            [&window] { window.lblSlot_DblClick(); });
        binder.Bind(
            *list, window.List1, [&window] { window.List1_Click(); },
            [&window] { window.List1_DblClick(); });
        binder.Bind(*check, window.Check1, [&window] { window.Check1_Click(); });
        binder.Bind(*even, window.optEven, [&window] { window.opt_Click(); });
        binder.Bind(*pp, window.optPP, [&window] { window.opt_Click(); });
        binder.Bind(*exit, window.cmdExit, [&window] { window.cmdExit_Click(); });
        binder.RefreshAll();
    }

    QLabel* label;
    QListWidget* list;
    QCheckBox* check;
    QRadioButton* even;
    QRadioButton* pp;
    QPushButton* exit;
};

class FormBinderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"Alder", "Birch", "Cedar", "Dogwood"}) window.List1.AddItem(name);
        form.Binder().RefreshAll();
        form.show();
        window.Events.clear();
    }

    ProbeWindow window;
    ProbeForm form{window};
};

TEST_F(FormBinderTest, ListClicksFollowTheSelectionLikeTheUserSeesIt) {
    ClickRow(*form.list, 1);
    ClickRow(*form.list, 1);  // the entry already selected: a click all the same
    DoubleClickRow(*form.list, 2);
    form.list->setFocus();
    QTest::keyClick(form.list, Qt::Key_Down);

    EXPECT_EQ(window.Events,
              (std::vector<std::string>{"List1_Click 1", "List1_Click 1", "List1_Click 2",
                                        "List1_DblClick 2", "List1_Click 3"}));
}

// Taking the focus makes a list's first entry current without selecting it: that is no choice.
TEST_F(FormBinderTest, FocusAloneSelectsNothing) {
    form.exit->setFocus();
    ASSERT_TRUE(Activate(form));
    ASSERT_TRUE(TabTo(*form.list));
    EXPECT_TRUE(form.list->selectedItems().isEmpty());
    QTest::mouseClick(form.label, Qt::LeftButton);
    EXPECT_EQ(window.List1.ListIndex, -1);

    QTest::keyClick(form.list, Qt::Key_Space);  // the keyboard's own way to select
    EXPECT_EQ(window.List1.ListIndex, 0);
    QTest::keyClick(form.list, Qt::Key_Down);
    EXPECT_EQ(window.Events,
              (std::vector<std::string>{"lblSlot_Click", "List1_Click 0", "List1_Click 1"}));
}

TEST_F(FormBinderTest, ExtendedListReadsEverySelectedEntry) {
    window.List1.MultiSelect = true;
    form.Binder().RefreshAll();
    ASSERT_EQ(form.list->selectionMode(), QAbstractItemView::ExtendedSelection);

    ClickRow(*form.list, 0);
    QTest::mouseClick(form.list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      RowCentre(*form.list, 2));

    std::vector<bool> selected;
    for (const ListItem& item : window.List1.Items) selected.push_back(item.Selected);
    EXPECT_EQ(selected, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(window.List1.ListIndex, 2);
    EXPECT_EQ(window.Events.size(), 2u);

    // The window's own change of the selection shows after the next refresh.
    window.List1.Items[0].Selected = false;
    window.List1.Items[3].Selected = true;
    form.Binder().RefreshAll();
    EXPECT_FALSE(form.list->item(0)->isSelected());
    EXPECT_TRUE(form.list->item(3)->isSelected());
    EXPECT_EQ(window.Events.size(), 2u);  // showing the controls raises no events
}

TEST_F(FormBinderTest, RefreshKeepsEntriesAndShowsAChangedList) {
    QListWidgetItem* before = form.list->item(0);
    form.Binder().RefreshAll();
    EXPECT_EQ(form.list->item(0), before);

    window.List1.RemoveItem(0);
    window.List1.AddItem("Elm", 42);
    window.List1.ListIndex = 3;
    form.Binder().RefreshAll();
    EXPECT_EQ(Texts(*form.list), (QStringList{"Birch", "Cedar", "Dogwood", "Elm"}));
    EXPECT_EQ(form.list->item(3)->data(qt::kItemDataRole).toInt(), 42);
    EXPECT_EQ(form.list->currentRow(), 3);
    EXPECT_TRUE(form.list->item(3)->isSelected());

    window.List1.ListIndex = -1;
    form.Binder().RefreshAll();
    EXPECT_TRUE(form.list->selectedItems().isEmpty());
    EXPECT_TRUE(window.Events.empty());
}

TEST_F(FormBinderTest, LabelClickAndDoubleClick) {
    QTest::mouseClick(form.label, Qt::LeftButton);
    DoubleClick(*form.label);
    // A press that ends outside the label is no click.
    QTest::mousePress(form.label, Qt::LeftButton);
    QTest::mouseRelease(form.label, Qt::LeftButton, {}, QPoint(300, 300));

    EXPECT_EQ(window.Events,
              (std::vector<std::string>{"lblSlot_Click", "lblSlot_Click", "lblSlot_DblClick"}));
}

TEST_F(FormBinderTest, ButtonsHandTheirNewValuesToTheHandlerAndShowItsChanges) {
    QTest::mouseClick(form.check, Qt::LeftButton);
    EXPECT_FALSE(window.Check1.Value);
    EXPECT_FALSE(form.exit->isEnabled());  // the handler's change is on screen

    QTest::mouseClick(form.pp, Qt::LeftButton);
    EXPECT_TRUE(window.optPP.Value);
    EXPECT_FALSE(window.optEven.Value);

    EXPECT_EQ(window.Events, (std::vector<std::string>{"Check1_Click off", "opt_Click PP"}));

    // The window switches the options back itself.
    window.optPP.Value = false;
    window.optEven.Value = true;
    window.lblSlot.Caption = "Line 1";
    window.lblSlot.ForeColor = 0xC00000;
    window.Caption = "Edit Lines";
    form.Binder().RefreshAll();
    EXPECT_TRUE(form.even->isChecked());
    EXPECT_FALSE(form.pp->isChecked());
    EXPECT_EQ(form.label->text(), "Line 1");
    EXPECT_EQ(form.label->palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
    EXPECT_EQ(form.windowTitle(), "Edit Lines");
    // Black, the default, is the palette's text colour: light on a dark desktop.
    window.lblSlot.ForeColor = kBlack;
    form.Binder().RefreshAll();
    EXPECT_EQ(form.label->palette().color(QPalette::WindowText),
              form.palette().color(QPalette::WindowText));
}

TEST_F(FormBinderTest, HandlerThatUnloadsClosesTheForm) {
    QTest::mouseClick(form.exit, Qt::LeftButton);
    EXPECT_TRUE(window.IsUnloaded());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(FormBinderTest, CloseBoxAndEscapeAskTheWindowFirst) {
    window.CancelUnload = true;
    form.close();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(window.IsUnloaded());

    window.CancelUnload = false;
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(window.IsUnloaded());
    EXPECT_EQ(window.Events, (std::vector<std::string>{"unload", "unload", "unload"}));
}

TEST(QtUiForms, ShowModalLoadsTheWindowBeforeItsFormAndRunsUntilItUnloads) {
    qt::QtUi ui;
    ui.RegisterForm<ProbeWindow, ProbeForm>();
    ProbeWindow window;
    QString shownCaption;
    ui.ModalHook = [&](QDialog& dialog) {
        auto& form = dynamic_cast<ProbeForm&>(dialog);
        shownCaption = form.label->text();
        EXPECT_TRUE(form.isVisible());
        EXPECT_TRUE(form.isModal());
        QTest::mouseClick(form.exit, Qt::LeftButton);
    };

    ui.ShowModal(window);

    EXPECT_EQ(shownCaption, "loaded");
    EXPECT_TRUE(window.IsUnloaded());
    EXPECT_EQ(window.Events, (std::vector<std::string>{"load", "unload"}));
}

TEST(QtUiForms, WindowLeftOpenByTheModalHookIsUnloaded) {
    qt::QtUi ui;
    ui.RegisterForm<ProbeWindow, ProbeForm>();
    ui.ModalHook = [](QDialog&) {};
    ProbeWindow window;
    ui.ShowModal(window);
    EXPECT_TRUE(window.IsUnloaded());
}

TEST(QtUiForms, WindowWithoutAFormIsNotLoaded) {
    qt::QtUi ui;
    ProbeWindow window;
    EXPECT_FALSE(ui.HasForm(window));
    EXPECT_THROW(ui.ShowModal(window), std::logic_error);
    EXPECT_TRUE(window.Events.empty());
}

}  // namespace
}  // namespace korvel::test
