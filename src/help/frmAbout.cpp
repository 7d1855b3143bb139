#include "help/frmAbout.h"

#include "tumblewick/Version.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

namespace {

constexpr int kIconSize = 64;
constexpr int kTitlePointSize = 20;
constexpr int kTextWidth = 380;
constexpr double kSmallTextScale = 0.85; // the folders and the licence, a little smaller
const char kTitle[] = "Tumblewick";
const char kDescription[]
    = "Educational games for children from three to seven: picture, word, number and puzzle "
      "games, a colouring book and a paint box, with a talking character.";
const char kDisclaimer[]
    = "Tumblewick is free software: you may share and change it under the GNU General Public "
      "License, version 3 or (at your option) any later version. It comes with ABSOLUTELY NO "
      "WARRANTY. Pictures: Google's Noto Emoji artwork (Apache License 2.0). Flags: "
      "flag-icons (MIT License). Letters: the Andika font by SIL (SIL Open Font License 1.1). "
      "Spoken words: eSpeak NG.";

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setMinimumWidth(kTextWidth);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent, const QString &folders)
    : QDialog(parent)
{
    const QString title = QLatin1String(kTitle);
    setWindowTitle(QStringLiteral("About ") + title);

    m_icon = new QLabel(this);
    m_icon->setPixmap(QApplication::windowIcon().pixmap(kIconSize, kIconSize));
    m_icon->setFixedSize(kIconSize, kIconSize);
    m_title = new QLabel(title, this);
    QFont big = m_title->font();
    big.setPointSize(kTitlePointSize);
    big.setBold(true);
    m_title->setFont(big);
    m_version = new QLabel(QStringLiteral("Version ") + QLatin1String(kVersion), this);
    m_description = wrappedLabel(QLatin1String(kDescription), this);
    m_folders = wrappedLabel(folders, this);
    m_folders->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_disclaimer = wrappedLabel(QLatin1String(kDisclaimer), this);
    QFont small = m_disclaimer->font();
    small.setPointSizeF(small.pointSizeF() * kSmallTextScale);
    m_disclaimer->setFont(small);
    m_folders->setFont(small);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    m_sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    m_sysInfo->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_sysInfo, &QPushButton::clicked, this, &frmAbout::sysInfoClicked);

    auto *grid = new QGridLayout;
    grid->addWidget(m_icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(m_title, 0, 1);
    grid->addWidget(m_version, 1, 1);
    grid->addWidget(m_description, 2, 1);
    grid->addWidget(m_folders, 3, 1);
    grid->addWidget(m_disclaimer, 4, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_sysInfo);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tw
