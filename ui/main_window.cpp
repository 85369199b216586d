#include "ui/main_window.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "ui/detail/menu_impl.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"

namespace ui {
namespace {
MainWindow* theMain = nullptr;
std::map<int, std::function<void()>> messageHandlers;
std::function<void()> refreshHandler;
bool refreshQueued = false;

// The overview's widgets, made when the program first shows one, and what they show.
struct OverviewParts {
    QLabel* place = nullptr;
    QTreeWidget* table = nullptr;
    Overview shown;
};
OverviewParts overviewParts;

std::string joined(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i ? " | " : "") + cells[i];
    return line;
}
} // namespace

namespace detail {
void dispatchMessage(int message) {
    if (!theMain || theMain->impl().closed) return;
    auto it = messageHandlers.find(message);
    if (it == messageHandlers.end()) return;
    auto handler = it->second;
    handler();
    requestRefresh();
}

void requestRefresh() {
    if (refreshQueued || !refreshHandler) return;
    refreshQueued = true;
    later([] {
        refreshQueued = false;
        if (theMain && !theMain->impl().closed) theMain->refresh();
    });
}
} // namespace detail

MainWindow::MainWindow(const std::string& title, const MenuResource& menu) : Window(nullptr) {
    auto* frame = new QMainWindow();
    frame->setWindowTitle(detail::toQ(title));
    frame->setCentralWidget(new QWidget());
    frame->statusBar()->showMessage(QString());
    impl().widget = frame;
    impl().menu = new detail::MenuImpl{menu, {}, {}};
    impl().menu->build(frame->menuBar());
    detail::installFrameClose(impl());
    impl().dumpBody = [this](std::vector<std::string>& lines) {
        impl().menu->dump(lines);
        // The overview's table, not the line about the folder (it names a place on this machine).
        if (!overviewParts.table) return;
        const Overview& o = overviewParts.shown;
        lines.push_back("overview \"" + joined(o.headings) + "\"");
        for (const auto& row : o.rows)
            lines.push_back("    \"" + joined(row) + "\"");
        if (o.rows.empty()) lines.push_back("    \"" + o.empty + "\"");
    };
    theMain = this;
}

MainWindow::~MainWindow() {
    if (theMain == this) theMain = nullptr;
    messageHandlers.clear();
    refreshHandler = nullptr;
    overviewParts = {};
    delete impl().menu;
}

void MainWindow::showMaximized() {
    impl().showWidget(true);
}

void MainWindow::onCommand(int id, std::function<void()> handler) {
    impl().menu->handlers[id] = std::move(handler);
}

void MainWindow::onMessage(int message, std::function<void()> handler) {
    messageHandlers[message] = std::move(handler);
}

void MainWindow::setStatusText(const std::string& text) {
    static_cast<QMainWindow*>(impl().widget)->statusBar()->showMessage(detail::toQ(text));
}

void MainWindow::setOverview(const Overview& overview) {
    auto& parts = overviewParts;
    if (!parts.table) {
        auto* area = new QWidget();
        auto* layout = new QVBoxLayout(area);
        parts.place = new QLabel();
        parts.place->setTextFormat(Qt::PlainText);
        parts.table = new QTreeWidget();
        parts.table->setRootIsDecorated(false);
        parts.table->setSelectionMode(QAbstractItemView::NoSelection);
        parts.table->setFocusPolicy(Qt::NoFocus);
        parts.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        parts.table->header()->setSectionsMovable(false);
        layout->addWidget(parts.place);
        layout->addWidget(parts.table);
        static_cast<QMainWindow*>(impl().widget)->setCentralWidget(area);
    }
    parts.shown = overview;
    parts.place->setText(detail::toQ(overview.place));
    parts.table->clear();
    QStringList headings;
    for (const auto& h : overview.headings)
        headings << detail::toQ(h);
    parts.table->setHeaderLabels(headings);
    for (const auto& row : overview.rows) {
        QStringList cells;
        for (const auto& c : row)
            cells << detail::toQ(c);
        parts.table->addTopLevelItem(new QTreeWidgetItem(cells));
    }
    if (overview.rows.empty()) {
        // The hint stands in the table itself, across its columns.
        auto* hint = new QTreeWidgetItem(QStringList{detail::toQ(overview.empty)});
        parts.table->addTopLevelItem(hint);
        hint->setFirstColumnSpanned(true);
    }
    for (int c = 0; c < parts.table->columnCount(); ++c)
        parts.table->resizeColumnToContents(c);
}

void MainWindow::onRefresh(std::function<void()> handler) {
    refreshHandler = std::move(handler);
}

void MainWindow::refresh() {
    if (refreshHandler) refreshHandler();
}

MainWindow* MainWindow::instance() {
    return theMain;
}

} // namespace ui
