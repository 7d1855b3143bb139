// The password lock: which actions need the parent's password, and the dialog.
#pragma once

#include <QString>

namespace tw {

class Educate;

class PasswordLock
{
public:
    explicit PasswordLock(Educate &window);
    ~PasswordLock();

    // True when the action guarded by requirement `which` (1 to 4) may go on.
    bool CheckPass(int which);
    // Shows the dialog and returns when it has an outcome (PassResult).
    void DoPassWord(bool mode);

    void MNU_PsCreate_Click();
    void MNU_PsRq_Click(int index);

    QString StoredPassword;
    int PassResult = 0;

private:
    Educate &m_window;
};

} // namespace tw
