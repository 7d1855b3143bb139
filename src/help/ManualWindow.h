// Our own window showing the help manual, for desktops where no browser opens it.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace tw {

class ManualWindow : public QWidget
{
    Q_OBJECT
public:
    // Shows the manual file `path` (an HTML page with pictures beside it).
    ManualWindow(QWidget *parent, const QString &path);

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser = nullptr;
};

} // namespace tw
