// SPDX-License-Identifier: GPL-3.0-or-later
// The voice of this computer: Qt's text-to-speech engines, which on Debian speak through
// speech-dispatcher and espeak-ng.
#include <QDeadlineTimer>
#include <QTextToSpeech>
#include <QThread>
#include <atomic>

#include "qt/speech.h"

namespace qtview {

namespace {

// What the thread of the voice holds. Connecting to speech-dispatcher, listing its voices and
// even a single word can take seconds, and forever where the service hangs: only that thread
// ever waits for it.
struct Voice {
    QTextToSpeech* engine = nullptr;
    std::atomic<unsigned> latest{0};  // the last request; an older one still queued is dropped
    bool orphaned = false;            // the speaker is gone; read and written on the windows' thread
};

// The first engine with an Arabic voice, speech-dispatcher's before any other.
void open(Voice& voice)
{
    QStringList engines = QTextToSpeech::availableEngines();
    if (engines.removeAll(QStringLiteral("speechd")) > 0)
        engines.prepend(QStringLiteral("speechd"));
    for (const QString& name : engines) {
        auto engine = std::make_unique<QTextToSpeech>(name);
        if (engine->state() == QTextToSpeech::Error)
            continue;
        for (const QLocale& locale : engine->availableLocales())
            if (locale.language() == QLocale::Arabic) {
                engine->setLocale(locale);
                // The plain voice rather than a variant such as "Arabic+Mr_Serious".
                for (const QVoice& v : engine->availableVoices())
                    if (!v.name().contains(QLatin1Char('+'))) {
                        engine->setVoice(v);
                        break;
                    }
                voice.engine = engine.release();
                return;
            }
    }
}

class SystemSpeaker final : public Speaker {
public:
    SystemSpeaker()
    {
        worker_->moveToThread(thread_);
        thread_->start(QThread::LowPriority);
        auto voice = voice_;
        QObject* here = here_.get();
        QMetaObject::invokeMethod(worker_, [voice, here, this] {
            open(*voice);
            const bool found = voice->engine != nullptr;
            QMetaObject::invokeMethod(here, [this, voice, found] {
                if (voice->orphaned)
                    return;
                available_ = found;
                if (known)
                    known(found);
            });
        });
    }

    ~SystemSpeaker() override
    {
        auto voice = voice_;
        QMetaObject::invokeMethod(worker_, [voice] {
            delete voice->engine;
            voice->engine = nullptr;
            QThread::currentThread()->quit();
        });
        // A voice that hangs is left to end with the program rather than hold it up.
        if (thread_->wait(QDeadlineTimer(2000))) {
            delete worker_;
            delete thread_;
        } else {
            // The thread may still tell here_ what it found: here_ stays, and does nothing.
            voice->orphaned = true;
            (void)here_.release();
        }
    }

    void say(const QString& text) override
    {
        request([text](QTextToSpeech& engine) {
            engine.stop();
            engine.say(text);
        });
    }

    void stop() override
    {
        request([](QTextToSpeech& engine) { engine.stop(); });
    }

    std::optional<bool> available() const override { return available_; }

private:
    template <class Act>
    void request(Act act)
    {
        if (available_ == false)
            return;
        auto voice = voice_;
        const unsigned n = ++voice->latest;
        QMetaObject::invokeMethod(worker_, [voice, n, act] {
            if (voice->engine != nullptr && voice->latest == n)
                act(*voice->engine);
        });
    }

    std::shared_ptr<Voice> voice_ = std::make_shared<Voice>();
    QThread* thread_ = new QThread;
    QObject* worker_ = new QObject;                                // lives on thread_
    std::unique_ptr<QObject> here_ = std::make_unique<QObject>();  // lives on the windows' thread
    std::optional<bool> available_;
};

}  // namespace

std::unique_ptr<Speaker> system_speaker() { return std::make_unique<SystemSpeaker>(); }

}  // namespace qtview
