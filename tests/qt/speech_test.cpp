// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud with a voice that records what it would say: message boxes as they open and
// close, results as equations, F2, and a computer without an Arabic voice.
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include "qt/speech.h"
#include "view_fixture.h"

namespace {

struct FakeSpeaker final : qtview::Speaker {
    std::vector<QString>* said;
    std::optional<bool> voice;
    FakeSpeaker(std::vector<QString>* s, std::optional<bool> v) : said(s), voice(v) {}
    void say(const QString& text) override { said->push_back(text); }
    void stop() override { said->push_back(QStringLiteral("(stop)")); }
    std::optional<bool> available() const override { return voice; }
};

struct SpeechTest : view_testing::ViewTest {
    std::vector<QString> said;
    std::vector<QString> boxes;  // the prompts of the boxes that opened, each answered with OK
    QTimer answer;

    void SetUp() override
    {
        ViewTest::SetUp();
        answer.setInterval(0);
        QObject::connect(&answer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.push_back(box->text());
                box->close();
            }
        });
        answer.start();
    }
    void speak(std::optional<bool> voice = true)
    {
        shell.read_aloud().speak_with([this, voice] { return std::make_unique<FakeSpeaker>(&said, voice); });
        shell.read_aloud().turn(true, true);
    }
    void press(QWidget* w, int key)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &down);
    }
    void type(const char* name, const char* text) { program.current()->find(name)->text = text; }
};

TEST_F(SpeechTest, TheIntegerLessonsFirstExampleIsSaidStepByStep)
{
    speak();
    open("Form2");
    click("Command2");
    EXPECT_EQ(
        said,
        (std::vector<QString>{"العددان موجبان، لذلك إشارة الناتج موجبة", "(stop)", "ستة زائد ستة يساوي اثنا عشر"}));
}

TEST_F(SpeechTest, FractionPracticeSaysEachStepAndTheResult)
{
    speak();
    open("Form8");
    type("Text1", "3");
    type("Text2", "4");
    type("Text3", "5");
    type("Text4", "6");
    click("Command3");
    ASSERT_EQ(said.size(), 7u);
    // The new denominator is the title its sentence starts from.
    EXPECT_EQ(said[2], "اثنا عشر هو المقام الجديد");
    EXPECT_EQ(said[6].toStdString().find("ثلاثة على أربعة ناقص خمسة على ستة"), 0u) << said[6].toStdString();
    EXPECT_TRUE(said[6].endsWith("يساوي سالب واحد على اثنا عشر")) << said[6].toStdString();
    for (std::size_t i = 1; i < 6; i += 2)
        EXPECT_EQ(said[i], "(stop)");
    for (const QString& s : said)
        EXPECT_FALSE(s.contains(QRegularExpression("[0-9A-Za-z.]")) && s != "(stop)") << s.toStdString();
}

TEST_F(SpeechTest, NothingIsSaidUntilChosenAndF2TurnsItOnAndOffWithAWord)
{
    bool kept = false;
    shell.read_aloud().keep = [&](bool on) { kept = on; };
    shell.read_aloud().speak_with([this] { return std::make_unique<FakeSpeaker>(&said, true); });
    open("Form2");
    click("Command2");
    EXPECT_TRUE(said.empty());
    press(&view(), Qt::Key_F2);
    EXPECT_TRUE(kept);
    press(widget("Command1"), Qt::Key_F2);
    EXPECT_FALSE(kept);
    EXPECT_EQ(said, (std::vector<QString>{qtview::reading_on_word(), qtview::reading_off_word()}));
    click("Command2");
    EXPECT_EQ(std::count_if(said.begin(), said.end(), [](const QString& s) { return s != "(stop)"; }), 2);
}

TEST(ReadAloud, WithoutAnArabicVoiceTheProgramSaysSoOnceAndGoesOnAsBefore)
{
    for (const bool known_at_once : {true, false}) {
        SCOPED_TRACE(known_at_once ? "known at once" : "found later");
        values::RuntimeRandom random;
        qtview::Shell shell;
        model::Program program{numeria::app_title, shell, random};
        shell.attach(program);
        numeria::program().screen("Form2").show(program);
        std::vector<QString> said, boxes;
        QTimer answer;
        answer.setInterval(0);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.push_back(box->text());
                box->close();
            }
        });
        answer.start();
        FakeSpeaker* speaker = nullptr;
        shell.read_aloud().speak_with([&] {
            auto made = std::make_unique<FakeSpeaker>(&said, known_at_once ? std::optional(false) : std::nullopt);
            speaker = made.get();
            return made;
        });
        shell.read_aloud().turn(true, true);
        if (!known_at_once) {
            speaker->voice = false;
            speaker->known(false);
        }
        QApplication::processEvents();
        EXPECT_FALSE(shell.read_aloud().on());
        QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
        QApplication::sendEvent(shell.view_of(*program.current()), &f2);
        QApplication::processEvents();
        EXPECT_EQ(boxes, std::vector<QString>{qtview::no_voice_message()});
        EXPECT_FALSE(shell.read_aloud().on());
        EXPECT_TRUE(said.empty());
    }
}

}  // namespace
