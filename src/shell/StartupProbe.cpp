#include "shell/StartupProbe.h"

#include "common/Tiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace tw {

namespace {
const char *const kVariable = "TUMBLEWICK_STARTUP_PROBE";
} // namespace

StartupProbe::StartupProbe()
    : QObject(QCoreApplication::instance())
{ }

void StartupProbe::installIfAsked()
{
    if (!qEnvironmentVariableIsSet(kVariable) || !QCoreApplication::instance())
        return;
    auto *probe = new StartupProbe;
    QCoreApplication::instance()->installEventFilter(probe);
}

bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    const auto *picture = qobject_cast<PictureTile *>(watched);
    const auto *label = qobject_cast<TileLabel *>(watched);
    if (!(picture && picture->index() > 0) && !(label && label->index() > 0))
        return false;
    // After this paint event has been handled, the frame is on screen.
    QTimer::singleShot(0, [] {
        std::fprintf(stderr, "first game frame %lld\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stderr);
    });
    QCoreApplication::instance()->removeEventFilter(this);
    deleteLater();
    return false;
}

} // namespace tw
