// EducatePictureHost: the main window's side of the colouring book's, the
// printing's and the picture files' host interfaces.
#pragma once

#include "paint/ColourBookHost.h"
#include "print/PrintHost.h"

namespace tw {

class Educate;

class EducatePictureHost : public ColourBookHost, public PrintHost
{
public:
    explicit EducatePictureHost(Educate &window)
        : m_window(window)
    { }

    // The colouring book.
    void showColourBookMenus() override;
    void checkMapItem(int index) override;
    QImage pictureToColour(QSize surface) override;

    // Printing and the picture files.
    QWidget *window() override;
    Dialogs &dialogs() override;
    Printer &printer() override;
    void setBusy(bool busy) override;
    QString appFolder() const override;
    QString writeFolder() const override;
    QImage loadPicture(const QString &path) override;
    QImage shownPicture() override;
    void showPicture(const QImage &picture) override;
    void clearPicture() override;
    void stickDownObjects() override;
    PrintedDrawing drawing() override;

private:
    Educate &m_window;
};

} // namespace tw
