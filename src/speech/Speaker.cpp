#include "speech/Speaker.h"
#include "common/Constants.h"
#include "common/MenuId.h"

#include "platform/BoundedWait.h"

#include "common/Menus.h"
#include "common/SettingsValues.h"
#include "platform/Dialogs.h"
#include "speech/CharacterAgent.h"
#include "speech/CharacterFile.h"
#include "speech/SpeechHost.h"
#include "speech/TalkChunks.h"

#include <QApplication>
#include <QDir>

namespace tw {

namespace {

constexpr MenuId kSpkChr = MenuId::MNU_SpkChr;
constexpr MenuId kCharacterMenu = MenuId::MNU_Character;
const QString kNoneInstalled = QStringLiteral("&Non Installed");
// The "&On" item asks for the password of "Required to Change &Settings".
// Talk waits this long for a chunk to begin (the component starts it at once;
// this only guards against a component that never does).
constexpr double kChunkStartWait = 3.0;
// No chunk or speaking wait lasts longer than this, whatever the voice does.
constexpr double kSpeakingWait = 60.0;

QString failureMessage(const QString &what)
{
    return what + QChar(13) + QStringLiteral("See help manual on how to do this.");
}

} // namespace

Speaker::Speaker(SpeechHost &window)
    : m_window(window)
{ }

Speaker::~Speaker() = default;

QString Speaker::characterFolder() const
{
    return m_window.shell.AppFolder + QStringLiteral("Characters/");
}

bool Speaker::spkOnChecked() const { return m_window.options().SpkOn == 1; }

void Speaker::setSpkOnChecked(bool on)
{
    m_window.changeOptions([on](SettingsValues &o) { o.SpkOn = on ? 1 : 0; });
}

void Speaker::choose(int index)
{
    m_window.changeOptions([index](SettingsValues &o) { o.Speaker = index; });
}

void Speaker::speechOff()
{
    setSpkOnChecked(false);
    m_window.menus().setEnabled(kCharacterMenu, -1, false);
    m_window.speech.SpeakerLoaded = false;
}

void Speaker::AgentIni()
{
    // A new component replaces any earlier one.
    Agent1.reset();
    QWidget *area = m_window.playArea();
    if (!area) {
        QApplication::beep();
        setSpkOnChecked(false);
        m_window.menus().setEnabled(kCharacterMenu, -1, false);
        return;
    }
    Agent1 = std::make_unique<CharacterAgent>(m_window, area);
    QObject::connect(Agent1.get(), &CharacterAgent::clicked, Agent1.get(),
                     [this] { Agent1_Click(); });
}

void Speaker::LoadSpeaker()
{
    Menus &menus = m_window.menus();
    m_listed.clear();
    SpeakerFile.clear();
    for (int i = 1; i <= kMaxCharacters; ++i) {
        menus.setCaption(kSpkChr, i, i == 1 ? kNoneInstalled : QString());
        menus.setChecked(kSpkChr, i, false);
        menus.setEnabled(kSpkChr, i, false);
        menus.setVisible(kSpkChr, i, i == 1);
    }
    const QDir folder(characterFolder());
    const QStringList files = folder.entryList(QStringList {QString::fromLatin1(kCharacterPattern)},
                                               QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        if (m_listed.size() == kMaxCharacters)
            break; // the menu has ten entries
        m_listed << file;
        const int index = int(m_listed.size());
        // The character's own name ("Pip the Cat"); the file name when the file cannot be read.
        // '&' is shown, not taken as the menu's access key.
        const std::optional<CharacterFile> character = CharacterFile::read(folder.filePath(file));
        const QString caption = character && !character->name.isEmpty() ? character->name : file;
        menus.setCaption(kSpkChr, index, QString(caption).replace(u'&', QStringLiteral("&&")));
        menus.setVisible(kSpkChr, index, true);
        menus.setEnabled(kSpkChr, index, true);
    }
    if (!m_listed.isEmpty())
        SpeakerFile = m_listed.first();
    m_window.speech.SpeakerCount = int(m_listed.size());
    choose(1);
}

void Speaker::LoadMerlin()
{
    CharacterAgent::LoadResult result = CharacterAgent::LoadResult::Failed;
    if (Agent1 && !SpeakerFile.isEmpty())
        result = Agent1->load(QString::fromLatin1(kCharacterId), characterFolder() + SpeakerFile);
    if (result == CharacterAgent::LoadResult::AlreadyLoaded)
        return;
    if (result == CharacterAgent::LoadResult::Failed) {
        speechOff();
        return;
    }
    // The voice speaks US English (language 0x409); the engine is set up so.
    setSpkOnChecked(true);
    m_window.menus().setEnabled(kCharacterMenu, -1, true);
    m_window.speech.SpeakerLoaded = true;
}

void Speaker::AgentTer()
{
    if (m_window.speech.SpeakerLoaded && Agent1) {
        if (Agent1->visible()) {
            Agent1->stopAll();
            Agent1->hide();
        }
        Agent1->unload(QString::fromLatin1(kCharacterId));
    }
    Agent1.reset();
    speechOff();
}

void Speaker::MNU_SpkOn_Click()
{
    if (!m_window.CheckPass(PasswordRequirement::Settings))
        return;
    setSpkOnChecked(!spkOnChecked());
    if (!spkOnChecked()) {
        AgentTer();
        return;
    }
    AgentIni();
    Dialogs &dialogs = *m_window.platform().dialogs;
    if (m_window.shell.SettingsRead && !spkOnChecked()) {
        dialogs.message(m_window.mainWidget(),
                        // On Debian the voice comes from eSpeak NG, so the parent is
                        // told which package brings it back.
                        failureMessage(QStringLiteral("You need to install a text to speech "
                                                      "system (the espeak-ng package).")),
                        Dialogs::Icon::Critical);
        return;
    }
    LoadMerlin();
    if (m_window.shell.SettingsRead && !spkOnChecked())
        dialogs.message(m_window.mainWidget(),
                        failureMessage(QStringLiteral("You need to install a speaking character.")),
                        Dialogs::Icon::Critical);
}

void Speaker::MNU_SpkChr_Click(int index)
{
    // Only listed characters can be chosen; a stale index (say, from a settings
    // file written when more characters were installed) keeps the current one.
    if (index < 1 || index > m_listed.size())
        return;
    choose(index);
    SpeakerFile = m_listed.at(index - 1);
    if (Agent1)
        Agent1->unload(QString::fromLatin1(kCharacterId));
    LoadMerlin();
}

void Speaker::Agent1_Click()
{
    if (Agent1)
        Agent1->hide();
    m_talkStop = 1;
}

void Speaker::TalkStop() { m_talkStop = 1; }

template<typename Done>
void Speaker::waitUntil(Done done, double seconds) const
{
    Platform &platform = m_window.platform();
    tw::waitUntil(*platform.clock, *platform.pump, seconds, done);
}

void Speaker::Talk(const QString &text)
{
    if (!Agent1 || !Agent1->isLoaded())
        return;
    // A sound file being played gives way to the character.
    m_window.stopSound();
    Agent1->show();
    if (Agent1->audioStatus() == kAudioBusy) {
        m_window.stopSound();
    }
    const std::vector<TalkChunk> chunks = TalkChunks(text);
    if (chunks.empty())
        return; // nothing to say: the character has only shown itself
    for (const TalkChunk &chunk : chunks) {
        Agent1->speak(chunk.tagged());
        // The waits let the window work: a click on the character, a menu
        // (which may switch speech off) or a tick can run inside them.
        waitUntil([this] { return !Agent1 || Agent1->audioStatus() == kAudioSpeaking; },
                  kChunkStartWait);
        waitUntil([this] { return !Agent1 || Agent1->audioStatus() != kAudioSpeaking; },
                  kSpeakingWait);
        if (!Agent1 || !Agent1->isLoaded())
            return; // speech was switched off meanwhile
        if (Agent1->lastRequestFailed())
            return; // the voice broke down: say no more
        if (m_talkStop == 1)
            break;
    }
    m_talkStop = 0;
}

int Speaker::audioStatus() const { return Agent1 ? Agent1->audioStatus() : kAudioIdle; }

void Speaker::waitWhileSpeaking()
{
    waitUntil([this] { return audioStatus() != kAudioSpeaking; }, kSpeakingWait);
}

bool Speaker::characterVisible() const { return Agent1 && Agent1->isLoaded() && Agent1->visible(); }

void Speaker::GetAttention()
{
    if (Agent1 && m_window.speech.SpeakerLoaded)
        Agent1->playAttention();
}

QString Speaker::balloonText() const { return Agent1 ? Agent1->balloonText() : QString(); }

} // namespace tw
