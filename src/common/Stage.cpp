#include "common/Stage.h"

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

void Stage::tellParent(const QString &text, Dialogs::Icon icon)
{
    m_platform.dialogs->message(mainWidget(), text, icon);
}

} // namespace tw
