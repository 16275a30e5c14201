// CProposedReschedule: its heap copy, and the one place its templates are compiled.
#include "records/CProposedReschedule.h"

std::unique_ptr<IProposedReschedule> CProposedReschedule::clone() const {
    return std::make_unique<CProposedReschedule>(*this);
}

ZX_INSTANTIATE_KIND(IProposedReschedule, CProposedReschedule, CProposedRescheduleID, 0);
