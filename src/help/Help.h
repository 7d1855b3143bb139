// The Help menu: the help manual and the about box with its System Info button.
#pragma once

#include <QPointer>
#include <QString>

namespace tw {

class HelpHost;
class ManualWindow;
class frmAbout;

class Help
{
public:
    // The manual, in the content folder.
    static constexpr const char *kManualFile = "Education.htm";

    explicit Help(HelpHost &host);
    ~Help();

    // Asks the settings password, then opens the manual in the desktop's
    // browser; where none opens, in a window of our own (brought forward when
    // it is open already). A manual that is missing or cannot be read gets a message.
    void MNU_Manual_Click();
    // Shows the about box (one at a time; a second click brings it forward).
    void MNU_About_Click();
    // The about box's buttons.
    void cmdSysInfo_Click();
    // Starts the system information program, or says that there is none.
    void StartSysInfo();

    // The open about box and manual window; null when closed.
    frmAbout *aboutBox() const;
    ManualWindow *manualWindow() const;
    // Closes the about box and the manual window (the main window is closing).
    void closeWindows();

private:
    QString manualProblem(const QString &path) const;
    void showOwnManual(const QString &path);

    HelpHost &m_host;
    QPointer<frmAbout> m_about;
    QPointer<ManualWindow> m_manual;
};

} // namespace tw
