#include "paint/UserObjects.h"

#include "paint/DotStamp.h"
#include "paint/PaintBox.h"
#include "paint/PaintHost.h"
#include "paint/PaintObjects.h"
#include "paint/PaintState.h"
#include "paint/Paper.h"
#include "platform/Numeric.h"
#include "platform/ReadingFont.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace tw {

namespace {

const QString kTexts = QStringLiteral("LabUser");
const QString kPictures = QStringLiteral("ImgUser");
const QString kNewCaption = QStringLiteral("  Add Text  ");
constexpr double kNewTextPoints = 12;
constexpr double kNewPictureSide = 1500; // twips
constexpr int kPointerTool = 6;
constexpr int kLeftButton = 1;
const char *const kCacheKey = "pictureKey";

QString cssColour(quint32 colour) { return QColor::fromRgb(rgbFromColour(colour)).name(); }

} // namespace

UserObjects::UserObjects(PaintHost &host, PaintState &state, PaintBox &box, PaintObjects &objects,
                         PaintObjectSet &set)
    : m_host(host)
    , m_state(state)
    , m_box(box)
    , m_objects(objects)
    , m_set(set)
{
    m_edit = new QLineEdit(&box.paper());
    m_edit->setFrame(false);
    m_edit->hide();
    m_edit->installEventFilter(this);
}

UserObjects::~UserObjects() = default;

QRect UserObjects::pixels(const QRectF &t) const
{
    const double tx = m_state.TwipsX;
    const double ty = m_state.TwipsY;
    return QRect(CInt(t.left() / tx), CInt(t.top() / ty), std::max(1, CInt(t.width() / tx)),
                 std::max(1, CInt(t.height() / ty)));
}

QPointF UserObjects::onPaper(QWidget *widget, QPointF pos) const
{
    const QPointF p = widget->mapTo(&m_box.paper(), pos.toPoint());
    return QPointF(p.x() * m_state.TwipsX, p.y() * m_state.TwipsY);
}

QLabel *UserObjects::label(int index) const
{
    return index > 0 && index < int(m_labels.size()) ? m_labels[size_t(index)] : nullptr;
}

QLabel *UserObjects::image(int index) const
{
    return index > 0 && index < int(m_images.size()) ? m_images[size_t(index)] : nullptr;
}

QFont UserObjects::fontOf(const TextObject &text) const
{
    QFont font(text.FontName.isEmpty() ? readingFamily() : text.FontName);
    font.setPointSizeF(text.FontSize > 0 ? text.FontSize : kNewTextPoints);
    font.setBold(text.FontBold);
    font.setItalic(text.FontItalic);
    return font;
}

// The object takes the font and sizes itself to its caption in it.
void UserObjects::applyFont(TextObject &text, const QFont &font)
{
    text.FontName = font.family();
    text.FontSize = font.pointSizeF();
    text.FontBold = font.bold();
    text.FontItalic = font.italic();
    QLabel measure;
    measure.setFont(font);
    measure.setText(text.Caption);
    const QSize size = measure.sizeHint();
    text.Width = size.width() * m_state.TwipsX;
    text.Height = size.height() * m_state.TwipsY;
}

void UserObjects::syncText(int index)
{
    const TextObject &text = m_set.texts[size_t(index)];
    QLabel *&widget = m_labels[size_t(index)];
    if (!widget) {
        widget = new QLabel(&m_box.paper());
        widget->installEventFilter(this);
        widget->raise();
    }
    const bool framed = m_state.SelectedObject == kTexts && m_state.SelectedIndex == index;
    const QString css
        = QStringLiteral("QLabel { color: %1; background: transparent; border: %2; }")
              .arg(cssColour(text.ForeColor),
                   framed ? QStringLiteral("1px solid black") : QStringLiteral("none"));
    if (widget->styleSheet() != css)
        widget->setStyleSheet(css);
    if (widget->text() != text.Caption)
        widget->setText(text.Caption);
    const QFont font = fontOf(text);
    if (widget->font() != font)
        widget->setFont(font);
    widget->setGeometry(pixels(text.bounds()));
    widget->setVisible(m_shown && text.live() && !(m_editing == index && editing()));
}

void UserObjects::syncPicture(int index)
{
    const PictureObject &picture = m_set.pictures[size_t(index)];
    QLabel *&widget = m_images[size_t(index)];
    if (!widget) {
        widget = new QLabel(&m_box.paper());
        widget->setScaledContents(true);
        widget->installEventFilter(this);
        widget->raise();
    }
    const bool framed = m_state.SelectedObject == kPictures && m_state.SelectedIndex == index;
    const QString css = framed ? QStringLiteral("QLabel { border: 1px solid black; }") : QString();
    if (widget->styleSheet() != css)
        widget->setStyleSheet(css);
    if (widget->property(kCacheKey).toLongLong() != picture.Picture.cacheKey()) {
        widget->setProperty(kCacheKey, picture.Picture.cacheKey());
        widget->setPixmap(picture.Picture.isNull() ? QPixmap()
                                                   : QPixmap::fromImage(picture.Picture));
    }
    widget->setGeometry(pixels(picture.bounds()));
    widget->setVisible(m_shown && picture.live());
}

void UserObjects::setShown(bool shown)
{
    m_shown = shown;
    sync();
}

void UserObjects::sync()
{
    // After an undo there may be fewer objects than widgets.
    for (auto *list : {&m_labels, &m_images}) {
        const size_t wanted = list == &m_labels ? m_set.texts.size() : m_set.pictures.size();
        while (list->size() > wanted) {
            delete list->back();
            list->pop_back();
        }
        list->resize(wanted, nullptr);
    }
    for (int i = 1; i <= TextCount(); ++i)
        syncText(i);
    for (int i = 1; i <= ImageCount(); ++i)
        syncPicture(i);
}

void UserObjects::MNU_AddText_Click()
{
    m_box.Tool_Click(kPointerTool);
    if (TextCount() >= kMaxObjects)
        return;
    TextObject text;
    text.Caption = kNewCaption;
    text.ForeColor = quint32(m_state.PenColour);
    applyFont(text, readingFont(kNewTextPoints));
    m_set.texts.push_back(text);
    m_objects.SpClear();
    m_state.SelectedObject = kTexts;
    m_state.SelectedIndex = TextCount();
    sync();
    m_objects.PlaceSp();
    MNU_EdText_Click();
    m_objects.recordStep();
}

void UserObjects::MNU_AddImg_Click()
{
    m_box.Tool_Click(kPointerTool);
    if (ImageCount() >= kMaxObjects)
        return;
    const QString path = m_host.choosePictureFile();
    QImage picture;
    if (!path.isEmpty()) {
        const std::optional<QImage> loaded = m_host.loadPicture(path);
        if (!loaded)
            return; // far too large: the child was told, nothing is made
        picture = *loaded;
    }
    placePicked(picture, QString());
}

void UserObjects::placePicked(const QImage &picture, const QString &sound)
{
    m_box.Tool_Click(kPointerTool);
    if (ImageCount() >= kMaxObjects)
        return;
    PictureObject object;
    object.Width = kNewPictureSide;
    object.Height = kNewPictureSide;
    object.Picture = picture;
    object.Sound = sound;
    m_set.pictures.push_back(object);
    m_objects.SpClear();
    m_state.SelectedObject = kPictures;
    m_state.SelectedIndex = ImageCount();
    sync();
    m_objects.PlaceSp();
    m_objects.recordStep();
}

void UserObjects::ResetUser()
{
    m_set.texts.resize(1);
    m_edit->hide();
    m_editing = 0;
    sync();
}

void UserObjects::ResetUserImg()
{
    m_set.pictures.resize(1);
    sync();
}

bool UserObjects::editing() const { return m_editing > 0 && !m_edit->isHidden(); }

void UserObjects::MNU_EdText_Click()
{
    if (m_state.SelectedObject == kTexts)
        Ctrl_DblClick(m_state.SelectedIndex);
}

void UserObjects::Ctrl_DblClick(int index)
{
    if (index < 1 || index > TextCount() || !m_set.texts[size_t(index)].live())
        return;
    const TextObject &text = m_set.texts[size_t(index)];
    m_state.SelectedObject = kTexts;
    m_state.SelectedIndex = index;
    m_editing = index;
    m_edit->setGeometry(pixels(text.bounds()));
    m_edit->setFont(fontOf(text));
    m_edit->setText(text.Caption);
    m_edit->setProperty(kCacheKey, qlonglong(text.ForeColor));
    m_edit->setStyleSheet(
        QStringLiteral("QLineEdit { color: %1; }").arg(cssColour(text.ForeColor)));
    m_edit->show();
    m_edit->raise();
    m_edit->setFocus();
    m_edit->selectAll();
    syncText(index);
    m_objects.PlaceSp();
}

bool UserObjects::commitEdit()
{
    if (!editing()) {
        m_edit->hide();
        m_editing = 0;
        return false;
    }
    const int index = m_editing;
    m_editing = 0;
    m_edit->hide();
    if (index > TextCount())
        return false;
    TextObject &text = m_set.texts[size_t(index)];
    const TextObject before = text;
    const QFont font = m_edit->font();
    text.Caption = m_edit->text();
    text.FontName = font.family();
    text.FontSize = font.pointSizeF();
    text.FontBold = font.bold();
    text.FontItalic = font.italic();
    text.ForeColor = quint32(m_edit->property(kCacheKey).toLongLong());
    m_edit->clear();
    syncText(index);
    return !(text == before);
}

void UserObjects::MNU_EdFont_Click()
{
    if (m_state.SelectedObject != kTexts || m_state.SelectedIndex > TextCount())
        return;
    const int index = m_state.SelectedIndex;
    const std::optional<QFont> font = m_host.chooseFont(fontOf(m_set.texts[size_t(index)]));
    // The dialog waited: the object is looked up again.
    if (font && editing() && m_editing == index && index <= TextCount()) {
        m_edit->setFont(*font);
        TextObject &text = m_set.texts[size_t(index)];
        text.Caption = m_edit->text();
        applyFont(text, *font);
        m_edit->setGeometry(pixels(text.bounds()));
    }
    m_objects.SpClear();
    m_objects.recordStep();
}

void UserObjects::MNU_EdColor_Click()
{
    const bool text = m_state.SelectedObject == kTexts && m_state.SelectedIndex <= TextCount()
        && m_set.texts[size_t(m_state.SelectedIndex)].live();
    const long preset
        = text ? long(m_set.texts[size_t(m_state.SelectedIndex)].ForeColor) : m_state.PenColour;
    const std::optional<long> colour = m_host.chooseColour(preset);
    if (!colour)
        return;
    if (editing()) {
        m_edit->setProperty(kCacheKey, qlonglong(*colour));
        m_edit->setStyleSheet(
            QStringLiteral("QLineEdit { color: %1; }").arg(cssColour(quint32(*colour))));
    }
    if (m_state.SelectedObject == kTexts && m_state.SelectedIndex <= TextCount()) {
        m_set.texts[size_t(m_state.SelectedIndex)].ForeColor = quint32(*colour);
        syncText(m_state.SelectedIndex);
        m_objects.recordStep();
    }
    m_state.PenColour = *colour;
}

void UserObjects::Ctrl_MouseDown(const QString &kind, int index, QPointF grab)
{
    m_objects.SpClear();
    m_state.SelectedObject = kind;
    m_state.SelectedIndex = index;
    const QRectF bounds = kind == kTexts ? m_set.texts[size_t(index)].bounds()
                                         : m_set.pictures[size_t(index)].bounds();
    m_dragStart = bounds.topLeft();
    m_dragging = true;
    m_state.GrabX = CInt(grab.x());
    m_state.GrabY = CInt(grab.y());
    sync();
    m_objects.PlaceSp();
}

// Where a dragged object lands: a picture dropped on a text goes back where
// it was; anything else stays where the pointer left it.
void UserObjects::drop(QPointF at)
{
    const QString kind = m_state.SelectedObject;
    const int index = m_state.SelectedIndex;
    QWidget *source = kind == kTexts ? label(index) : image(index);
    const QPoint pixel(CInt(at.x() / m_state.TwipsX), CInt(at.y() / m_state.TwipsY));
    const QObjectList &stack = m_box.paper().children();
    for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
        auto *widget = qobject_cast<QLabel *>(*it);
        if (!widget || widget == source || !widget->isVisible()
            || !widget->geometry().contains(pixel))
            continue;
        const bool onText = std::find(m_labels.begin(), m_labels.end(), widget) != m_labels.end();
        const bool onPicture
            = std::find(m_images.begin(), m_images.end(), widget) != m_images.end();
        if (!onText && !onPicture)
            continue;
        if (onText && kind == kPictures) {
            m_set.pictures[size_t(index)].Left = m_dragStart.x();
            m_set.pictures[size_t(index)].Top = m_dragStart.y();
            syncPicture(index);
        }
        break;
    }
    m_objects.PlaceSp();
}

bool UserObjects::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit) {
        if (event->type() != QEvent::MouseButtonDblClick || !editing())
            return false;
        // The editor's own font and colour; they reach the object when the edit ends.
        if (const std::optional<QFont> font = m_host.chooseFont(m_edit->font()); font && editing())
            m_edit->setFont(*font);
        const std::optional<long> colour
            = m_host.chooseColour(long(m_edit->property(kCacheKey).toLongLong()));
        if (colour && editing()) {
            m_edit->setProperty(kCacheKey, qlonglong(*colour));
            m_edit->setStyleSheet(
                QStringLiteral("QLineEdit { color: %1; }").arg(cssColour(quint32(*colour))));
        }
        return true;
    }
    auto *widget = qobject_cast<QLabel *>(watched);
    const auto text = std::find(m_labels.begin(), m_labels.end(), widget);
    const auto picture = std::find(m_images.begin(), m_images.end(), widget);
    const bool isText = text != m_labels.end();
    if (!widget || (!isText && picture == m_images.end()))
        return false;
    const int index = int(isText ? text - m_labels.begin() : picture - m_images.begin());
    const QString kind = isText ? kTexts : kPictures;
    const int tool = m_state.CurrentTool;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPointF paper = onPaper(widget, mouse->position());
        if (mouse->button() != Qt::LeftButton) {
            m_objects.RightMouse();
        } else if (!isText && m_host.subject() == QLatin1String("ColBook")) {
            // the colouring book's pictures are only looked at
        } else if (tool < kPointerTool) {
            m_box.Paper_MouseDown(kLeftButton, paper.x(), paper.y()); // strokes pass over
        } else if (tool == kPointerTool) {
            Ctrl_MouseDown(kind, index,
                           QPointF(mouse->position().x() * m_state.TwipsX,
                                   mouse->position().y() * m_state.TwipsY));
            if (!isText && !m_set.pictures[size_t(index)].Sound.isEmpty())
                m_host.playSound(m_set.pictures[size_t(index)].Sound);
        }
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        widget->setCursor(tool == kPointerTool ? Qt::SizeAllCursor : Qt::ArrowCursor);
        if (!(mouse->buttons() & Qt::LeftButton))
            return true;
        const QPointF paper = onPaper(widget, mouse->position());
        if (tool < kPointerTool) {
            m_box.Paper_MouseMove(kLeftButton, paper.x(), paper.y());
        } else if (m_dragging && m_state.SelectedIndex == index && m_state.SelectedObject == kind) {
            QRectF bounds(paper - QPointF(m_state.GrabX, m_state.GrabY), QSizeF());
            if (isText) {
                m_set.texts[size_t(index)].Left = bounds.left();
                m_set.texts[size_t(index)].Top = bounds.top();
                syncText(index);
            } else {
                m_set.pictures[size_t(index)].Left = bounds.left();
                m_set.pictures[size_t(index)].Top = bounds.top();
                syncPicture(index);
            }
            m_objects.PlaceSp();
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        const QPointF paper = onPaper(widget, mouse->position());
        if (tool < kPointerTool) {
            m_box.Paper_MouseUp(kLeftButton, paper.x(), paper.y());
        } else if (m_dragging) {
            m_dragging = false;
            drop(paper);
            m_objects.recordStep();
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (isText && tool == kPointerTool)
            Ctrl_DblClick(index);
        return true;
    default:
        return false;
    }
}

} // namespace tw
