// guide_html GUIDE.md OUT.html: renders the user guide for installation with Qt's own Markdown
// reader, every heading carrying the anchor the guide's links (and the programs' help window)
// use. Runs at build time, off screen.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "ui/detail/guide_anchor.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: guide_html GUIDE.md OUT.html\n", stderr);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The toolkit's notes about the off-screen platform are no news in a build log.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "guide_html: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument doc;
    // A fixed font, so that the page does not depend on the machine that built it.
    doc.setDefaultFont(QFont("Sans Serif", 11));
    doc.setMarkdown(QString::fromUtf8(in.readAll()), QTextDocument::MarkdownDialectGitHub);

    QString title;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0 || b.text().isEmpty()) continue;
        if (title.isEmpty()) title = b.text();
        QTextCursor c(b);
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorNames({ui::detail::guideAnchor(b.text())});
        c.mergeCharFormat(anchor);
    }
    doc.setMetaInformation(QTextDocument::DocumentTitle, title);

    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(doc.toHtml().toUtf8()) < 0) {
        std::fprintf(stderr, "guide_html: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
