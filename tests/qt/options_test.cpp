// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' command line: the choices it makes and keeps, and a bad value that stops a
// program before anything starts, in Arabic and in English.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "qt/options.h"
#include "view_fixture.h"

namespace {

using qtview::Digits;

TEST(CommandLine, TakesTheChoicesAndKeepsThemUntilTheyChange)
{
    struct Row {
        QStringList arguments;
        QStringList kept_before, kept_after;  // digits and zoom as the settings hold them
        std::optional<int> exit_status;
        QString says;  // part of the output
        Digits digits = Digits::Western;
        double zoom = 1;
    };
    const QStringList none = {"", ""};
    const std::vector<Row> table = {
        {{}, none, none, {}, "", Digits::Western, 1},
        {{"--digits", "eastern"}, none, {"eastern", ""}, {}, "", Digits::Eastern, 1},
        {{"--zoom=1.5", "--digits=Western"}, {"eastern", "2"}, {"western", "1.5"}, {}, "", Digits::Western, 1.5},
        {{}, {"eastern", "3"}, {"eastern", "3"}, {}, "", Digits::Eastern, 3},
        {{"--zoom", "٠٫٧٥"}, none, {"", "0.75"}, {}, "", Digits::Western, 0.75},
        {{}, {"klingon", "30"}, {"klingon", "30"}, {}, ""},
        {{"--digits", "arabic"}, {"eastern", ""}, {"eastern", ""}, 2, "not \"arabic\""},
        {{"--digits", "eastern", "--zoom", "9"}, none, none, 2, "وليست «9»"},
        {{"--zoom", "0.5"}, none, none, 2, "from 0.75 to 3"},
        {{"--zoom", "2x"}, none, none, 2, "--help"},
        {{"--zoom"}, none, none, 2, "في سطر الأوامر خطأ"},
        {{"--zoom", "2", "-platform"}, none, none, 2, "خيار غير معروف: -platform"},
        {{"lesson"}, none, none, 2, "options only"},
        {{"--help", "--digits", "eastern"}, none, none, 0, "يعرض هذه المساعدة"},
        {{"--version"}, none, none, 0, "numeria 1."},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        QTemporaryDir dir;
        QSettings kept(dir.filePath("kept.conf"), QSettings::IniFormat);
        for (const auto& [key, value] : {std::pair{"digits", row.kept_before[0]}, {"zoom", row.kept_before[1]}})
            if (!value.isEmpty())
                kept.setValue(key, value);
        const auto start = qtview::read_command_line(QStringList{"numeria"} + row.arguments, numeria::program(), kept);
        EXPECT_EQ(start.exit_status, row.exit_status);
        EXPECT_TRUE(start.output.contains(row.says)) << start.output.toStdString();
        EXPECT_EQ((QStringList{kept.value("digits").toString(), kept.value("zoom").toString()}), row.kept_after);
        if (!start.exit_status) {
            EXPECT_EQ(start.choice.digits, row.digits);
            EXPECT_DOUBLE_EQ(start.choice.zoom, row.zoom);
        }
    }
}

TEST(CommandLine, SpeakIsOffUnlessChosenAndKept)
{
    struct Row {
        QStringList arguments;
        QString kept_before, kept_after;
        bool speak, asked;
        std::optional<int> exit_status;
    };
    const std::vector<Row> table = {
        {{}, "", "", false, false, {}},
        {{"--speak", "on"}, "", "on", true, true, {}},
        {{}, "on", "on", true, false, {}},
        {{"--speak=OFF"}, "on", "off", false, false, {}},
        {{"--speak", "yes"}, "on", "on", false, false, 2},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        QTemporaryDir dir;
        QSettings kept(dir.filePath("kept.conf"), QSettings::IniFormat);
        if (!row.kept_before.isEmpty())
            kept.setValue("speak", row.kept_before);
        const auto start = qtview::read_command_line(QStringList{"numeria"} + row.arguments, numeria::program(), kept);
        EXPECT_EQ(start.exit_status, row.exit_status);
        EXPECT_EQ(kept.value("speak").toString(), row.kept_after);
        if (!start.exit_status) {
            EXPECT_EQ(start.speak, row.speak);
            EXPECT_EQ(start.speak_asked, row.asked);
        }
    }
}

struct Outcome {
    int exit_code = -1;  // -1 when the program did not end by itself
    QString out, err;
    bool kept_anything = false;
};

// A program run as the pupil would run it, with a place of its own for kept choices. A tutor
// that went on to open its window would wait for the pupil, so by default it gets no display it
// can use (the window system "none") and stops at once if it tries.
Outcome run(const QString& program, const QStringList& arguments, const QString& window_system = "none")
{
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", window_system);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()), !QDir(home.path()).isEmpty()};
}

TEST(CommandLine, ABadValueStopsTheProgramBeforeAnythingStarts)
{
    const std::vector<std::pair<QString, QStringList>> table = {
        {NUMERIA_PROGRAM, {"--digits", "hindi"}},
        {NUMERIA_PROGRAM, {"--zoom", "4"}},
        {FRACTIO_PROGRAM, {"--colour"}},
    };
    for (const auto& [program, arguments] : table) {
        SCOPED_TRACE((program + " " + arguments.join(' ')).toStdString());
        const Outcome r = run(program, arguments);
        EXPECT_EQ(r.exit_code, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains("--help")) << r.err.toStdString();
        EXPECT_FALSE(r.kept_anything);
    }
    const Outcome help = run(NUMERIA_PROGRAM, {"--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_TRUE(help.out.contains("--zoom <FACTOR>"));
}

TEST(CommandLine, AZoomScalesTheWholeScreenAsAHigherResolutionWould)
{
    QTemporaryDir dir;
    for (const QString zoom : {"1", "2"})
        ASSERT_EQ(
            run(SHOOT_TOOL, {"--zoom", zoom, dir.filePath(zoom + ".png"), "numeria", "Form1"}, "offscreen").exit_code,
            0);
    EXPECT_EQ(QImage(dir.filePath("2.png")).size(), 2 * QImage(dir.filePath("1.png")).size());
}

}  // namespace
