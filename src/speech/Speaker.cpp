#include "speech/Speaker.h"

#include "shell/Educate.h"

namespace tw {

Speaker::Speaker(Educate &window) : m_window(window) { }
Speaker::~Speaker() = default;

void Speaker::AgentIni() { }
void Speaker::LoadSpeaker() { }
void Speaker::LoadMerlin()
{
    m_window.speech.SpeakerLoaded = false;
}
void Speaker::AgentTer() { }
void Speaker::Talk(const QString &) { }
void Speaker::TalkStop() { }
int Speaker::audioStatus() const
{
    return 0;
}
void Speaker::waitWhileSpeaking() { }
bool Speaker::characterVisible() const
{
    return false;
}
void Speaker::GetAttention() { }
void Speaker::MNU_SpkOn_Click() { }
void Speaker::MNU_SpkChr_Click(int) { }

} // namespace tw
