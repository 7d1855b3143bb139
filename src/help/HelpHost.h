// The main window as the help manual and the about box see it.
#pragma once

#include <QString>

class QWidget;

namespace tw {

class Desktop;

class HelpHost
{
public:
    virtual ~HelpHost() = default;
    // Asks for the password when "Required to Change &Settings" guards the
    // action; true when the action may go on. May process events meanwhile.
    virtual bool checkSettingsPassword() = 0;
    // A message box titled "Tumblewick" over `parent`.
    virtual void showMessage(QWidget *parent, const QString &text) = 0;
    // The main window, parent of the about box.
    virtual QWidget *mainWindow() = 0;
    // May be null: nothing is opened or started then.
    virtual Desktop *desktop() = 0;
    // The content folder and the folder the program writes to, each with a trailing '/'.
    virtual QString contentFolder() const = 0;
    virtual QString writableFolder() const = 0;
};

} // namespace tw
