// The desktop's services: opening a document in its program, finding and starting programs.
#pragma once

#include <QString>
#include <QStringList>

namespace tw {

class Desktop
{
public:
    virtual ~Desktop() = default;
    // Opens the file `path` with the program the desktop associates with it
    // (a browser for a web page). False when no such program could be started.
    virtual bool openDocument(const QString &path) = 0;
    // The full path of the program `name` on the PATH; empty when it is not installed.
    virtual QString findProgram(const QString &name) const = 0;
    // Starts `program` on its own (it outlives us); false when it could not start.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};

} // namespace tw
