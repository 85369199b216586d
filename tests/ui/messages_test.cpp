// Posted messages, timers, menus and message boxes.
#include "tests/ui/ui_fixture.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace {

using uitest::recorder;

class MessagesTest : public uitest::UiTest {};

TEST_F(MessagesTest, PostedMessagesRunAfterTheHandlerInPostingOrder) {
    std::vector<std::string> log;
    auto& main = uitest::mainWindow();
    main.onMessage(1001, [&] {
        log.push_back("1001");
        ui::Window::post(1003); // posted while handling: runs after 1002
    });
    main.onMessage(1002, [&] { log.push_back("1002"); });
    main.onMessage(1003, [&] { log.push_back("1003"); });
    main.onCommand(10, [&] {
        ui::Window::post(1001);
        ui::Window::post(1002);
        log.push_back("handler done");
    });
    EXPECT_EQ(ui::automation::menu({10, "", false}), "");
    EXPECT_EQ(log, (std::vector<std::string>{"handler done"}));
    ui::automation::settle();
    EXPECT_EQ(log, (std::vector<std::string>{"handler done", "1001", "1002", "1003"}));

    // A message without a handler is dropped; menu items are found by caption too.
    ui::Window::post(4711);
    EXPECT_EQ(ui::automation::menu({0, "Gör", true}), "");
    ui::automation::settle();
    EXPECT_EQ(log.size(), 8u); // the command ran again: four more entries
    EXPECT_NE(ui::automation::menu({12, "", false}), "");
    EXPECT_NE(ui::automation::menu({0, "Saknas", true}), "");
}

TEST_F(MessagesTest, AMessageBoxHoldsPostedMessagesUntilItCloses) {
    int handled = 0;
    uitest::mainWindow().onMessage(1005, [&] { ++handled; });
    {
        ui::detail::HoldQueue box; // what a message box on a real display keeps while it waits
        ui::Window::post(1005);
        ui::automation::settle();
        EXPECT_EQ(handled, 0);
    }
    ui::automation::settle();
    EXPECT_EQ(handled, 1);
}

TEST_F(MessagesTest, TimersRepeatUntilStoppedOrClosed) {
    static const ui::DialogResource r{902, "Timer", 1, {{ui::IDOK, ui::Kind::DefaultButton, "OK", 0, 0}}};
    auto* d = new ui::Dialog(&uitest::mainWindow(), r);
    d->show();
    int a = 0, b = 0;
    d->startTimer(1, 300, [&] { ++a; });
    d->startTimer(2, 300, [&] {
        if (++b == 2) d->stopTimer(2);
    });
    EXPECT_EQ(ui::automation::tick(3), "");
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 2);
    d->close();
    EXPECT_EQ(ui::automation::tick(1), "");
    EXPECT_EQ(a, 3); // a closed window's timers are stopped
}

TEST_F(MessagesTest, MessageBoxesTakeQueuedAnswers) {
    ui::setMessageCatalogue(
        {{36, "Meddelande", {"Stäng först det fönster som du redan", "har öppet!"}, {"&OK"}},
         {34, "Meddelande", {"Vill du?"}, {"&Ja", "&Nej"}}});
    ASSERT_NE(ui::findMessage(34), nullptr);
    EXPECT_EQ(ui::findMessage(34)->buttons.size(), 2u);
    EXPECT_EQ(ui::findMessage(35), nullptr);

    EXPECT_EQ(ui::TEnkel(&uitest::mainWindow(), 34).Execute(), 1); // no queued answer: the first button
    ui::automation::queueAnswers({2, 1});
    EXPECT_EQ(ui::TEnkel(&uitest::mainWindow(), 34).Execute(), 2);
    EXPECT_EQ(ui::TEnkel(nullptr, 36).Execute(), 1);
    EXPECT_EQ(ui::TEnkel(nullptr, 35).Execute(), 2); // unknown number: shown as nothing, counts as closed
    EXPECT_EQ(recorder().events, (std::vector<std::string>{"message 34", "message 34", "message 36"}));
}

TEST_F(MessagesTest, MainWindowIsShownMaximisedAndActiveWhenAlone) {
    EXPECT_TRUE(uitest::mainWindow().impl().widget->isMaximized());
    EXPECT_TRUE(uitest::mainWindow().isOpen());
    EXPECT_EQ(ui::MainWindow::instance(), &uitest::mainWindow());
}

TEST_F(MessagesTest, MainWindowDumpShowsItsMenu) {
    std::vector<std::string> lines;
    ASSERT_EQ(ui::automation::dump(lines), "");
    EXPECT_EQ(lines, (std::vector<std::string>{"dump \"Main\"", "menu \"&Arkiv\"", "    10 \"&Gör\"", "    -",
                                               "    11 \"Annat\""}));
}

} // namespace
