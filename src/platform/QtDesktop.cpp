#include "platform/QtDesktop.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

namespace tw {

namespace {

// An opener that fails says so at once ("no method available"); one still running after
// this long has started a browser (xdg-open waits for a plain browser to close), and an
// exit after that is the browser closing, not a failure to open.
constexpr int kAnswerMs = 10000;

} // namespace

QtDesktop::QtDesktop(QString opener)
    : m_opener(std::move(opener))
{ }

QString QtDesktop::sessionOpener()
{
    // Without a real display (offscreen, minimal) there is no desktop to ask.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {};
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

void QtDesktop::openDocument(const QString &path, QObject *context,
                             std::function<void()> couldNotOpen)
{
    const QPointer<QObject> guard(context);
    auto fail = [guard, couldNotOpen = std::move(couldNotOpen)] {
        if (guard && couldNotOpen)
            couldNotOpen();
    };
    if (m_opener.isEmpty()) {
        QTimer::singleShot(0, context, fail);
        return;
    }
    // QDesktopServices reports success as soon as xdg-open has started, even when it then
    // finds no browser at all; the opener's exit code says whether anything opened. The
    // process is not parented: a browser that xdg-open keeps waiting for must outlive us.
    auto *opener = new QProcess;
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, fail](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             fail();
                             opener->deleteLater();
                         }
                     });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, fail, clock](int code, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || code != 0)
                             && clock->elapsed() < kAnswerMs)
                             fail();
                         opener->deleteLater();
                     });
    opener->start(m_opener, {QUrl::fromLocalFile(path).toString()});
}

QString QtDesktop::findProgram(const QString &name) const
{
    return QStandardPaths::findExecutable(name);
}

bool QtDesktop::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

} // namespace tw
