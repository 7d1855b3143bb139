#include "shell/PasswordLock.h"
#include "common/MenuId.h"

#include "platform/BoundedWait.h"

#include "shell/Educate.h"
#include "shell/FrmPass.h"
#include "shell/MenuBar.h"
#include "shell/Settings.h"

#include <QLineEdit>

#include <cmath>

namespace tw {

namespace {

constexpr MenuId kRequirement = MenuId::MNU_PsRq;
constexpr MenuId kCreate = MenuId::MNU_PsCreate;
constexpr int kStoredRequirements = 3; // 1 to 3 need a password to be enabled

} // namespace

PasswordLock::PasswordLock(Educate &window)
    : m_window(window)
{ }

PasswordLock::~PasswordLock() { delete m_dialog.data(); }

FrmPass *PasswordLock::dialog()
{
    if (!m_dialog) {
        m_dialog = new FrmPass(&m_window);
        QObject::connect(m_dialog.data(), &FrmPass::okClicked, m_dialog.data(),
                         [this] { ComOK_Click(); });
        QObject::connect(m_dialog.data(), &FrmPass::cancelled, m_dialog.data(),
                         [this] { ComCancel_Click(); });
    }
    return m_dialog;
}

void PasswordLock::unloadDialog()
{
    if (m_dialog)
        m_dialog->hide();
}

bool PasswordLock::wouldAsk(PasswordRequirement which) const
{
    return !m_window.shell.Loading && passwordSet() && required(static_cast<int>(which));
}

bool PasswordLock::required(int index) const
{
    if (index >= 1 && index <= kStoredRequirements)
        return m_window.settings().values().Required[index - 1] == 1;
    return index == static_cast<int>(PasswordRequirement::Tools) && m_toolsRequired;
}

bool PasswordLock::CheckPass(PasswordRequirement which)
{
    if (!wouldAsk(which))
        return true;
    DoPassWord(false);
    if (PassResult == 1) {
        PassResult = 0;
        return false;
    }
    return true;
}

void PasswordLock::DoPassWord(bool mode)
{
    // One question at a time: an action that arrives while the dialog is
    // waiting (say, the window's close box) is refused.
    if (m_asking) {
        PassResult = 1;
        return;
    }
    m_asking = true;
    m_mode = mode;
    FrmPass *dlg = dialog();
    dlg->setRows(passwordSet(), mode);
    dlg->show();
    dlg->activate();

    Platform &p = m_window.platform();
    const double start = p.clock->secondsSinceMidnight();
    PassResult = 0;
    // The dialog gone (the window is closing) or left unanswered: refused.
    const bool answered = waitUntil(*p.clock, *p.pump, kWaitSeconds, [&] {
        if (PassResult >= 1 || !m_dialog || !m_dialog->isVisible())
            return true;
        m_dialog->showSecondsLeft(int(std::ceil(kWaitSeconds - secondsSince(*p.clock, start))));
        return false;
    });
    if (!answered || PassResult < 1)
        PassResult = 1;
    if (m_dialog)
        m_dialog->hide();
    m_asking = false;
}

void PasswordLock::ComCancel_Click() { PassResult = 1; }

void PasswordLock::ComOK_Click()
{
    if (!m_dialog || !m_asking)
        return;
    const QString typed = m_dialog->PassBox(0)->text();
    if (!m_mode) {
        PassResult = (typed == StoredPassword || typed == QLatin1String(kMasterWord)) ? 2 : 1;
        return;
    }

    // Creating or changing: the old password exactly (never the master word;
    // with no password set there is none to give) and the new one twice.
    const QString fresh = m_dialog->PassBox(1)->text();
    const bool oldOk = !passwordSet() || typed == StoredPassword;
    if (!oldOk || fresh != m_dialog->PassBox(2)->text()) {
        m_dialog->activate();
        if (!passwordSet()) {
            setRequirementsEnabled(false);
            m_window.changeOptions([](SettingsValues &o) { o.Required.fill(0); });
        }
        return;
    }
    // The file keeps a password up to its first comma, and a password too
    // short to lock anything would only look like protection.
    if (fresh.contains(QLatin1Char(','))) {
        refuseNewPassword(QStringLiteral("A password cannot contain a comma."));
        return;
    }
    if (!fresh.isEmpty() && fresh.size() < kMinLength) {
        refuseNewPassword(QStringLiteral("A password needs at least %1 letters.").arg(kMinLength));
        return;
    }

    StoredPassword = fresh;
    if (fresh.isEmpty()) {
        m_window.menus().setCaption(kCreate, -1, QStringLiteral("Create Password"));
        setRequirementsEnabled(false);
    } else {
        m_window.menus().setCaption(kCreate, -1, QStringLiteral("Change Password"));
        setRequirementsEnabled(true);
    }
    PassResult = 2;
}

void PasswordLock::refuseNewPassword(const QString &why)
{
    m_window.platform().dialogs->message(m_dialog, why, Dialogs::Icon::Information);
    if (m_dialog) {
        m_dialog->PassBox(1)->clear();
        m_dialog->PassBox(2)->clear();
        m_dialog->PassBox(1)->setFocus();
    }
}

void PasswordLock::MNU_PsCreate_Click() { DoPassWord(true); }

void PasswordLock::MNU_PsRq_Click(int index)
{
    if (!m_window.menus().item(kRequirement, index))
        return;
    if (passwordSet()) {
        DoPassWord(false);
        if (PassResult == 1) {
            PassResult = 0;
            return;
        }
    }
    if (index >= 1 && index <= kStoredRequirements) {
        const int on = required(index) ? 0 : 1;
        m_window.changeOptions([index, on](SettingsValues &o) { o.Required[index - 1] = on; });
    } else if (index == static_cast<int>(PasswordRequirement::Tools)) {
        m_toolsRequired = !m_toolsRequired;
        m_window.menus().setChecked(kRequirement, index, m_toolsRequired);
    }
}

void PasswordLock::setUpMenus()
{
    if (passwordSet()) {
        m_window.menus().setCaption(kCreate, -1, QStringLiteral("Change Password"));
        setRequirementsEnabled(true);
    } else {
        setRequirementsEnabled(false);
    }
}

void PasswordLock::setRequirementsEnabled(bool on)
{
    for (int i = 1; i <= kStoredRequirements; ++i)
        m_window.menus().setEnabled(kRequirement, i, on);
}

} // namespace tw
