#include "chrome/DockState.h"

#include <utility>

namespace chrome {

unsigned DockState::FlagBits() const
{
    unsigned bits = 0;
    if (DockedAway())
        bits |= kDockedAwayBit;
    if (phase_ == DockPhase::SlidingAway)
        bits |= kSlidingBit;
    return bits;
}

bool DockState::Begin(DockPhase from, DockPhase during, std::vector<Point> path)
{
    if (phase_ != from || path.empty())
        return false;
    phase_ = during;
    path_ = std::move(path);
    next_ = 0;
    return true;
}

bool DockState::BeginSlideAway(std::vector<Point> path)
{
    return Begin(DockPhase::Shown, DockPhase::SlidingAway, std::move(path));
}

bool DockState::BeginSlideBack(std::vector<Point> path)
{
    return Begin(DockPhase::Docked, DockPhase::SlidingBack, std::move(path));
}

bool DockState::NextStep(Point& at, bool& last)
{
    if (!Sliding() || next_ >= path_.size())
        return false;
    at = path_[next_++];
    last = next_ == path_.size();
    if (last) {
        phase_ = phase_ == DockPhase::SlidingAway ? DockPhase::Docked : DockPhase::Shown;
        path_.clear();
        next_ = 0;
    }
    return true;
}

bool DockState::Finish(Point& at)
{
    if (!Sliding())
        return false;
    next_ = path_.size() - 1;
    bool last = false;
    return NextStep(at, last);
}

void DockState::Reset()
{
    phase_ = DockPhase::Shown;
    path_.clear();
    next_ = 0;
}

} // namespace chrome
