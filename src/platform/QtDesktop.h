// The desktop's services through xdg-open, QDesktopServices and QProcess.
#pragma once

#include "platform/Desktop.h"

namespace tw {

class QtDesktop : public Desktop
{
public:
    // `opener` opens a document the desktop's way and exits non-zero when it cannot
    // (xdg-open). Empty: there is no desktop to ask, and nothing opens.
    explicit QtDesktop(QString opener);
    // The opener of this session: xdg-open on a real display, none offscreen.
    static QString sessionOpener();

    void openDocument(const QString &path, QObject *context,
                      std::function<void()> couldNotOpen) override;
    QString findProgram(const QString &name) const override;
    bool startProgram(const QString &program, const QStringList &arguments) override;

private:
    QString m_opener;
};

} // namespace tw
