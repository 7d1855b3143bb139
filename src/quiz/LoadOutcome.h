// What a game loader tells the game switch: dealt, start again, or give up.
#pragma once

#include <QString>

namespace tw {

struct LoadOutcome
{
    enum class Kind {
        Dealt, // the game is on the board (or, with a message, could not be)
        Restart, // the loader changed the grid or the options: set the game up again
    };
    Kind kind = Kind::Dealt;
    // Shown to the parent by the switch before it acts; empty: nothing to say.
    QString message;

    static LoadOutcome dealt() { return {}; }
    static LoadOutcome restart(const QString &message = {}) { return {Kind::Restart, message}; }
    // Nothing could be dealt; the switch tells the parent why.
    static LoadOutcome giveUp(const QString &message) { return {Kind::Dealt, message}; }
};

} // namespace tw
