#include "quiz/SoundPairs.h"

#include "common/FilePattern.h"

#include <QSet>

namespace tw {

namespace {

// The name before the extension ".wav", cut whatever its letter case.
QString soundName(const QString &fileName) { return fileName.left(fileName.size() - 4); }

// True when `file` is `name` with any extension (or none), letter case aside.
// Compared as text, not as a pattern, so names holding '*' or '?' stay exact.
bool isNamed(const QString &file, const QString &name)
{
    if (file.compare(name, Qt::CaseInsensitive) == 0)
        return true;
    return file.size() > name.size() && file.at(name.size()) == QLatin1Char('.')
        && file.startsWith(name, Qt::CaseInsensitive);
}

} // namespace

QList<SoundPair> pairSoundsWithPictures(const QString &soundFolder,
                                        const QStringList &subjectFolders, int maxPairs)
{
    QList<SoundPair> pairs;
    // Each subject folder is listed once, not once per sound.
    QList<QStringList> subjectFiles;
    for (const QString &folder : subjectFolders)
        subjectFiles << listFiles(folder);

    const QStringList sounds = listFiles(soundFolder, QStringLiteral("*.wav"));
    QSet<QString> seen; // "Cat.wav" and "CAT.WAV" side by side are one sound
    for (const QString &soundFile : sounds) {
        if (pairs.size() >= maxPairs)
            break;
        const QString name = soundName(soundFile);
        if (name.isEmpty() || seen.contains(name.toCaseFolded()))
            continue;
        seen.insert(name.toCaseFolded());
        bool found = false;
        for (qsizetype k = 0; k < subjectFolders.size() && !found; ++k) {
            for (const QString &file : subjectFiles[k]) {
                if (isNamed(file, name)) {
                    pairs.append({soundFolder + soundFile, subjectFolders[k] + file});
                    found = true;
                    break;
                }
            }
        }
    }
    return pairs;
}

} // namespace tw
