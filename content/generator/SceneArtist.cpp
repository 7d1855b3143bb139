#include "SceneArtist.h"

#include "PictureArtist.h"
#include "Recipe.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace tw::content {

namespace {

constexpr int SunRadius = 62;
constexpr int SunRays = 12;
constexpr int MaxClouds = 4;
constexpr int CloudPlaceCount = 7;
constexpr double CloudSunDistance = 220; // clouds keep this far (pixels) from the sun's centre
constexpr int MaxGlyphSize = 600;

// Cloud positions in percent of the picture, used in this order (skipping those by the sun).
constexpr QPointF CloudPlaces[CloudPlaceCount]
    = {{34, 14}, {60, 24}, {12, 30}, {82, 34}, {46, 8}, {88, 12}, {24, 36}};

QPointF percentPoint(double x, double y)
{
    return {x * SceneArtist::Width / 100.0, y * SceneArtist::Height / 100.0};
}

// A rolling band from the top edge at level (pixels) down to the bottom of the picture.
QPainterPath rollingBand(double level, double amplitude, double waves, double phase)
{
    QPainterPath path;
    path.moveTo(0, SceneArtist::Height);
    constexpr int Steps = 64;
    for (int i = 0; i <= Steps; ++i) {
        const double x = double(SceneArtist::Width) * i / Steps;
        const double y
            = level - amplitude * qSin(phase + 2 * M_PI * waves * x / SceneArtist::Width);
        path.lineTo(x, y);
    }
    path.lineTo(SceneArtist::Width, SceneArtist::Height);
    path.closeSubpath();
    return path;
}

void paintSun(QPainter &painter, QPointF centre)
{
    painter.save();
    painter.setPen(QPen(QColor(0xff, 0xc1, 0x07), 10, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < SunRays; ++i) {
        const double angle = 2 * M_PI * i / SunRays;
        const QPointF dir(qCos(angle), qSin(angle));
        painter.drawLine(centre + dir * (SunRadius + 14), centre + dir * (SunRadius + 40));
    }
    QRadialGradient glow(centre, SunRadius);
    glow.setColorAt(0, QColor(0xff, 0xf5, 0x9d));
    glow.setColorAt(1, QColor(0xff, 0xd5, 0x4f));
    painter.setPen(QPen(QColor(0xff, 0xb3, 0x00), 4));
    painter.setBrush(glow);
    painter.drawEllipse(centre, SunRadius, SunRadius);
    painter.restore();
}

void paintCloud(QPainter &painter, QPointF centre)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(centre + QPointF(-70, 0), 50, 34);
    cloud.addEllipse(centre + QPointF(-20, -24), 56, 46);
    cloud.addEllipse(centre + QPointF(40, -8), 52, 40);
    cloud.addEllipse(centre + QPointF(80, 8), 40, 28);
    cloud.addRoundedRect(QRectF(centre + QPointF(-110, 0), centre + QPointF(110, 34)), 17, 17);
    painter.drawPath(cloud.simplified());
    painter.restore();
}

bool readColours(const QString &value, QList<QColor> *colours, QList<double> *numbers)
{
    for (const QString &part : value.split(QLatin1Char(','))) {
        if (part.startsWith(QLatin1Char('#'))) {
            const QColor colour = QColor::fromString(part);
            if (!colour.isValid())
                return false;
            colours->append(colour);
        } else {
            bool ok = false;
            const double number = part.toDouble(&ok);
            if (!ok)
                return false;
            numbers->append(number);
        }
    }
    return true;
}

} // namespace

SceneArtist::SceneArtist(const PictureArtist &pictures)
    : m_pictures(pictures)
{ }

QImage SceneArtist::paint(const QStringList &keys, QString *error, QStringList *missingGlyphs) const
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(0x9f, 0xd4, 0xf5));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // Painted back to front: sky, sun, clouds, far hills, sea, ground, then the glyphs.
    enum Layer { Sky, Sun, Clouds, Hills, Sea, Ground, Glyphs };
    struct Step
    {
        Layer layer;
        QList<QColor> colours;
        QList<double> numbers;
        QString glyph;
    };
    QList<Step> steps;
    for (const QString &key : keys) {
        const int eq = key.indexOf(QLatin1Char('='));
        const QString name = key.left(eq);
        const QString value = eq < 0 ? QString() : key.mid(eq + 1);
        Step step;
        bool ok = true;
        if (name == QLatin1String("glyph")) {
            const int at = value.indexOf(QLatin1Char('@'));
            step.layer = Glyphs;
            step.glyph = codePointsToText(value.left(at));
            ok = at > 0 && !step.glyph.isEmpty()
                && readColours(value.mid(at + 1), &step.colours, &step.numbers)
                && step.numbers.size() == 3 && step.numbers[2] > 0
                && step.numbers[2] <= MaxGlyphSize;
        } else {
            ok = readColours(value, &step.colours, &step.numbers);
            if (name == QLatin1String("sky")) {
                step.layer = Sky;
                ok = ok && step.colours.size() == 2;
            } else if (name == QLatin1String("sun")) {
                step.layer = Sun;
                ok = ok && step.numbers.size() == 2;
            } else if (name == QLatin1String("clouds")) {
                step.layer = Clouds;
                ok = ok && step.numbers.size() == 1 && step.numbers[0] >= 0
                    && step.numbers[0] <= MaxClouds;
            } else if (name == QLatin1String("hills")) {
                step.layer = Hills;
                ok = ok && step.colours.size() == 1;
            } else if (name == QLatin1String("sea") || name == QLatin1String("ground")) {
                step.layer = name == QLatin1String("sea") ? Sea : Ground;
                ok = ok && step.colours.size() == 1 && step.numbers.size() == 1;
            } else {
                ok = false;
            }
        }
        if (!ok) {
            *error = QStringLiteral("cannot read the scene word \"%1\"").arg(key);
            return {};
        }
        steps.append(step);
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const Step &a, const Step &b) { return a.layer < b.layer; });

    double groundLevel = Height * 0.7;
    QPointF sunCentre(-Width, -Height); // far away when the scene has no sun
    for (const Step &step : steps) {
        if (step.layer == Ground || step.layer == Sea)
            groundLevel = qMin(groundLevel, step.numbers[0] * Height / 100.0);
        if (step.layer == Sun)
            sunCentre = percentPoint(step.numbers[0], step.numbers[1]);
    }

    for (const Step &step : steps) {
        switch (step.layer) {
        case Sky: {
            QLinearGradient sky(0, 0, 0, Height);
            sky.setColorAt(0, step.colours[0]);
            sky.setColorAt(0.75, step.colours[1]);
            painter.fillRect(image.rect(), sky);
            break;
        }
        case Sun:
            paintSun(painter, percentPoint(step.numbers[0], step.numbers[1]));
            break;
        case Clouds: {
            int left = int(step.numbers[0]);
            for (int i = 0; i < CloudPlaceCount && left > 0; ++i) {
                const QPointF place = percentPoint(CloudPlaces[i].x(), CloudPlaces[i].y());
                if (QLineF(place, sunCentre).length() < CloudSunDistance)
                    continue;
                paintCloud(painter, place);
                --left;
            }
            break;
        }
        case Hills:
            painter.setPen(Qt::NoPen);
            painter.setBrush(step.colours[0]);
            painter.drawPath(rollingBand(groundLevel - 40, 46, 1.6, 0.8));
            break;
        case Sea: {
            const double level = step.numbers[0] * Height / 100.0;
            painter.fillRect(QRectF(0, level, Width, Height - level), step.colours[0]);
            painter.setPen(QPen(step.colours[0].lighter(135), 5, Qt::SolidLine, Qt::RoundCap));
            for (int row = 0; row < 3; ++row) {
                for (int x = 60 + row * 90; x < Width; x += 260)
                    painter.drawArc(QRectF(x, level + 22 + row * 34, 60, 20), 20 * 16, 140 * 16);
            }
            break;
        }
        case Ground:
            painter.setPen(Qt::NoPen);
            painter.setBrush(step.colours[0]);
            painter.drawPath(rollingBand(step.numbers[0] * Height / 100.0, 14, 2.3, 0.0));
            break;
        case Glyphs: {
            const QImage scaled = m_pictures.glyphAt(step.glyph, int(step.numbers[2]));
            if (scaled.isNull()) {
                missingGlyphs->append(step.glyph);
                break;
            }
            const QPointF centre = percentPoint(step.numbers[0], step.numbers[1]);
            painter.drawImage(centre - QPointF(scaled.width() / 2.0, scaled.height() / 2.0),
                              scaled);
            break;
        }
        }
    }
    return image;
}

} // namespace tw::content
