#include "ui/detail/help_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/detail/guide_anchor.h"
#include "ui/detail/runtime.h"
#include "ui/detail/window_impl.h"
#include "ui/window.h"

namespace ui::detail {
namespace {

// The rendered guide: installed beside the programs (PREFIX/bin -> PREFIX/share/doc/...), or in
// the build tree beside the executables (docs/ of the build directory).
QString guideFile() {
    const QString bin = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {bin + "/../share/doc/turneringsverktyg/handbok.html",
                                     bin + "/docs/handbok.html", bin + "/../docs/handbok.html"})
        if (QFileInfo::exists(candidate)) return QFileInfo(candidate).canonicalFilePath();
    return {};
}

class HelpWindow : public Window {
  public:
    HelpWindow() : Window(nullptr) {
        auto* frame = new QWidget();
        frame->setWindowTitle("Handbok");
        frame->resize(820, 640);
        auto* layout = new QVBoxLayout(frame);
        auto* bar = new QHBoxLayout();
        auto* back = button("Bakåt", QKeySequence::Back);
        auto* forward = button("Framåt", QKeySequence::Forward);
        auto* home = button("Innehåll", QKeySequence(Qt::ALT | Qt::Key_Home));
        search_ = new QLineEdit();
        search_->setPlaceholderText("Sök i handboken");
        auto* next = new QPushButton("Sök &nästa");
        next->setShortcut(QKeySequence::FindNext);
        note_ = new QLabel();
        bar->addWidget(back);
        bar->addWidget(forward);
        bar->addWidget(home);
        bar->addSpacing(12);
        bar->addWidget(search_, 1);
        bar->addWidget(next);
        bar->addWidget(note_);
        browser_ = new QTextBrowser();
        browser_->setOpenExternalLinks(true);
        layout->addLayout(bar);
        layout->addWidget(browser_, 1);

        back->setEnabled(false);
        forward->setEnabled(false);
        QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
        QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
        QObject::connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
        QObject::connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
        QObject::connect(home, &QToolButton::clicked, [this] { open({}); });
        QObject::connect(search_, &QLineEdit::returnPressed, [this] { find(); });
        QObject::connect(next, &QPushButton::clicked, [this] { find(); });
        auto* findKey = new QAction(frame);
        findKey->setShortcut(QKeySequence::Find);
        QObject::connect(findKey, &QAction::triggered, [this] {
            search_->setFocus();
            search_->selectAll();
        });
        auto* shut = new QAction(frame);
        shut->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
        QObject::connect(shut, &QAction::triggered, [this] { close(); });
        frame->addActions({findKey, shut});

        impl().widget = frame;
        installFrameClose(impl());
        impl().dumpBody = [this](std::vector<std::string>& lines) {
            lines.push_back("chapter \"" + fromQ(chapterShown()) + "\"");
        };
    }

    void open(const std::string& heading) {
        const QString file = guideFile();
        if (file.isEmpty()) {
            browser_->setPlainText("Handboken hittades inte. Den installeras med programmen i\n"
                                   "/usr/share/doc/turneringsverktyg/handbok.html.");
            return;
        }
        QUrl url = QUrl::fromLocalFile(file);
        if (!heading.empty()) url.setFragment(guideAnchor(toQ(heading)));
        browser_->setSource(url);
        if (heading.empty()) browser_->verticalScrollBar()->setValue(0);
    }

  private:
    QToolButton* button(const QString& text, const QKeySequence& key) {
        auto* b = new QToolButton();
        b->setText(text);
        b->setShortcut(key);
        b->setToolTip(text + " (" + key.toString(QKeySequence::NativeText) + ")");
        return b;
    }

    // Finds the next place of the search text, from the top again after the last one.
    void find() {
        const QString text = search_->text();
        note_->clear();
        if (text.isEmpty()) return;
        if (browser_->find(text)) return;
        browser_->moveCursor(QTextCursor::Start);
        if (!browser_->find(text)) note_->setText("Hittades inte");
    }

    // The heading of the chapter the browser was last sent to (automation's dump shows it).
    QString chapterShown() const {
        const QString anchor = browser_->source().fragment(QUrl::FullyDecoded);
        if (anchor.isEmpty()) return {};
        for (QTextBlock b = browser_->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorNames().contains(anchor)) return b.text();
        return {};
    }

    void onDestroy() override;

    QTextBrowser* browser_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* note_ = nullptr;
};

HelpWindow* theHelp = nullptr;

void HelpWindow::onDestroy() {
    if (theHelp == this) theHelp = nullptr;
}

} // namespace

void openHelpWindow(const std::string& heading) {
    if (!theHelp) theHelp = new HelpWindow();
    theHelp->open(heading);
    if (theHelp->isOpen()) {
        // Brought forward, it is the active window again.
        closedWindow(theHelp);
        opened(theHelp);
    }
    theHelp->show();
}

bool isHelpWindow(const Window* w) {
    return w && w == theHelp;
}

} // namespace ui::detail
