#include "help/SystemInfo.h"

namespace tw {

namespace {

struct Candidate
{
    const char *name;
    const char *argument; // null: none
};

// Programs that describe the computer (processor, memory, devices), from
// the most to the least thorough; the desktops' own ones before the process monitors.
const Candidate kCandidates[] = {
    {"hardinfo2", nullptr},           {"hardinfo", nullptr},
    {"kinfocenter", nullptr},         {"gnome-control-center", "info-overview"},
    {"xfce4-about", nullptr},         {"gnome-system-monitor", nullptr},
    {"mate-system-monitor", nullptr}, {"lxtask", nullptr},
};

} // namespace

ProgramCall findSystemInfo(const std::function<QString(const QString &)> &findProgram)
{
    for (const Candidate &c : kCandidates) {
        const QString path = findProgram(QLatin1String(c.name));
        if (path.isEmpty())
            continue;
        ProgramCall call {path, {}};
        if (c.argument)
            call.arguments << QLatin1String(c.argument);
        return call;
    }
    return {};
}

} // namespace tw
