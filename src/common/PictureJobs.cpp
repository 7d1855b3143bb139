#include "common/PictureJobs.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QTimer>
#include <QWaitCondition>

#include <algorithm>

namespace tw {

namespace {
// Worker threads: a hung converter must not hold up every other slow picture.
constexpr int kWorkers = 2;
// Slow pictures kept, in kilobytes of pixels (a few large photographs).
constexpr int kMadeCacheKb = 48 * 1024;
// Pictures waiting to be made at most: more than the tiles of any deal, and a bound on the
// queue when pictures are asked for faster than they can be made.
constexpr int kMaxWaiting = 512;
} // namespace

struct PictureJobs::Job
{
    QString key;
    QString path;
    QMutex lock;
    QWaitCondition done;
    bool finished = false; // guarded by lock
    QImage picture; // guarded by lock until finished
    bool reportedPending = false; // window's thread only
};

PictureJobs &PictureJobs::instance()
{
    // Parented to the application, so it ends (and cancels its makers) with it.
    static PictureJobs *jobs = new PictureJobs(QCoreApplication::instance());
    return *jobs;
}

PictureJobs::PictureJobs(QObject *parent)
    : QObject(parent)
    , m_made(kMadeCacheKb)
{
    m_pool.setMaxThreadCount(kWorkers);
}

PictureJobs::~PictureJobs()
{
    m_cancelled = true;
    m_pool.waitForDone();
}

int PictureJobs::budgetLeft() { return int(std::max<qint64>(0, kWaitBudgetMs - m_spentMs)); }

void PictureJobs::spend(qint64 ms)
{
    m_spentMs += ms;
    if (m_budgetRenewal)
        return;
    // The budget is renewed once the event loop has run, that is once the window has
    // answered whatever the child did meanwhile.
    m_budgetRenewal = true;
    QTimer::singleShot(0, this, [this] {
        m_spentMs = 0;
        m_budgetRenewal = false;
    });
}

std::optional<QImage> PictureJobs::take(const QString &key, const QString &path, const Maker &make)
{
    if (const QImage *known = m_made.object(key))
        return *known;
    std::shared_ptr<Job> job = m_running.value(key);
    if (!job) {
        if (m_running.size() >= kMaxWaiting)
            return QImage(); // as if it could not be made; a later deal asks again
        job = std::make_shared<Job>();
        job->key = key;
        job->path = path;
        m_running.insert(key, job);
        m_pool.start([this, job, make] {
            QImage picture = m_cancelled ? QImage() : make(m_cancelled);
            {
                QMutexLocker locker(&job->lock);
                job->picture = std::move(picture);
                job->finished = true;
                job->done.wakeAll();
            }
            QMetaObject::invokeMethod(
                this, [this, job] { finished(job); }, Qt::QueuedConnection);
        });
    }
    QElapsedTimer waited;
    waited.start();
    bool ready = false;
    {
        QMutexLocker locker(&job->lock);
        const int budget = budgetLeft();
        while (!job->finished && waited.elapsed() < budget)
            job->done.wait(&job->lock, QDeadlineTimer(budget - waited.elapsed()));
        ready = job->finished;
    }
    spend(waited.elapsed());
    if (!ready) {
        job->reportedPending = true;
        return std::nullopt;
    }
    finished(job);
    return job->picture;
}

bool PictureJobs::isPending(const QString &key) const { return m_running.contains(key); }

void PictureJobs::finished(const std::shared_ptr<Job> &job)
{
    if (m_running.value(job->key) != job)
        return; // already handed over
    m_running.remove(job->key);
    const qsizetype kb = job->picture.sizeInBytes() / 1024 + 1;
    m_made.insert(job->key, new QImage(job->picture), int(std::min<qsizetype>(kb, kMadeCacheKb)));
    if (job->reportedPending)
        Q_EMIT made(job->path, job->picture);
}

} // namespace tw
