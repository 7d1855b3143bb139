// A surface and a window for the printing and picture-file tests, without widgets, and
// a reader of printed pages.
#pragma once

#include "platform/fakes/FakePlatform.h"
#include "print/PrintHost.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace tw::test {

// The first page of a PDF file as pdftoppm (poppler-utils) draws it at `dpi`;
// a null image when it cannot within a few seconds.
inline QImage renderPage(const QString &pdf, int dpi)
{
    constexpr int kRenderWaitMs = 20000;
    const QString prefix = pdf + QStringLiteral("-page");
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, prefix});
    if (!render.waitForFinished(kRenderWaitMs)) {
        render.kill();
        return {};
    }
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

struct FakePrintHost : PrintHost
{
    FakePrintHost() { writeFolderPath = dir.path() + QLatin1Char('/'); }
    QWidget *window() override { return nullptr; }
    Dialogs &dialogs() override { return fakeDialogs; }
    Printer &printer() override { return fakePrinter; }
    void setBusy(bool busy) override { busyNow = busy; }
    QString appFolder() const override { return dir.path() + QLatin1Char('/'); }
    QString writeFolder() const override { return writeFolderPath; }
    QImage loadPicture(const QString &path) override { return QImage(path); }
    QImage shownPicture() override { return shown; }
    void showPicture(const QImage &picture) override { shown = picture; }
    void clearPicture() override { shown.fill(Qt::white); }
    void stickDownObjects() override { ++stuckDown; }
    PrintedDrawing drawing() override { return printed; }

    QTemporaryDir dir;
    QString writeFolderPath;
    FakeDialogs fakeDialogs;
    FakePrinter fakePrinter;
    QImage shown;
    PrintedDrawing printed;
    bool busyNow = false;
    int stuckDown = 0;
};

} // namespace tw::test
