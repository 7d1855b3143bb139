#include "speech/CharacterAgent.h"

#include "platform/BoundedWait.h"

#include "platform/SpeechEngine.h"
#include "speech/CharacterWidget.h"
#include "speech/SpeechBalloon.h"
#include "speech/SpeechHost.h"
#include "speech/TalkChunks.h"

#include <QEvent>

#include <algorithm>

namespace tw {

namespace {

// Reading time of a caption: a pause plus a little per letter, so "Hi" stays
// up long enough to be seen and a long sentence long enough to be read.
constexpr double kCaptionBase = 0.6;
constexpr double kCaptionPerChar = 0.09;
constexpr double kCaptionMin = 1.2;
constexpr double kCaptionMax = 8.0;
// A voice that has not begun after this long is taken to be silent.
constexpr double kVoiceStartTimeout = 2.0;
// However slow the voice, a request ends after this (a guard against a stuck engine).
constexpr double kVoiceCapFactor = 3.0;
constexpr double kVoiceCapExtra = 10.0;
// A tag value of 100 moves the voice by the whole of the engine's range.
constexpr double kTagScale = 100.0;
constexpr int kPollMs = 40;
// The balloon stays a moment after the words end: long enough to be read
// when there is no voice, a blink when the voice has said them.
constexpr int kBalloonLingerMs = 1500;
constexpr int kBalloonAfterVoiceMs = 250;
constexpr int kMargin = 8;

} // namespace

CharacterAgent::CharacterAgent(SpeechHost &window, QWidget *area)
    : m_window(window)
    , m_area(area)
{
    m_widget = new CharacterWidget(area);
    m_widget->hide();
    m_balloon = new SpeechBalloon(area);
    connect(m_widget, &CharacterWidget::clicked, this, &CharacterAgent::clicked);
    m_pollTimer.setInterval(kPollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &CharacterAgent::poll);
    m_balloonTimer.setSingleShot(true);
    m_balloonTimer.setInterval(kBalloonLingerMs);
    connect(&m_balloonTimer, &QTimer::timeout, this, [this] {
        if (!m_active && m_balloon)
            m_balloon->hide();
    });
    // Keep the character in its corner and above tiles added later.
    area->installEventFilter(this);
}

CharacterAgent::~CharacterAgent()
{
    if (m_active && m_active->voiced)
        if (SpeechEngine *e = engine())
            e->stop();
    if (m_area)
        m_area->removeEventFilter(this);
    // Deleted later: the release may come from inside one of their own events.
    for (QWidget *w : {static_cast<QWidget *>(m_widget), static_cast<QWidget *>(m_balloon)}) {
        if (w) {
            w->hide();
            w->deleteLater();
        }
    }
}

CharacterWidget *CharacterAgent::widget() const { return m_widget; }

SpeechBalloon *CharacterAgent::balloon() const { return m_balloon; }

SpeechEngine *CharacterAgent::engine() const { return m_window.platform().speech.get(); }

double CharacterAgent::now() const { return m_window.platform().clock->secondsSinceMidnight(); }

double CharacterAgent::elapsed(double since) const { return secondsBetween(since, now()); }

CharacterAgent::LoadResult CharacterAgent::load(const QString &id, const QString &path)
{
    if (m_loaded && m_id.compare(id, Qt::CaseInsensitive) == 0)
        return LoadResult::AlreadyLoaded;
    std::optional<CharacterFile> character = CharacterFile::read(path);
    if (!character)
        return LoadResult::Failed;
    stopAll();
    m_loaded = std::move(character);
    m_id = id;
    m_widget->setCharacter(*m_loaded);
    m_balloon->setColours(m_loaded->balloon, m_loaded->outline, m_loaded->text);
    place();
    return LoadResult::Loaded;
}

void CharacterAgent::unload(const QString &id)
{
    if (!m_loaded || m_id.compare(id, Qt::CaseInsensitive) != 0)
        return;
    stopAll();
    hide();
    m_loaded.reset();
    m_id.clear();
}

void CharacterAgent::show()
{
    if (!m_loaded)
        return;
    place();
    m_widget->show();
    m_widget->raise();
    if (m_active) {
        m_balloon->show();
        m_balloon->raise();
    }
}

void CharacterAgent::keepOnTop()
{
    if (!m_loaded || !visible())
        return;
    m_widget->raise();
    if (!m_balloon->isHidden())
        m_balloon->raise();
}

void CharacterAgent::hide()
{
    m_widget->hide();
    m_balloon->hide();
}

bool CharacterAgent::visible() const
{
    // The character's own Visible property: true once shown, even while the
    // main window itself is not on screen.
    return m_widget && !m_widget->isHidden();
}

void CharacterAgent::speak(const QString &request)
{
    if (!m_loaded)
        return;
    m_queue.push_back(request);
    if (!m_active)
        startNext();
}

void CharacterAgent::stopAll()
{
    m_queue.clear();
    if (m_active) {
        if (m_active->voiced)
            if (SpeechEngine *e = engine())
                e->stop();
        m_active.reset();
    }
    m_pollTimer.stop();
    m_widget->setSpeaking(false);
    m_balloon->hide();
}

int CharacterAgent::audioStatus()
{
    poll();
    if (m_active)
        return kAudioSpeaking;
    const SpeechEngine *e = engine();
    return e && e->deviceBusy() ? kAudioBusy : kAudioIdle;
}

void CharacterAgent::playAttention()
{
    if (m_loaded && visible()) {
        m_widget->raise();
        m_widget->playAttention();
    }
}

QString CharacterAgent::balloonText() const
{
    return m_balloon && !m_balloon->isHidden() ? m_balloon->text() : QString();
}

double CharacterAgent::captionSeconds(const QString &text)
{
    const double seconds = kCaptionBase + kCaptionPerChar * double(text.trimmed().size());
    return std::clamp(seconds, kCaptionMin, kCaptionMax);
}

void CharacterAgent::startNext()
{
    if (m_queue.empty() || !m_loaded)
        return;
    const SpeechRequest request = parseSpeechTags(m_queue.front());
    m_queue.pop_front();

    Active active;
    active.started = now();
    active.caption = captionSeconds(request.text);
    m_lastPitch = std::clamp(m_loaded->pitch + request.pitch.value_or(0) / kTagScale, -1.0, 1.0);
    m_lastRate = std::clamp(m_loaded->rate + request.speed.value_or(0) / kTagScale, -1.0, 1.0);
    SpeechEngine *e = engine();
    if (e && e->available() && !request.text.trimmed().isEmpty()) {
        active.voiced = true;
        e->say(request.text, m_lastPitch, m_lastRate);
    }
    m_active = active;
    m_lastFailed = false;

    m_balloonTimer.stop();
    m_balloon->setText(request.text);
    m_widget->setSpeaking(true);
    if (visible()) {
        place();
        m_balloon->show();
        m_balloon->raise();
    }
    m_pollTimer.start();
}

void CharacterAgent::poll()
{
    if (!m_active) {
        startNext();
        return;
    }
    Active &a = *m_active;
    const double t = elapsed(a.started);
    if (a.voiced) {
        SpeechEngine *e = engine();
        const SpeechEngine::State state = e ? e->state() : SpeechEngine::State::Failed;
        if (state == SpeechEngine::State::Speaking) {
            a.voiceStarted = true;
            if (t > a.caption * kVoiceCapFactor + kVoiceCapExtra) {
                e->stop();
                finish(false);
            }
            return;
        }
        if (a.voiceStarted) {
            // The voice has stopped: said in full, or broken off by a fault.
            finish(state == SpeechEngine::State::Failed);
            return;
        }
        if (state == SpeechEngine::State::Failed || t > kVoiceStartTimeout) {
            // No voice can be heard (no sound device, an engine that never
            // starts): the balloon alone says it.
            if (e && state != SpeechEngine::State::Failed)
                e->stop();
            a.voiced = false;
            a.caption = std::max(a.caption, t);
        } else {
            return;
        }
    }
    if (t >= a.caption)
        finish(false);
}

void CharacterAgent::finish(bool failed)
{
    const bool heard = m_active && m_active->voiceStarted;
    m_active.reset();
    m_lastFailed = failed;
    m_widget->setSpeaking(false);
    if (failed) {
        m_queue.clear();
        m_balloon->hide();
    } else {
        m_balloonTimer.start(heard ? kBalloonAfterVoiceMs : kBalloonLingerMs);
    }
    if (!m_queue.empty())
        startNext();
    else
        m_pollTimer.stop();
}

int CharacterAgent::reservedWidth() const
{
    if (!m_loaded || !m_area || !m_widget)
        return 0;
    return m_widget->sizeFor(m_area->size()).width() + 2 * kMargin;
}

void CharacterAgent::place()
{
    if (!m_area || !m_widget)
        return;
    // At the foot of the strip the tiles leave free on the right; the balloon above it.
    const QSize size = m_widget->sizeFor(m_area->size());
    m_widget->setGeometry(m_area->width() - size.width() - kMargin,
                          m_area->height() - size.height() - kMargin, size.width(), size.height());
    m_balloon->placeAbove(m_widget->geometry(), reservedWidth());
}

bool CharacterAgent::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && m_widget) {
        if (event->type() == QEvent::Resize) {
            place();
        } else if (event->type() == QEvent::ChildAdded && visible()) {
            // A tile created after the character must not cover it.
            m_widget->raise();
            if (!m_balloon->isHidden())
                m_balloon->raise();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tw
