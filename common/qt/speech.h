// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud: the voice the programs speak with, and the pupil's choice of hearing it.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace qtview {

// A voice that speaks Arabic. Nothing it does waits for the voice: say and stop return at once.
class Speaker {
public:
    virtual ~Speaker() = default;
    // Stops what is being said and says `text` instead.
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;
    // Whether an Arabic voice can speak; empty while the voice is still being looked for.
    virtual std::optional<bool> available() const = 0;
    // Runs once, when available() is first known, on the thread of the windows.
    std::function<void(bool)> known;
};

// The voice of this computer: speech-dispatcher through Qt, on a thread of its own.
std::unique_ptr<Speaker> system_speaker();

// What a message box says when it opens: its prompt, and before it a title that is not the
// program's, such as the number in "12 هو المقام الجديد", which the sentence starts from.
QString box_reading(const std::string& prompt, const std::string& title, const std::string& program_title);

// What is said when F2 turns reading aloud on, and off.
QString reading_on_word();
QString reading_off_word();
// The message of a computer without an Arabic voice, and what to install to get one.
QString no_voice_message();

// Whether the pupil hears the programs, and the voice they hear. The voice is found only once
// reading aloud is first turned on, so that a program that is never asked to speak starts and
// runs exactly as it would without it.
class ReadAloud {
public:
    using MakeSpeaker = std::function<std::unique_ptr<Speaker>()>;

    ReadAloud() = default;  // has no voice until it is given one
    ReadAloud(const ReadAloud&) = delete;
    ReadAloud& operator=(const ReadAloud&) = delete;
    // The voice to find when reading aloud is first turned on.
    void speak_with(MakeSpeaker make) { make_ = std::move(make); }

    // `asked` where the pupil asked for it just now: a pupil who asked is told, once, when there
    // is no voice to speak with.
    void turn(bool on, bool asked);
    // F2: turns it the other way, says so in a word, and keeps the choice.
    void toggle();
    bool on() const { return on_; }

    void say(const QString& text);  // only while on
    void stop();

    std::function<void(bool)> keep;  // keeps the choice for the next runs
    std::function<void()> tell_no_voice;

private:
    void found(bool available);

    MakeSpeaker make_;
    std::unique_ptr<Speaker> speaker_;
    bool on_ = false;
    bool asked_ = false;
    bool told_ = false;
};

}  // namespace qtview
