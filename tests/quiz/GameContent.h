// Builds small content folders (pictures by subject, sounds) for the game tests.
#pragma once

#include "common/SettingsValues.h"
#include "quiz/PictureFiles.h"
#include "quiz/QuizWindow.h"
#include "quiz/SoundFiles.h"

#include <QDir>
#include <QStringList>

#include <algorithm>

namespace tw::test {

// Writes one small picture per name into `root`/`subject`, each in its own
// colour; `suffix` chooses the file format.
inline void addPictures(const QString &root, const QString &subject, const QStringList &names,
                        const char *suffix = "png")
{
    QDir().mkpath(root + QLatin1Char('/') + subject);
    int hue = 0;
    for (const QString &name : names) {
        const QString path = root + QLatin1Char('/') + subject + QLatin1Char('/') + name
            + QLatin1Char('.') + QLatin1String(suffix);
        writeImage(path, suffix, QColor::fromHsv((hue += 37) % 360, 200, 230));
    }
}

// Writes a short spoken sound Sounds/<name>.wav for each name, and the two
// feedback sounds.
inline void addSounds(const QString &root, const QStringList &names)
{
    QDir().mkpath(root + QStringLiteral("/Sounds"));
    for (const QString &name : names)
        writeWave(root + QStringLiteral("/Sounds/") + name + QStringLiteral(".wav"), 0.3);
    writeWave(root + QStringLiteral("/Chimes.wav"), 0.3);
    writeWave(root + QStringLiteral("/Error.wav"), 0.3);
}

// A quiz window whose subject folders are the built-in ones (Misc/ to
// Background/), as the window's start-up sets them.
struct GameWindow : QuizWindow
{
    explicit GameWindow(std::uint32_t seed = 1)
        : QuizWindow(seed)
    {
        static const char *const kSubjects[]
            = {"Misc/", "Animals/", "Fruit_Veg/", "Transport/", "Flags/", "Background/"};
        for (int k = 1; k <= 6; ++k)
            w().shell.SubjectFolder[k] = QLatin1String(kSubjects[k - 1]);
        w().shell.SubjectCount = 5;
    }
};

// Checks exactly the `subjects` (1 to 5) of a subject menu (the Pairs or Spelling one).
inline void checkSubjects(Educate &w, MenuId menu, std::initializer_list<int> subjects)
{
    SettingsValues options = w.options();
    auto &checked = menu == MenuId::MNU_PairSubject ? options.PairSubject : options.SpellSubject;
    for (int k = 1; k <= 5; ++k)
        checked[k - 1] = std::find(subjects.begin(), subjects.end(), k) != subjects.end();
    w.setOptions(options);
}

// Names of `count` pictures: "Aa", "Ab", ... (two letters each).
inline QStringList shortNames(int count, QChar first = QLatin1Char('A'))
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString(first) + QChar(u'a' + i % 26)
                + (i >= 26 ? QString::number(i / 26) : QString());
    return names;
}

} // namespace tw::test
