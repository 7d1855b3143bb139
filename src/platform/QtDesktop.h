// The desktop's services through QDesktopServices and QProcess.
#pragma once

#include "platform/Desktop.h"

namespace tw {

class QtDesktop : public Desktop
{
public:
    bool openDocument(const QString &path) override;
    QString findProgram(const QString &name) const override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};

} // namespace tw
