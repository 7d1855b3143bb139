// The talking character: reads questions aloud and comments on answers.
#pragma once

#include <QString>

namespace tw {

class Educate;

class Speaker
{
public:
    explicit Speaker(Educate &window);
    ~Speaker();

    // Start-up: prepare the component, list the characters, load the chosen one.
    void AgentIni();
    void LoadSpeaker();
    void LoadMerlin();
    // End of program: release the character.
    void AgentTer();

    // Speaks text in chunks; returns when it has been said or stopped.
    void Talk(const QString &text);
    void TalkStop();
    // Audio output status: 4 while speaking, 2 while another program holds the
    // audio device (where that can be known), 0 otherwise.
    int audioStatus() const;
    // Waits, processing events, while the character is speaking (bounded).
    void waitWhileSpeaking();
    bool characterVisible() const;
    // The "GetAttention" animation, played when the time limit is near.
    void GetAttention();

    // Menu handlers.
    void MNU_SpkOn_Click();
    void MNU_SpkChr_Click(int index);

private:
    Educate &m_window;
};

} // namespace tw
