// The character component: loads a character under an ID, shows and hides it,
// speaks queued requests in order through the speech engine (or, without an
// audible voice, by showing each one in the balloon for a time that fits), and
// reports its audio output status. Speech advances whenever the status is read
// and on a short timer, measured on the platform clock.
#pragma once

#include "speech/AudioStatus.h"
#include "speech/CharacterFile.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <deque>
#include <optional>

namespace tw {

class SpeechHost;
class CharacterWidget;
class SpeechBalloon;
class SpeechEngine;

class CharacterAgent : public QObject
{
    Q_OBJECT
public:
    enum class LoadResult { Loaded, AlreadyLoaded, Failed };

    // The character is drawn over `area` (the main window's play area).
    CharacterAgent(SpeechHost &window, QWidget *area);
    ~CharacterAgent() override;

    // Loads the character file `path` under `id`. AlreadyLoaded when a
    // character is loaded under that ID already (nothing changes then).
    LoadResult load(const QString &id, const QString &path);
    void unload(const QString &id);
    bool isLoaded() const { return m_loaded.has_value(); }
    QString loadedName() const { return m_loaded ? m_loaded->name : QString(); }

    // Width, in pixels, of the strip at the right of the play area that the character and its
    // balloon keep for themselves while a character is loaded (0 without one). The tiles are
    // laid out left of it, so the character never covers a tile or takes its clicks.
    int reservedWidth() const;

    void show();
    // Lifts a shown character (and its balloon) above controls raised after it.
    void keepOnTop();
    void hide();
    bool visible() const;

    // Queues a request: optional "\Pit=n\" and "\Spd=n\" tags, then the words.
    void speak(const QString &request);
    // Drops every queued request and silences the one being spoken.
    void stopAll();
    // kAudioSpeaking while a request is being spoken, kAudioBusy while another
    // program holds the audio device, kAudioIdle otherwise.
    int audioStatus();
    // True when the voice broke down in the middle of the last request.
    bool lastRequestFailed() const { return m_lastFailed; }
    void playAttention();

    QString balloonText() const;
    CharacterWidget *widget() const;
    SpeechBalloon *balloon() const;
    // The pitch and rate (-1 to 1) the voice was given for the last request.
    double lastPitch() const { return m_lastPitch; }
    double lastRate() const { return m_lastRate; }

    // How long a request is shown when no voice can be heard.
    static double captionSeconds(const QString &text);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Active
    {
        double started = 0; // platform clock, seconds since midnight
        double caption = 0; // seconds the words stay up without a voice
        bool voiced = false; // the engine was asked to say it
        bool voiceStarted = false;
    };
    SpeechEngine *engine() const;
    double now() const;
    double elapsed(double since) const;
    void poll();
    void startNext();
    void finish(bool failed);
    void place();

    SpeechHost &m_window;
    QPointer<QWidget> m_area;
    QPointer<CharacterWidget> m_widget;
    QPointer<SpeechBalloon> m_balloon;
    std::optional<CharacterFile> m_loaded;
    QString m_id;
    std::deque<QString> m_queue;
    std::optional<Active> m_active;
    bool m_lastFailed = false;
    double m_lastPitch = 0;
    double m_lastRate = 0;
    QTimer m_pollTimer;
    QTimer m_balloonTimer;
};

} // namespace tw
