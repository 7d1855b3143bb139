#include "quiz/PictureLibrary.h"
#include "common/Constants.h"
#include "common/MenuId.h"

#include "common/FilePattern.h"
#include "common/Menus.h"
#include "common/PictureLoader.h"
#include "platform/Numeric.h"
#include "quiz/QuizHost.h"
#include "quiz/SoundPlayer.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace tw {

namespace {

// Folders that are never subjects: the sound folder, a "Pictures" folder, the
// talking characters' art, the help manual's pictures, and the subjects that
// are there from the start.
const char *const kNotSubjects[] = {"Sounds", "Pictures", "Characters", "Manual",   "Animals",
                                    "Flags",  "Misc",     "Fruit_Veg",  "Transport"};
const char kPictureFilter[] = "Pictures (*.jpg *.jpeg *.bmp *.gif *.png *.wmf *.emf *.ico *.svg)";

bool isExcluded(const QString &folder)
{
    for (const char *name : kNotSubjects) {
        if (folder.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Menu captions take '&' as the access-key mark; a name's own '&' is doubled.
QString toCaption(const QString &name)
{
    return QString(name).replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString fromCaption(const QString &caption)
{
    QString name;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                name += caption[++i];
            continue;
        }
        name += caption[i];
    }
    return name;
}

void showItem(Menus &menus, MenuId name, int index, const QString &caption)
{
    if (QAction *action = menus.item(name, index)) {
        action->setText(toCaption(caption));
        action->setVisible(true);
    }
}

} // namespace

PictureLibrary::PictureLibrary(QuizHost &window)
    : m_window(window)
{ }

QString PictureLibrary::subjectPath(int folder) const
{
    const ShellState &shell = m_window.shell;
    if (folder < 1 || folder > kMaxSubjects || shell.SubjectFolder[folder].isEmpty())
        return {};
    return resolveFolder(shell.AppFolder, shell.SubjectFolder[folder]);
}

void PictureLibrary::DoFolders()
{
    ShellState &shell = m_window.shell;
    const QStringList folders = listFolders(shell.AppFolder);
    for (const QString &folder : folders) {
        if (shell.SubjectCount >= kMaxSubjects)
            break;
        if (isExcluded(folder))
            continue;
        ++shell.SubjectCount;
        shell.SubjectFolder[shell.SubjectCount] = folder + QLatin1Char('/');
        showItem(m_window.menus(), MenuId::MNU_Subject, shell.SubjectCount - 1, folder);
    }
}

void PictureLibrary::DoFiles(int folder)
{
    Menus &menus = m_window.menus();
    for (int i = 1; i < kMaxPickItems; ++i) {
        if (QAction *action = menus.item(MenuId::MNU_PList1, i))
            action->setVisible(false);
    }
    const QStringList files = listFiles(subjectPath(folder));
    if (files.isEmpty())
        return;
    QuizState &quiz = m_window.quiz;
    const int listed = qMin<int>(files.size(), kTableSize);
    for (int k = 0; k < listed; ++k)
        quiz.FileList[k] = files[k];
    for (int k = listed; k < kTableSize; ++k)
        quiz.FileList[k].clear();
    if (QAction *pick = menus.item(MenuId::MNU_Pics1))
        pick->setVisible(true);
    else if (QMenu *pickMenu = menus.menu(MenuId::MNU_Pics1))
        pickMenu->menuAction()->setVisible(true);
    for (int k = 0; k < qMin(listed, kMaxPickItems); ++k)
        showItem(menus, MenuId::MNU_PList1, k, nameBeforeDot(files[k]));
}

bool PictureLibrary::GetRandPic(int folder)
{
    const QString path = subjectPath(folder);
    const QStringList files = listFiles(path);
    QuizState &quiz = m_window.quiz;
    const int n = static_cast<int>(files.size());
    bool loaded = false;
    if (n > 0) {
        // Rounding Rnd x n gives 0 and n half a share each; n stands for the
        // first file again, so every file has the same chance.
        int r = CInt(m_window.platform().random->rnd() * n);
        if (r >= n)
            r = 0;
        QImage picture = loadPicture(path + files[r]);
        // A slow picture still being made: one of the folder that is ready stands in, so the
        // game starts now; the drawn one is ready for a later game.
        const bool pending = picture.isNull() && PictureLoader::isPending(path + files[r]);
        for (int k = 1; pending && picture.isNull() && k < n; ++k) {
            const QString other = path + files[(r + k) % n];
            if (PictureLoader::isQuick(other))
                picture = loadPicture(other);
        }
        if (!picture.isNull()) {
            m_window.shell.NextPicture = picture;
            loaded = true;
        }
    }
    for (QString &entry : quiz.FileList)
        entry.clear();
    return loaded;
}

QImage PictureLibrary::loadPicture(const QString &path) { return PictureLoader::load(path); }

QString PictureLibrary::pictureFilter() { return QLatin1String(kPictureFilter); }

QString PictureLibrary::pickFile(int folder, const QString &caption) const
{
    if (caption.isEmpty())
        return {};
    const QString path = subjectPath(folder);
    const QStringList files = listFiles(path);
    for (const QString &file : files) {
        if (nameBeforeDot(file).compare(caption, Qt::CaseInsensitive) == 0)
            return path + file;
    }
    for (const QString &file : files) {
        if (file.startsWith(caption, Qt::CaseInsensitive))
            return path + file;
    }
    return {};
}

QString PictureLibrary::soundFor(const QString &name) const
{
    if (name.isEmpty())
        return {};
    const QString folder = resolveFolder(m_window.shell.AppFolder, QStringLiteral("Sounds/"));
    for (const QString &file : listFiles(folder, QStringLiteral("*.wav"))) {
        if (file.size() == name.size() + 4 && file.startsWith(name, Qt::CaseInsensitive))
            return folder + file;
    }
    return {};
}

void PictureLibrary::MNU_Pic_Click()
{
    if (!m_window.CheckPass(PasswordRequirement::Settings))
        return;
    ShellState &shell = m_window.shell;
    const QString start = shell.BackdropFile.isEmpty()
        ? resolveFolder(shell.AppFolder, QStringLiteral("Background/"))
        : QFileInfo(shell.BackdropFile).absolutePath();
    const QString chosen = m_window.platform().dialogs->openFile(
        m_window.mainWidget(), QStringLiteral("Change Picture"), start,
        QLatin1String(kPictureFilter));
    if (!chosen.isEmpty()) {
        const QImage picture = loadPicture(chosen);
        if (picture.isNull()) {
            // The previous choice stays; the parent learns why nothing changed.
            m_window.tellParent(QStringLiteral("\"%1\" is not a picture Tumblewick can show. "
                                               "The background picture stays as it was.")
                                    .arg(QFileInfo(chosen).fileName()),
                                Dialogs::Icon::Warning);
        } else {
            shell.BackdropFile = chosen;
        }
    }
    if (!shell.BackdropFile.isEmpty()) {
        const QImage backdrop = loadPicture(shell.BackdropFile);
        if (!backdrop.isNull() && m_window.Img(0))
            m_window.Img(0)->setPicture(backdrop);
    }
    m_window.MNU_Again_Click();
}

void PictureLibrary::MNU_PList1_Click(int index)
{
    Menus &menus = m_window.menus();
    QAction *item = menus.item(MenuId::MNU_PList1, index);
    if (!item)
        return;
    // The subject is the first checked Subject item.
    int subject = 0;
    for (int i = 0; i < kMaxSubjects && subject == 0; ++i) {
        if (menus.checked(MenuId::MNU_Subject, i))
            subject = i + 1;
    }
    const QString caption = fromCaption(item->text());
    const QString file = pickFile(subject, caption);
    if (file.isEmpty())
        return;
    const QImage picture = loadPicture(file);
    const QString sound = soundFor(caption);
    if (placePickedPicture)
        placePickedPicture(picture, sound);
    if (!sound.isEmpty())
        m_window.sounds().PlaySound(sound);
}

} // namespace tw
