// Shell scripts standing in for outside programs.
#pragma once

#include "support/Files.h"
#include "support/Wait.h"

#include <QFile>

namespace tw::test {

// Writes an executable shell script running `body`; true when written.
inline bool writeScript(const QString &path, const QByteArray &body)
{
    return writeFile(path, "#!/bin/sh\n" + body + '\n')
        && QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A metafile converter `name` first on PATH while the object lives: each run is
// noted as a line of `folder`/runs, sleeps `seconds`, then writes a small red drawing
// to the file named after "-o".
struct FakeConverter
{
    FakeConverter(const QString &folder, const char *name, double seconds = 0)
        : runs(folder + QStringLiteral("/runs"))
        , path(qgetenv("PATH"))
    {
        writeScript(folder + QLatin1Char('/') + QLatin1String(name),
                    QStringLiteral("echo run >> '%1'\nsleep %2\n"
                                   "while [ $# -gt 1 ] && [ \"$1\" != -o ]; do shift; done\n"
                                   "printf '<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" "
                                   "height=\"8\"><rect width=\"8\" height=\"8\" fill=\"red\"/>"
                                   "</svg>' > \"$2\"")
                        .arg(runs)
                        .arg(seconds)
                        .toUtf8());
        qputenv("PATH", QFile::encodeName(folder) + ':' + path);
    }
    ~FakeConverter() { qputenv("PATH", path); }
    int runCount() const { return int(readFile(runs).count('\n')); }

    QString runs;
    QByteArray path;
};

} // namespace tw::test
