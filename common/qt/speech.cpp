// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud: what is said, and when.
#include "qt/speech.h"

#include "model/spoken.h"

namespace qtview {

QString box_reading(const std::string& prompt, const std::string& title, const std::string& program_title)
{
    const bool own_title = !title.empty() && title != program_title;
    return QString::fromStdString(model::spoken(own_title ? title + " " + prompt : prompt));
}

QString reading_on_word() { return QString::fromUtf8("القراءة بصوت مسموع"); }

QString reading_off_word() { return QString::fromUtf8("إيقاف القراءة"); }

QString no_voice_message()
{
    return QString::fromUtf8("لا يستطيع هذا الحاسوب أن يقرأ بصوت مسموع: لا يوجد فيه صوت عربي.\n"
                             "لتثبيته، اكتب في الطرفية:\n"
                             "sudo apt install qt6-speech-speechd-plugin speech-dispatcher-espeak-ng");
}

void ReadAloud::turn(bool on, bool asked)
{
    asked_ = asked;
    if (!on) {
        stop();
        on_ = false;
        return;
    }
    if (speaker_ == nullptr && make_) {
        speaker_ = make_();
        speaker_->known = [this](bool available) { found(available); };
    }
    on_ = true;
    if (const auto available = speaker_ != nullptr ? speaker_->available() : std::optional(false); available == false)
        found(false);
}

void ReadAloud::toggle()
{
    if (on_) {
        say(reading_off_word());
        on_ = false;
    } else {
        turn(true, true);
        say(reading_on_word());
    }
    if (keep)
        keep(on_);
}

void ReadAloud::found(bool available)
{
    if (available)
        return;
    on_ = false;
    if (asked_ && !told_ && tell_no_voice) {
        told_ = true;
        tell_no_voice();
    }
}

void ReadAloud::say(const QString& text)
{
    if (on_ && speaker_ != nullptr && !text.isEmpty())
        speaker_->say(text);
}

void ReadAloud::stop()
{
    if (speaker_ != nullptr)
        speaker_->stop();
}

}  // namespace qtview
