#include "common/Stage.h"

#include "common/SettingsValues.h"
#include "common/Twips.h"

#include <algorithm>
#include <utility>

namespace tw {

Stage::Stage(Platform platform)
    : m_platform(std::move(platform))
{ }

Stage::~Stage() = default;

long Stage::nowSeconds() const
{
    return static_cast<long>(m_platform.clock->secondsSinceMidnight());
}

double Stage::boardWidth() const
{
    return std::max(0.0, scaleWidth() - pixelsToTwips(characterStripWidth()));
}

void Stage::changeOptions(const std::function<void(SettingsValues &)> &change)
{
    SettingsValues values = options();
    change(values);
    setOptions(values);
}

void Stage::tellParent(const QString &text, Dialogs::Icon icon)
{
    m_platform.dialogs->message(mainWidget(), text, icon);
}

} // namespace tw
