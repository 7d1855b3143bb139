// The desktop's services: opening a document in its program, finding and starting programs.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;

namespace tw {

class Desktop
{
public:
    virtual ~Desktop() = default;
    // Asks the desktop to open the file `path` with the program it associates with it (a
    // browser for a web page). The desktop answers later: when no program could open it,
    // `couldNotOpen` is called from the event loop, unless `context` is gone by then.
    virtual void openDocument(const QString &path, QObject *context,
                              std::function<void()> couldNotOpen)
        = 0;
    // The full path of the program `name` on the PATH; empty when it is not installed.
    virtual QString findProgram(const QString &name) const = 0;
    // Starts `program` on its own (it outlives us); false when it could not start.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};

} // namespace tw
