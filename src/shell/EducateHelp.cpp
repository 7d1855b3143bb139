// The main window's side of the Help menu: the password and the message box.
#include "shell/Educate.h"

#include "shell/PasswordLock.h"

namespace tw {

bool Educate::checkSettingsPassword()
{
    return m_password->CheckPass(PasswordRequirement::Settings);
}

void Educate::showMessage(QWidget *parent, const QString &text)
{
    m_platform.dialogs->message(parent, text, Dialogs::Icon::Information);
}

} // namespace tw
