// The time-block rules of day types (declared in ICalendarDayType.h).
#include "schedule/CCalendarDayType.h"

#include <algorithm>
#include <utility>
#include <vector>

void CProjectTimeOfDaySpanArray::SortElementsByStart() {
    std::vector<CProjectTimeOfDaySpan> blocks;
    blocks.reserve(static_cast<std::size_t>(GetSize()));
    for (int i = 0; i < GetSize(); ++i) blocks.push_back((*this)[i]);
    std::stable_sort(blocks.begin(), blocks.end(),
                     [](const CProjectTimeOfDaySpan& a, const CProjectTimeOfDaySpan& b) {
                         return a.getStart() < b.getStart();
                     });
    for (int i = 0; i < GetSize(); ++i) (*this)[i] = blocks[static_cast<std::size_t>(i)];
}

void ICalendarDayType::setTimeOfDaySpanArray(CProjectTimeOfDaySpanArray&& blocks) {
    if (blocks.GetSize() <= CProjectTimeOfDaySpanArray::s_maxBlocks)
        fields().timeBlocks = std::move(blocks);
}

void ICalendarDayType::setTimeOfDaySpanArray(const CProjectTimeOfDaySpanArray& blocks) {
    if (blocks.GetSize() <= CProjectTimeOfDaySpanArray::s_maxBlocks) fields().timeBlocks = blocks;
}

void ICalendarDayType::setTimeBlock(int index, const CProjectTimeOfDaySpan& span) {
    if (index < 0 || index >= CProjectTimeOfDaySpanArray::s_maxBlocks) return;
    CProjectTimeOfDaySpanArray& blocks = fields().timeBlocks;
    blocks.SetSize(index + 1);
    blocks[index] = span;
}

void ICalendarDayType::validateTimeBlocks() {
    CProjectTimeOfDaySpanArray& blocks = fields().timeBlocks;
    blocks.SortElementsByStart();
    int i = 1;
    while (i < blocks.GetSize()) {
        CProjectTimeOfDaySpan& previous = blocks[i - 1];
        if (previous.getEnd() >= blocks[i].getStart()) {
            // The later block's end wins even when it ends first, so a block lying inside another
            // cuts it short (9:00-17:00 and 10:00-11:00 give 9:00-11:00). Calendars already saved
            // were merged by this rule; changing it would change what reloading them means.
            previous.setEnd(blocks[i].getEnd());
            (void)blocks.RemoveAt(i);
        } else {
            ++i;
        }
    }
}

ZX_INSTANTIATE_KIND(ICalendarDayType, CCalendarDayType, CCalendarDayTypeID, 0);
