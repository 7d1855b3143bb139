#include "shell/PasswordLock.h"

#include "shell/Educate.h"

namespace tw {

PasswordLock::PasswordLock(Educate &window) : m_window(window) { }
PasswordLock::~PasswordLock() = default;

bool PasswordLock::CheckPass(int)
{
    return true;
}
void PasswordLock::DoPassWord(bool) { }
void PasswordLock::MNU_PsCreate_Click() { }
void PasswordLock::MNU_PsRq_Click(int) { }

} // namespace tw
