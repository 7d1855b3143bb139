// SpeechRenderer: speaks picture names into wave files with espeak-ng, a few at a time.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tw::content {

class SpeechRenderer
{
public:
    struct Job
    {
        QString text; // what to say
        QString path; // the wave file to write
    };

    // program: the espeak-ng executable; empty looks it up on PATH.
    explicit SpeechRenderer(const QString &program = QString(), int parallel = 3);

    // True when the synthesiser was found.
    bool available() const { return !m_program.isEmpty(); }
    QString program() const { return m_program; }

    // Writes every job's wave file. A word the synthesiser cannot speak (or every word, when it is
    // missing) gets a short soft tone instead, so the games always find a sound. Returns the texts
    // that got the tone; error is set only when a file cannot be written at all.
    QStringList render(const QList<Job> &jobs, QString *error) const;

private:
    QString m_program;
    int m_parallel;
};

} // namespace tw::content
