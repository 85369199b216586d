// uiscript: reading scripts, and the program's exit status and error stream.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

#include "tests/ui/ui_fixture.h"
#include "ui/automation_script.h"

namespace {

using ui::automation::parseScript;
using ui::automation::Step;

std::vector<Step> parse(const std::string& s) {
    std::vector<Step> steps;
    std::string error;
    EXPECT_TRUE(parseScript(s, steps, error)) << error;
    return steps;
}

std::string parseError(const std::string& s) {
    std::vector<Step> steps;
    std::string error;
    EXPECT_FALSE(parseScript(s, steps, error));
    return error;
}

TEST(UiscriptParse, StepsWithIdsCaptionsAndTexts) {
    const auto steps =
        parse("# comment\nprogram lott\n\nmenu \"&Ny turnering\"\nset 101 Klubb # 2  \nset 102\n"
              "select 101 0 2\nselect 7 -1\n  dblclick -1 3\nanswer 2 1\ntick\ntick 4\ndir ../a b\ndump\r\n");
    ASSERT_EQ(steps.size(), 12u);
    EXPECT_EQ(steps[0].verb, "program");
    EXPECT_EQ(steps[0].text, "lott");
    EXPECT_EQ(steps[0].line, 2);
    EXPECT_TRUE(steps[1].control.byCaption);
    EXPECT_EQ(steps[1].control.caption, "&Ny turnering");
    EXPECT_EQ(steps[2].control.id, 101);
    EXPECT_EQ(steps[2].text, "Klubb # 2  "); // the rest of the line, kept as written
    EXPECT_EQ(steps[3].text, "");
    EXPECT_EQ(steps[4].numbers, (std::vector<int>{0, 2}));
    EXPECT_EQ(steps[5].numbers, (std::vector<int>{-1}));
    EXPECT_EQ(steps[6].control.id, -1);
    EXPECT_EQ(steps[6].numbers, (std::vector<int>{3}));
    EXPECT_EQ(steps[7].numbers, (std::vector<int>{2, 1}));
    EXPECT_EQ(steps[8].numbers, (std::vector<int>{1}));
    EXPECT_EQ(steps[9].numbers, (std::vector<int>{4}));
    EXPECT_EQ(steps[10].text, "../a b");
    EXPECT_EQ(steps[11].verb, "dump");
    EXPECT_EQ(steps[11].line, 14);
}

TEST(UiscriptParse, ProgramArgumentsAndToday) {
    const auto steps = parse("program  lagturnering --total  x\ntoday 2004-02-29 23:59:00\n");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].text, "lagturnering");
    EXPECT_EQ(steps[0].args, (std::vector<std::string>{"--total", "x"}));
    EXPECT_EQ(steps[1].verb, "today");
    EXPECT_EQ(steps[1].text, "2004-02-29 23:59:00");
    // Moments that do not exist, or are not written YYYY-MM-DD HH:MM:SS, are refused.
    for (const char* bad :
         {"2003-02-29 10:00:00", "1900-02-29 10:00:00", "2004-13-01 10:00:00", "2004-04-31 10:00:00",
          "2004-01-01 24:00:00", "2004-01-01 10:60:00", "2004-1-01 10:00:00", "2004-01-01T10:00:00",
          "2004-01-01 10:00:00x", "2004-01-01"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(parseError(std::string("program rank\ntoday ") + bad + "\n"),
                  "line 2: today takes a moment as YYYY-MM-DD HH:MM:SS");
    }
}

TEST(UiscriptParse, MalformedLinesNameTheirLine) {
    EXPECT_EQ(parseError("menu 5\n"), "line 1: the first step must be \"program NAME\"");
    EXPECT_EQ(parseError(""), "line 0: the first step must be \"program NAME\"");
    EXPECT_EQ(parseError("program lott\nklicka 5\n"), "line 2: unknown step \"klicka\"");
    EXPECT_EQ(parseError("program lott\n\nanswer 3\n"), "line 3: an answer is 1 or 2");
    EXPECT_NE(parseError("program lott\npress\n"), "");
    EXPECT_NE(parseError("program lott\npress \"OK\n"), "");
    EXPECT_NE(parseError("program lott\npress 12x\n"), "");
    EXPECT_NE(parseError("program lott\npress 1 2\n"), "");
    EXPECT_NE(parseError("program lott\nselect 101\n"), "");
    EXPECT_NE(parseError("program lott\nselect 101 a\n"), "");
    EXPECT_NE(parseError("program lott\ndblclick 101 1 2\n"), "");
    EXPECT_NE(parseError("program lott\ntick -1\n"), "");
    EXPECT_NE(parseError("program lott\nclose now\n"), "");
    EXPECT_NE(parseError("program\n"), "");
    EXPECT_EQ(parseError("program lott\nshot\n"), "line 2: shot needs an argument");
}

// Runs the built uiscript on `script` in a fresh directory.
struct Outcome {
    int status = -1;
    std::string out, err;
};

// `files` maps file names to contents, written into the directory first.
Outcome runUiscript(const QString& script, const std::map<QString, QByteArray>& files = {}) {
    const QString exe = QCoreApplication::applicationDirPath() + "/../uiscript";
    EXPECT_TRUE(QFile::exists(exe)) << exe.toStdString();
    QTemporaryDir dir;
    for (const auto& [name, bytes] : files) {
        QFile g(dir.path() + "/" + name);
        EXPECT_TRUE(g.open(QIODevice::WriteOnly));
        g.write(bytes);
    }
    QFile f(dir.path() + "/t.ui");
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(script.toUtf8());
    f.close();
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(exe, {"t.ui"});
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

TEST(UiscriptRun, AStepThatCannotBeCarriedOutEndsWithStatusOne) {
    uitest::mainWindow(); // the application for QProcess
    Outcome r = runUiscript("program lott\nmenu 499\npress 4711\ndump\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "window \"Turneringsverktyg\"\nwindow \"Välj turnering\"\n");
    EXPECT_EQ(r.err, "uiscript: line 3: no control 4711 in \"Välj turnering\"\n");

    r = runUiscript("program lott\nmenu 101\nmenu 992\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "window \"Turneringsverktyg\"\nclosed \"Turneringsverktyg\"\n");
    EXPECT_EQ(r.err, "uiscript: line 3: the program has ended\n");

    r = runUiscript("program rank9\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "uiscript: line 1: no program \"rank9\"\n");

    r = runUiscript("program lott\nanswer 2\nmenu 1673\ndump\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(QString::fromStdString(r.out).startsWith(
        "window \"Turneringsverktyg\"\nmessage 46\ndump \"Turneringsverktyg\"\nmenu \"&Turnering\"\n"));
    EXPECT_EQ(r.err, "");
}

TEST(UiscriptRun, ShotSavesThePictureOfTheActiveWindow) {
    uitest::mainWindow();
    QTemporaryDir pictures;
    const QString dialog = pictures.path() + "/valj.png";
    const QString main = pictures.path() + "/huvud.png";
    Outcome r = runUiscript("program lott\nmenu 499\nshot " + dialog + "\nclose\nshot " + main + "\n");
    EXPECT_EQ(r.status, 0) << r.err;
    const QImage d(dialog), m(main);
    ASSERT_FALSE(d.isNull());
    ASSERT_FALSE(m.isNull());
    // The dialog is drawn, not the main window behind it: it is the smaller picture.
    EXPECT_LT(d.width() * d.height(), m.width() * m.height());
    EXPECT_GT(d.width(), 100);
    EXPECT_GT(d.height(), 100);

    r = runUiscript("program lott\nshot " + pictures.path() + "/saknas/x.png\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "uiscript: line 2: cannot write " + (pictures.path() + "/saknas/x.png").toStdString() + "\n");
}

TEST(UiscriptRun, AFileThatCannotBeOpenedEndsTheProgramAsTheStoreDefines) {
    uitest::mainWindow();
    // "TURN" names tournament 1, whose player file is missing.
    QByteArray turn(52, '\0');
    turn[0] = 1;
    turn.replace(4, 4, "Vår ");
    Outcome r = runUiscript("program lott\nmenu 499\npress 1\ndump\n", {{"TURN", turn}});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot open output file.\n");
    // The player file is read before the dialog closes: the program ends with it open.
    EXPECT_EQ(r.out, "window \"Turneringsverktyg\"\nwindow \"Välj turnering\"\n");
}

// A tool starts through uiscript with its arguments, as the program's own window; a `today` step
// right after the program line is in force already when the tool preselects today's period
// (May 2003: 3 x 5 + 1 + 1 = 17), a later one only from there on.
TEST(UiscriptRun, ToolsStartWithTheirArgumentsAndTheDateOfTheLineAfterProgram) {
    uitest::mainWindow();
    Outcome r = runUiscript("program ratingbridge\ntoday 2003-05-10 12:00:00\ndump\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("105 dropdown sel=17\n"), std::string::npos) << r.out;
    r = runUiscript("program ratingbridge\nclose\ntoday 2003-05-10 12:00:00\ndump\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "window \"Ranking från LOTT-turnering\"\nclosed \"Ranking från LOTT-turnering\"\n");
    EXPECT_EQ(r.err, "uiscript: line 4: the program has ended\n");
    r = runUiscript("program ratingbridge\ndump\ntoday 2003-05-10 12:00:00\n");
    EXPECT_NE(r.out.find("105 dropdown sel=10\n"), std::string::npos) << r.out; // 2001-03-07: 3 x 3 + 0 + 1
    r = runUiscript("program lagturnering --total\n");
    EXPECT_EQ(r.out, "window \"Lagturneringen i skolsm\"\n");
    r = runUiscript("program resultfix --lag\n");
    EXPECT_EQ(r.out, "window \"Korrigeringsprogram Lag\"\n");
}

} // namespace
