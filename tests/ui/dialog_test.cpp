// Dialogs built from resources: controls by id, lists, handlers, commit and cancel, closing.
#include <QDialog>
#include <QDir>

#include "tests/support/temp_dir.h"
#include "tests/ui/ui_fixture.h"
#include "ui/detail/window_impl.h"
#include "ui/window.h"

namespace {

using ui::Kind;
using uitest::recorder;

const ui::DialogResource& testResource() {
    static const ui::DialogResource r{
        900,
        "Prov",
        2,
        {
            {ui::IDSTATIC, Kind::Static, "&Namn:", 0, 0},
            {101, Kind::Edit, "start", 0, 1, 1, 1, 5},
            {102, Kind::ReadOnlyEdit, "fast", 1, 1},
            {103, Kind::Check, "&Klubb", 2, 0},
            {104, Kind::Radio, "Monrad", 3, 0, 1, 1, 0, 1},
            {105, Kind::Radio, "Schweizer", 3, 1, 1, 1, 0, 1},
            {106, Kind::SortedList, "", 4, 0},
            {107, Kind::MultiList, "", 4, 1},
            {108, Kind::Combo, "", 5, 0},
            {109, Kind::List, "", 5, 1},
            {ui::IDOK, Kind::DefaultButton, "&Kör", 6, 0},
            {ui::IDCANCEL, Kind::Button, "&Avbryt", 6, 1},
            {110, Kind::Button, "&Hjälp", 7, 0},
        },
    };
    return r;
}

// Destroy hooks run so far; a counter that outlives the tests, since the fixture closes what a
// test leaves open after the test's own locals are gone.
int destroyedCount = 0;

// A dialog that counts what reaches its members.
class Probe : public ui::Dialog {
  public:
    Probe() : Dialog(&uitest::mainWindow(), testResource()) {}
    int oks = 0, cancels = 0;
    void CmOk() override {
        ++oks;
        close();
    }
    void CmCancel() override {
        ++cancels;
        close();
    }

  protected:
    void onDestroy() override { ++destroyedCount; }
};

ui::automation::ControlRef id(int n) {
    return {n, "", false};
}
ui::automation::ControlRef cap(const std::string& c) {
    return {0, c, true};
}

class DialogTest : public uitest::UiTest {};

TEST_F(DialogTest, TextsChecksAndEnablingByIdAndCaption) {
    auto* d = new Probe();
    d->show();
    EXPECT_EQ(d->text(101), "start");
    d->setText(101, "Åsa");
    EXPECT_EQ(d->text(101), "Åsa");
    EXPECT_EQ(d->text(110), "&Hjälp");
    EXPECT_EQ(d->text(999), ""); // no such control
    EXPECT_FALSE(d->checked(103));
    d->setChecked(103, true);
    EXPECT_TRUE(d->checked(103));

    // Typing respects the field's maximum length; read-only and disabled fields refuse.
    EXPECT_EQ(ui::automation::setText(id(101), "abcdefgh"), "");
    EXPECT_EQ(d->text(101), "abcde");
    EXPECT_NE(ui::automation::setText(id(102), "x"), "");
    d->enable(101, false);
    EXPECT_NE(ui::automation::setText(id(101), "x"), "");
    EXPECT_NE(ui::automation::press(id(999)), "");

    // A caption names a control with or without its mnemonic.
    int helps = 0;
    d->onButton(110, [&] { ++helps; });
    EXPECT_EQ(ui::automation::press(cap("&Hjälp")), "");
    EXPECT_EQ(ui::automation::press(cap("Hjälp")), "");
    EXPECT_EQ(helps, 2);
    d->enable(110, false);
    EXPECT_NE(ui::automation::press(id(110)), "");

    // A label names the field it labels: "&Namn:" is field 101, and so is the label "Fält" (no
    // mnemonic) that stands right before it in the second resource.
    d->enable(101, true);
    EXPECT_EQ(ui::automation::setText(cap("&Namn:"), "Bo"), "");
    EXPECT_EQ(ui::automation::setText(cap("Namn:"), "Cid"), "");
    EXPECT_EQ(d->text(101), "Cid");
    static const ui::DialogResource etiketter{901,
                                              "Etiketter",
                                              2,
                                              {{ui::IDSTATIC, Kind::Static, "Fält", 0, 0},
                                               {201, Kind::Edit, "", 0, 1},
                                               {ui::IDSTATIC, Kind::Static, "Rubrik", 1, 0},
                                               {202, Kind::Button, "&Knapp", 1, 1}}};
    auto* e = new ui::Dialog(&uitest::mainWindow(), etiketter);
    e->show();
    EXPECT_EQ(ui::automation::setText(cap("Fält"), "Dan"), "");
    EXPECT_EQ(e->text(201), "Dan");
    EXPECT_NE(ui::automation::press(cap("Rubrik")), ""); // a label before a button names no field
}

TEST_F(DialogTest, RadiosOfAGroupClearEachOther) {
    auto* d = new Probe();
    d->show();
    int clicks = 0;
    d->onButton(105, [&] { ++clicks; });
    EXPECT_EQ(ui::automation::setChecked(id(104), true), "");
    EXPECT_EQ(ui::automation::setChecked(id(105), true), "");
    EXPECT_FALSE(d->checked(104));
    EXPECT_TRUE(d->checked(105));
    EXPECT_EQ(clicks, 1);
    // Code may clear every radio of a group, which a user cannot.
    d->setChecked(105, false);
    EXPECT_FALSE(d->checked(104));
    EXPECT_FALSE(d->checked(105));
}

TEST_F(DialogTest, ListsKeepOrderSortAndSelect) {
    auto* d = new Probe();
    d->show();
    for (const char* name : {"Östen", "adam", "Bertil", "Adam"})
        d->addRow(106, name);
    EXPECT_EQ(d->count(106), 4);
    EXPECT_EQ(d->rowText(106, 0), "Adam");
    EXPECT_EQ(d->rowText(106, 1), "adam");
    EXPECT_EQ(d->rowText(106, 2), "Bertil");
    EXPECT_EQ(d->selection(106), -1);

    for (const char* r : {"3", "1", "2"})
        d->addRow(109, r);
    EXPECT_EQ(d->rowText(109, 0), "3"); // an unsorted list keeps insertion order
    d->insertRow(109, 0, "0");
    d->deleteRow(109, 2);
    EXPECT_EQ(d->rowText(109, 0), "0");
    EXPECT_EQ(d->rowText(109, 2), "2");
    EXPECT_EQ(d->findRow(109, "2"), 2);
    EXPECT_EQ(d->findRow(109, "9"), -1);

    int changes = 0, doubles = 0;
    d->onSelectionChange(109, [&] { ++changes; });
    d->onDoubleClick(109, [&] { doubles = d->selection(109) + 100; });
    d->select(109, 1); // code selects without handlers
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(d->selection(109), 1);
    EXPECT_EQ(ui::automation::select(id(109), {2}), "");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(d->text(109), "2");
    EXPECT_EQ(ui::automation::doubleClick(id(109), 0), "");
    EXPECT_EQ(doubles, 100);
    EXPECT_NE(ui::automation::select(id(109), {3}), "");
    EXPECT_NE(ui::automation::select(id(109), {0, 1}), "");
    EXPECT_EQ(ui::automation::select(id(109), {-1}), "");
    EXPECT_EQ(d->selection(109), -1);

    for (const char* r : {"a", "b", "c", "d"})
        d->addRow(107, r);
    EXPECT_EQ(ui::automation::select(id(107), {3, 1}), "");
    EXPECT_EQ(d->selections(107), (std::vector<int>{1, 3}));
    d->setSelected(107, 1, false);
    EXPECT_EQ(d->selections(107), (std::vector<int>{3}));

    // A combo starts without a selection and keeps its typed text while rows come and go.
    d->setText(108, "fritt");
    d->addRow(108, "x");
    d->addRow(108, "y");
    EXPECT_EQ(d->selection(108), -1);
    EXPECT_EQ(d->text(108), "fritt");
    EXPECT_EQ(ui::automation::select(id(108), {1}), "");
    EXPECT_EQ(d->text(108), "y");
    d->clearList(106);
    EXPECT_EQ(d->count(106), 0);
}

TEST_F(DialogTest, CommitCancelAndFrameCloseEachDestroyOnce) {
    destroyedCount = 0;
    int& destroyed = destroyedCount;
    auto* a = new Probe();
    a->show();
    EXPECT_EQ(ui::automation::press(id(ui::IDOK)), "");
    EXPECT_EQ(a->oks, 1);
    EXPECT_FALSE(a->isOpen());
    EXPECT_EQ(destroyed, 1);

    auto* b = new Probe();
    b->show();
    EXPECT_EQ(ui::automation::press(cap("&Avbryt")), "");
    EXPECT_EQ(b->cancels, 1);
    EXPECT_EQ(destroyed, 2);

    auto* c = new Probe();
    c->show();
    c->setCaption("Prov 2");
    EXPECT_EQ(ui::automation::closeActive(), ""); // the frame's close button is cancel
    EXPECT_EQ(c->cancels, 1);
    EXPECT_EQ(c->oks, 0);
    EXPECT_EQ(destroyed, 3);
    c->close(); // closing twice runs the hook once
    EXPECT_EQ(destroyed, 3);
    ui::automation::settle();
    EXPECT_EQ(recorder().events,
              (std::vector<std::string>{"window Prov", "closed Prov", "window Prov", "closed Prov",
                                        "window Prov", "caption Prov 2", "closed Prov 2"}));
}

TEST_F(DialogTest, ModalDialogReturnsItsEndCode) {
    int result = 0;
    {
        ui::Dialog modal(&uitest::mainWindow(), testResource());
        // The user's actions arrive while execute() waits.
        ui::Window::post(1000);
        uitest::mainWindow().onMessage(1000, [&] { ui::automation::press(id(ui::IDOK)); });
        result = modal.execute();
        EXPECT_FALSE(modal.isOpen());
    }
    EXPECT_EQ(result, ui::IDOK);
}

TEST_F(DialogTest, DumpListsControlsInResourceOrder) {
    auto* d = new Probe();
    d->show();
    d->addRow(109, "rad");
    d->select(109, 0);
    d->setChecked(103, true);
    d->enable(110, false);
    std::vector<std::string> lines;
    ASSERT_EQ(ui::automation::dump(lines), "");
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "dump \"Prov\"");
    EXPECT_EQ(lines[1], "-1 static \"&Namn:\"");
    EXPECT_EQ(lines[2], "101 edit \"start\"");
    EXPECT_EQ(lines[3], "102 readonly \"fast\"");
    EXPECT_EQ(lines[4], "103 check checked \"&Klubb\"");
    EXPECT_EQ(lines[10], "109 list sel=0");
    EXPECT_EQ(lines[11], "    \"rad\"");
    EXPECT_EQ(lines[12], "1 default \"&Kör\"");
    EXPECT_EQ(lines[14], "110 button disabled \"&Hjälp\"");
}

TEST_F(DialogTest, DirectoryListChangesTheCurrentDirectory) {
    const TempDir tmp;
    const QString dir = QString::fromStdString(tmp.path().string());
    ASSERT_TRUE(QDir(dir).mkpath("b/inre"));
    ASSERT_TRUE(QDir(dir).mkpath("a"));
    static const ui::DialogResource r{901, "Katalog", 1, {{201, Kind::DirList, "", 0, 0}}};
    auto* d = new ui::Dialog(&uitest::mainWindow(), r);
    d->show();
    d->setDirectory(201, tmp.path().string());
    EXPECT_EQ(d->count(201), 3);
    EXPECT_EQ(d->rowText(201, 0), "..");
    EXPECT_EQ(d->rowText(201, 1), "a");
    int chosen = 0;
    d->onSelectionChange(201, [&] { ++chosen; });
    EXPECT_EQ(ui::automation::chooseDirectory("b"), "");
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(), QDir(dir + "/b").canonicalPath());
    EXPECT_EQ(d->rowText(201, 1), "inre");
    EXPECT_NE(ui::automation::chooseDirectory("saknas"), "");
}

// A tool has no main window: its one dialog is the program's window. Escape must not end the
// program, closing the frame must; while the dialog is the program's window, uiscript's steps
// see the program running only as long as that dialog is open.
TEST_F(DialogTest, ADialogShownAsTheProgramWindowEndsTheProgramOnlyThroughItsFrame) {
    static const ui::DialogResource r{902, "Verktyg", 1, {{201, Kind::Edit, "", 0, 0}}};
    auto* d = new ui::Dialog(nullptr, r);
    d->showAsProgramWindow();
    EXPECT_TRUE(ui::automation::programRunning());
    auto* frame = qobject_cast<QDialog*>(d->impl().widget);
    ASSERT_NE(frame, nullptr);
    frame->reject(); // what Escape does
    ui::automation::settle();
    EXPECT_TRUE(d->isOpen());
    EXPECT_EQ(ui::automation::closeActive(), "");
    EXPECT_FALSE(ui::automation::programRunning());
    ui::automation::settle(); // the dialog is deleted: the main window is the program's window again
    EXPECT_TRUE(ui::automation::programRunning());
    EXPECT_EQ(recorder().events, (std::vector<std::string>{"window Verktyg", "closed Verktyg"}));
}

} // namespace
