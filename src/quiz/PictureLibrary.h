// Picture subjects and files: the Subject and Pick menus, random pictures, the backdrop.
#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace tw {

class QuizHost;

class PictureLibrary
{
public:
    explicit PictureLibrary(QuizHost &window);

    // Subjects in all (SubjectFolder 1 to 10, MNU_Subject items 0 to 9).
    static constexpr int kMaxSubjects = 10;
    // Pictures the Pick menu offers (MNU_PList1 items 0 to 99).
    static constexpr int kMaxPickItems = 100;

    // Adds the extra subject folders found in the content folder, in name order,
    // after SubjectCount, up to kMaxSubjects. The sound folder and the built-in
    // subjects are not added again, whatever the letter case of their names.
    void DoFolders();
    // Lists the pictures of subject `folder` (1 to 10) into FileList and the Pick
    // menu. An empty or missing folder leaves the menu as it was.
    void DoFiles(int folder);
    // Loads a random picture of subject `folder` into NextPicture, every file
    // equally likely; true when one was loaded. NextPicture is left alone when
    // the folder is empty or the file drawn is not a picture. Empties FileList.
    bool GetRandPic(int folder);

    // Full path of subject `folder`'s directory (trailing '/'), found whatever
    // the letter case on disk; empty for a subject that is not set.
    QString subjectPath(int folder) const;
    // The picture file a Pick item `caption` stands for in subject `folder`: the
    // file named exactly so (any extension, letter case aside), else the first
    // whose name begins with it. Empty when there is none.
    QString pickFile(int folder, const QString &caption) const;
    // The sound of a picture called `name`: Sounds/<name>.wav, letter case aside.
    QString soundFor(const QString &name) const;

    // Loads any picture file the program understands; a null image when the
    // file is missing, broken or too large.
    static QImage loadPicture(const QString &path);
    // The file dialog's filter for every picture format the program reads.
    static QString pictureFilter();

    // "&Change Picture": asks for the settings password, lets the parent choose
    // the backdrop picture and restarts the game.
    void MNU_Pic_Click();
    // A "&Pick" item: loads the picture into the paint box (through
    // placePickedPicture) and plays its sound.
    void MNU_PList1_Click(int index);

    // Set by the paint box: places a picked picture (with the path of its sound,
    // or empty) as a new user picture. Until then a pick only plays the sound.
    std::function<void(const QImage &picture, const QString &soundPath)> placePickedPicture;

private:
    QuizHost &m_window;
};

} // namespace tw
