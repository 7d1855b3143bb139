// EducatePaintHost: the main window's side of the paint box's host interface.
#pragma once

#include "paint/PaintHost.h"

namespace tw {

class Educate;

class EducatePaintHost : public PaintHost
{
public:
    explicit EducatePaintHost(Educate &window)
        : m_window(window)
    { }

    QWidget *playArea() override;
    QString appFolder() const override;
    QString writeFolder() const override;
    Random &random() override;
    int currentGame() const override;
    QString subject() const override;
    void setSubject(const QString &subject) override;
    bool repaintPending() const override;
    void setRepaintPending(bool on) override;
    bool penDown() const override;
    void setPenDown(bool on) override;
    void setPaintDone(bool on) override;
    void setHourglass(bool on) override;
    void showPaintMenus() override;
    void showPaletteTile(int index, const QRect &pixels, const QString &tip) override;
    long paletteColour(int index) const override;
    void setPaletteColour(int index, long colour) override;
    void showReviewButton(int index, const QRect &pixels) override;
    bool toolsItemVisible(ToolsItem item) const override;
    void setToolsItemVisible(ToolsItem item, bool on) override;
    void setToolsItemEnabled(ToolsItem item, bool on) override;
    void setToolsItemCaption(ToolsItem item, const QString &caption) override;
    int checkedShapeKind() const override;
    void checkShapeKind(int kind) override;
    void popUpTools(std::function<void()> closed) override;
    std::optional<long> chooseColour(long colour) override;
    std::optional<QFont> chooseFont(const QFont &font) override;
    QString choosePictureFile() override;
    std::optional<QImage> loadPicture(const QString &path) override;
    void playSound(const QString &path) override;

private:
    Educate &m_window;
};

} // namespace tw
