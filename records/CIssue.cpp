#include "records/CIssue.h"

#include "store/CollectionOps.h"

INoteConstArrayHandle CIssue::getComments() const {
    return INoteConstArrayHandle::over(&m_comments);
}

INoteArrayHandle CIssue::getComments() { return INoteArrayHandle::over(&m_comments); }

void CIssue::setComments(const INoteConstArrayHandle& notes) {
    replaceWithCopies(m_comments, notes);
}

bool CIssue::removeComment(const CNoteID& id) { return removeByIDKeepingSort(m_comments, id); }

ZX_INSTANTIATE_KIND(IIssue, CIssue, CIssueID, 0);
