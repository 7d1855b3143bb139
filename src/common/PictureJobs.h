// Makes slow pictures on worker threads and keeps them, so the window waits for one only briefly.
#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace tw {

// A picture that takes long to make (a metafile through its converter, a photograph of many
// millions of pixels) is made once per key on a worker thread. The window's thread waits for
// such pictures at most kWaitBudgetMs in all between two runs of its event loop, so one deal
// with many slow pictures still answers the child in time; a picture not ready by then is
// delivered later through made().
class PictureJobs : public QObject
{
    Q_OBJECT
public:
    // Makes a picture; returns early with anything when `cancelled` becomes true.
    using Maker = std::function<QImage(const std::atomic_bool &cancelled)>;

    // Longest the window's thread waits for slow pictures between two runs of its event loop.
    static constexpr int kWaitBudgetMs = 200;

    // The one instance, created on first use on the window's thread and ended with the
    // application (running makers are cancelled then).
    static PictureJobs &instance();
    ~PictureJobs() override;

    // The picture made for `key` (a null image when making failed); starts `make` for `path`
    // when the key is new. Nothing while it is still being made after the wait budget.
    std::optional<QImage> take(const QString &key, const QString &path, const Maker &make);
    // True while a picture for `key` is being made.
    bool isPending(const QString &key) const;
    // True when the picture for `key` has been made and is kept.
    bool isMade(const QString &key) const { return m_made.contains(key); }

Q_SIGNALS:
    // A picture that take() reported as still being made is ready (null when making failed).
    void made(const QString &path, const QImage &picture);

private:
    struct Job;
    explicit PictureJobs(QObject *parent);
    int budgetLeft();
    void spend(qint64 ms);
    void finished(const std::shared_ptr<Job> &job);

    QThreadPool m_pool;
    QCache<QString, QImage> m_made; // by key; cost in kilobytes
    QHash<QString, std::shared_ptr<Job>> m_running; // by key
    std::atomic_bool m_cancelled {false};
    qint64 m_spentMs = 0;
    bool m_budgetRenewal = false; // a renewal of the budget waits for the event loop
};

} // namespace tw
