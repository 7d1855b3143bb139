#include "help/Help.h"

#include "help/HelpHost.h"
#include "help/ManualWindow.h"
#include "help/SystemInfo.h"
#include "help/frmAbout.h"
#include "platform/Desktop.h"

#include <QDir>
#include <QFileInfo>

namespace tw {

namespace {

const char kNoSysInfo[] = "System Information Is Unavailable At This Time";

void bringForward(QWidget *window)
{
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

} // namespace

Help::Help(HelpHost &host)
    : m_host(host)
{ }

Help::~Help() { closeWindows(); }

frmAbout *Help::aboutBox() const { return m_about; }

ManualWindow *Help::manualWindow() const { return m_manual; }

QString Help::manualProblem(const QString &path) const
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists())
        return QStringLiteral("The help manual is missing: %1 was not found.").arg(shown);
    // A folder, a device or a pipe in its place would never finish loading.
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("The help manual %1 cannot be read.").arg(shown);
    return {};
}

void Help::MNU_Manual_Click()
{
    if (!m_host.checkSettingsPassword())
        return;
    const QString path = m_host.contentFolder() + QLatin1String(kManualFile);
    if (const QString problem = manualProblem(path); !problem.isEmpty()) {
        m_host.showMessage(m_host.mainWindow(), problem);
        return;
    }
    if (m_manual) {
        bringForward(m_manual);
        return;
    }
    Desktop *desktop = m_host.desktop();
    if (!desktop) {
        showOwnManual(path);
        return;
    }
    // The desktop answers later; where no browser opens, our own window shows the manual.
    desktop->openDocument(path, m_host.mainWindow(), [this, path] { showOwnManual(path); });
}

void Help::showOwnManual(const QString &path)
{
    if (!m_manual)
        m_manual = new ManualWindow(m_host.mainWindow(), path);
    bringForward(m_manual);
}

void Help::MNU_About_Click()
{
    if (!m_about) {
        const QString folders
            = QStringLiteral("Pictures and sounds: %1\nSettings and saved pictures: %2")
                  .arg(QDir::toNativeSeparators(m_host.contentFolder()),
                       QDir::toNativeSeparators(m_host.writableFolder()));
        m_about = new frmAbout(m_host.mainWindow(), folders);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(m_about, &frmAbout::sysInfoClicked, m_about,
                         [this] { cmdSysInfo_Click(); });
    }
    bringForward(m_about);
}

void Help::cmdSysInfo_Click()
{
    // The password dialog waits: the about box may be closed meanwhile.
    if (m_host.checkSettingsPassword())
        StartSysInfo();
}

void Help::StartSysInfo()
{
    QWidget *parent = m_about ? static_cast<QWidget *>(m_about) : m_host.mainWindow();
    Desktop *desktop = m_host.desktop();
    if (desktop) {
        const ProgramCall call
            = findSystemInfo([desktop](const QString &name) { return desktop->findProgram(name); });
        if (!call.program.isEmpty() && desktop->startProgram(call.program, call.arguments))
            return;
    }
    m_host.showMessage(parent, QLatin1String(kNoSysInfo));
}

void Help::closeWindows()
{
    if (m_about)
        m_about->close();
    if (m_manual)
        m_manual->close();
}

} // namespace tw
