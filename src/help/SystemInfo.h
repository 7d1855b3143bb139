// Finding the desktop's system information program.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tw {

struct ProgramCall
{
    QString program; // full path; empty when nothing was found
    QStringList arguments;
};

// The first installed program of the usual system information tools, in
// order of preference. `findProgram` maps a program name to its full path
// (empty when it is not installed).
ProgramCall findSystemInfo(const std::function<QString(const QString &)> &findProgram);

} // namespace tw
