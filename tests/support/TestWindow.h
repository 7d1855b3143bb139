// Builds a main window on fake platform parts, with its own content and write folders.
#pragma once

#include "common/Constants.h"
#include "platform/fakes/FakePlatform.h"
#include "shell/Educate.h"
#include "shell/FrmPass.h"
#include "shell/PasswordLock.h"
#include "shell/Settings.h"
#include "shell/SettingsFile.h"
#include "support/Files.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

namespace tw::test {

// One answer to the password dialog: what to type in its three boxes, and
// whether to press O.K or Cancel.
struct PassAnswer
{
    QString current {};
    QString fresh {};
    QString repeat {};
    bool cancel = false;
};

struct TestWindow
{
    QTemporaryDir appDir;
    QTemporaryDir writeDir;
    FakePlatform fakes;
    std::unique_ptr<Educate> window;
    // Answers given to the dialog, first first; each pump while the dialog
    // waits takes the next one. With none left the dialog is cancelled.
    std::deque<PassAnswer> passAnswers;
    int dialogsAnswered = 0;
    int unexpectedDialogs = 0;

    explicit TestWindow(std::uint32_t seed = 1, QSize size = QSize(800, 600))
    {
        make(seed, size, writeDir.path());
    }
    // A window writing into `writeFolder` (a second run of the same installation).
    TestWindow(const QString &writeFolder, std::uint32_t seed = 1)
    {
        make(seed, QSize(800, 600), writeFolder);
    }
    Educate &w() { return *window; }
    PasswordLock &lock() { return window->password(); }

    // The settings file the window finds when it starts.
    bool storeSettings(const SettingsValues &v)
    {
        return writeFile(window->settings().settingsPath(), writeSettings(v));
    }

    // The parent's set-up: settings loaded, Paint Box playing (it needs no
    // content), the password "tiger" created through the dialog and the
    // `required` requirements checked. Dialogs are answered from passAnswers.
    void lockWith(std::initializer_list<PasswordRequirement> required)
    {
        scriptPasswords();
        window->settings().LoadData();
        window->shell.LastGame = GamePaintBox;
        window->MNU_Game_Click(GamePaintBox);
        passAnswers.push_back({{}, QStringLiteral("tiger"), QStringLiteral("tiger")});
        lock().MNU_PsCreate_Click();
        for (PasswordRequirement r : required) {
            passAnswers.push_back({QStringLiteral("tiger")});
            lock().MNU_PsRq_Click(static_cast<int>(r));
        }
        dialogsAnswered = 0;
    }

    // Answers the password dialog whenever it waits.
    void scriptPasswords()
    {
        fakes.pump->onPump = [this] { answerDialog(); };
    }
    void answerDialog()
    {
        PasswordLock &lock = window->password();
        if (!lock.asking() || !lock.dialog()->isVisible())
            return;
        FrmPass *d = lock.dialog();
        if (passAnswers.empty()) {
            ++unexpectedDialogs;
            QTest::mouseClick(d->ComCancel(), Qt::LeftButton);
            return;
        }
        const PassAnswer a = passAnswers.front();
        passAnswers.pop_front();
        ++dialogsAnswered;
        if (d->PassBox(0)->isEnabled())
            d->PassBox(0)->setText(a.current);
        d->PassBox(1)->setText(a.fresh);
        d->PassBox(2)->setText(a.repeat);
        QTest::mouseClick(a.cancel ? d->ComCancel() : d->ComOK(), Qt::LeftButton);
    }

private:
    void make(std::uint32_t seed, QSize size, const QString &writeFolder)
    {
        Platform p;
        fakes = FakePlatform::make(p, seed);
        window = std::make_unique<Educate>(std::move(p), appDir.path(), writeFolder);
        window->resize(size);
    }
};

} // namespace tw::test
