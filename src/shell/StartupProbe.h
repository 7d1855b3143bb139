// Reports when the first game is on screen, for timing start-up from outside:
// with TUMBLEWICK_STARTUP_PROBE set, the first paint of a game tile writes
// "first game frame <ms since the epoch>" to standard error.
#pragma once

#include <QObject>

namespace tw {

class StartupProbe : public QObject
{
public:
    // Installs itself on the application when the variable is set.
    static void installIfAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartupProbe();
};

} // namespace tw
