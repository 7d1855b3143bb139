// The about box: the program's icon, title, version, what it is and the licence, and System Info.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tw {

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    // `folders`: a line naming the content folder and the folder for
    // settings and saved pictures.
    frmAbout(QWidget *parent, const QString &folders);

    QLabel *picIcon() const { return m_icon; }
    QLabel *lblTitle() const { return m_title; }
    QLabel *lblVersion() const { return m_version; }
    QLabel *lblDescription() const { return m_description; }
    QLabel *lblDisclaimer() const { return m_disclaimer; }
    QPushButton *cmdOK() const { return m_ok; }
    QPushButton *cmdSysInfo() const { return m_sysInfo; }

Q_SIGNALS:
    void sysInfoClicked();

private:
    QLabel *m_icon = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_description = nullptr;
    QLabel *m_folders = nullptr;
    QLabel *m_disclaimer = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_sysInfo = nullptr;
};

} // namespace tw
