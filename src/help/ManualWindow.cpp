#include "help/ManualWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tw {

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 700;

} // namespace

ManualWindow::ManualWindow(QWidget *parent, const QString &path)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Tumblewick Help Manual"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new QTextBrowser(this);
    // Links into the web open in the desktop's browser, if there is one.
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(path));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(kWidth, kHeight);
}

} // namespace tw
