// The talking character: reads questions aloud and comments on answers.
// Owns the character component (Agent1), the "&Talking Characters" menu and Talk.
#pragma once

#include "speech/AudioStatus.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace tw {

class SpeechHost;
class CharacterAgent;

class Speaker
{
public:
    explicit Speaker(SpeechHost &window);
    ~Speaker();

    // Start-up: prepare the component, list the characters, load the chosen one.
    void AgentIni();
    void LoadSpeaker();
    void LoadMerlin();
    // End of program (or speech switched off): release the character.
    void AgentTer();

    // Speaks text in chunks; returns when it has been said, when the child
    // clicked the character, or at once when there is no character.
    void Talk(const QString &text);
    // Asks a Talk in progress to stop after the chunk being spoken.
    void TalkStop();
    // Audio output status: kAudioSpeaking (4) while speaking, kAudioBusy (2)
    // while another program holds the audio device (where that can be known),
    // kAudioIdle (0) otherwise.
    int audioStatus() const;
    // Waits, processing events, while the character is speaking (bounded).
    void waitWhileSpeaking();
    bool characterVisible() const;
    // The "GetAttention" animation, played when the time limit is near.
    void GetAttention();

    // Menu handlers.
    void MNU_SpkOn_Click();
    void MNU_SpkChr_Click(int index);
    // The child clicked the character: it hides and Talk stops after the chunk.
    void Agent1_Click();

    // The folder the "&Character" menu lists: AppFolder + "Characters/".
    QString characterFolder() const;
    // File name (no folder) of the character to load; empty until one is found.
    QString SpeakerFile;
    // The component, or null while speech is off.
    CharacterAgent *agent() const { return Agent1.get(); }
    // The words in the balloon now (empty when none is shown).
    QString balloonText() const;

    // The character ID every request names.
    static constexpr const char *kCharacterId = "Merlin";
    // The "&Character" menu holds this many entries.
    static constexpr int kMaxCharacters = 10;

private:
    void speechOff();
    // The speech switch and the chosen character are stored options.
    bool spkOnChecked() const;
    void setSpkOnChecked(bool on);
    void choose(int index);
    // Waits, processing events, until `done` or `seconds` have passed.
    template<typename Done>
    void waitUntil(Done done, double seconds) const;

    SpeechHost &m_window;
    std::unique_ptr<CharacterAgent> Agent1;
    // The character files listed in the menu, entry 1 first.
    QStringList m_listed;
    // Set by a click on the character; Talk stops after the current chunk.
    int m_talkStop = 0;
};

} // namespace tw
