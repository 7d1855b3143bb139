// Pairs the sound files of the Sounds folder with the pictures of the subjects.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tw {

struct SoundPair
{
    QString sound; // full path of the wave file
    QString picture; // full path of the picture with the same name
};

// Lists `soundFolder` for "*.wav" (any letter case) and gives each sound the
// first picture, searching `subjectFolders` in order (full paths, trailing '/'),
// whose name before the first dot equals the sound's name, letter case aside
// ("Cat.wav" goes with "Cat.bmp" or "CAT.JPG", not "Caterpillar.bmp").
// Sounds without a picture are left out, since a tile without a picture could
// never be found by the child. At most `maxPairs` pairs, in name order.
QList<SoundPair> pairSoundsWithPictures(const QString &soundFolder,
                                        const QStringList &subjectFolders, int maxPairs);

} // namespace tw
