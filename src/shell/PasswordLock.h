// The password lock: which actions need the parent's password, and the dialog.
#pragma once

#include "common/Constants.h"

#include <QPointer>
#include <QString>

namespace tw {

class Educate;
class FrmPass;

class PasswordLock
{
public:
    // Accepted in place of the password to open a lock, never to change it.
    static constexpr const char *kMasterWord = "marble";
    // A password shorter than this locks nothing.
    static constexpr int kMinLength = 4;
    // An unanswered dialog gives up (as a refusal) after this many seconds.
    static constexpr double kWaitSeconds = 300.0;

    explicit PasswordLock(Educate &window);
    ~PasswordLock();

    // True when the action guarded by requirement `which` may go on.
    // Asks only when a password is set, the requirement is checked and the
    // window is not setting up (Loading).
    bool CheckPass(PasswordRequirement which);
    // True when CheckPass(which) would show the dialog.
    bool wouldAsk(PasswordRequirement which) const;
    // Shows the dialog and returns when it has an outcome (PassResult).
    // mode true: create or change the password; false: ask for it.
    void DoPassWord(bool mode);

    void MNU_PsCreate_Click();
    void MNU_PsRq_Click(int index);
    // The dialog's buttons.
    void ComOK_Click();
    void ComCancel_Click();

    // Start-up: requirement items enabled and the caption "Change Password"
    // only when a password is set.
    void setUpMenus();
    bool passwordSet() const { return StoredPassword.size() >= kMinLength; }
    // True while the dialog waits for an answer.
    bool asking() const { return m_asking; }
    // The dialog, created on first use.
    FrmPass *dialog();
    // Hides and releases the dialog (the window is closing).
    void unloadDialog();

    QString StoredPassword;
    // 0 while the dialog is open, 1 refused or cancelled, 2 accepted.
    int PassResult = 0;

private:
    void setRequirementsEnabled(bool on);
    void refuseNewPassword(const QString &why);
    // Requirement `index` checked: 1 to 3 are stored options, the Tools one
    // is not and starts unchecked at every start-up.
    bool required(int index) const;
    Educate &m_window;
    bool m_toolsRequired = false;
    QPointer<FrmPass> m_dialog;
    bool m_mode = false;
    bool m_asking = false;
};

} // namespace tw
