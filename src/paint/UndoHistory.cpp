#include "paint/UndoHistory.h"

namespace tw {

namespace {

constexpr qint64 kBytesPerPixel = sizeof(quint32) + sizeof(quint8);
constexpr qint64 kBytesPerObject = 64;

} // namespace

void UndoHistory::reset(const PixelMaps &maps, const PaintObjectSet &objects)
{
    m_recorded = maps;
    m_recordedObjects = objects;
    m_steps.clear();
    m_position = 0;
}

bool UndoHistory::record(const PixelMaps &maps, const PaintObjectSet &objects)
{
    if (m_recorded.width() <= maps.width() && m_recorded.height() <= maps.height())
        m_recorded.growTo(maps.width(), maps.height());
    const bool sameSize
        = m_recorded.width() == maps.width() && m_recorded.height() == maps.height();
    const QRect area = sameSize ? maps.differenceFrom(m_recorded) : QRect();
    if (sameSize && area.isNull() && objects == m_recordedObjects)
        return false;

    Step step;
    step.area = area;
    step.objects = m_recordedObjects;
    if (!sameSize) {
        step.maps = m_recorded;
        m_recorded = maps;
    } else if (!area.isNull()) {
        step.maps = m_recorded.section(area);
        m_recorded.paste(maps.section(area), area.topLeft());
    }
    m_recordedObjects = objects;

    m_steps.erase(m_steps.begin() + qsizetype(m_position), m_steps.end());
    m_steps.push_back(std::move(step));
    while (m_steps.size() > 1 && (m_steps.size() > size_t(kMaxSteps) || bytes() > kMaxBytes))
        m_steps.pop_front();
    m_position = m_steps.size();
    return true;
}

qint64 UndoHistory::stepBytes(const Step &step)
{
    const qint64 objects = qint64(step.objects.lines.size() + step.objects.shapes.size()
                                  + step.objects.texts.size() + step.objects.pictures.size());
    return qint64(step.maps.width()) * step.maps.height() * kBytesPerPixel
        + objects * kBytesPerObject;
}

qint64 UndoHistory::bytes() const
{
    qint64 total = 0;
    for (const Step &step : m_steps)
        total += stepBytes(step);
    return total;
}

void UndoHistory::swap(Step &step, PixelMaps &maps, PaintObjectSet &objects)
{
    std::swap(step.objects, objects);
    if (step.area.isNull() && step.maps.allocated()) {
        std::swap(step.maps, maps);
    } else if (!step.area.isNull()) {
        PixelMaps present = maps.section(step.area);
        maps.paste(step.maps, step.area.topLeft());
        step.maps = std::move(present);
    }
}

bool UndoHistory::undo(PixelMaps &maps, PaintObjectSet &objects)
{
    if (!canUndo())
        return false;
    --m_position;
    swap(m_steps[m_position], maps, objects);
    m_recorded = maps;
    m_recordedObjects = objects;
    return true;
}

bool UndoHistory::redo(PixelMaps &maps, PaintObjectSet &objects)
{
    if (!canRedo())
        return false;
    swap(m_steps[m_position], maps, objects);
    ++m_position;
    m_recorded = maps;
    m_recordedObjects = objects;
    return true;
}

} // namespace tw
