#include "records/CIssue.h"

#include "store/CollectionOps.h"

INoteArrayHandle CIssue::getComments() const {
    return INoteArrayHandle(new CNoteArrayHandle(&m_comments));
}

void CIssue::setComments(const INoteArrayHandle& notes) { replaceWithCopies(m_comments, notes); }

bool CIssue::removeComment(const CNoteID& id) { return removeByIDKeepingSort(m_comments, id); }

ZX_INSTANTIATE_KIND(IIssue, CIssue, CIssueID, 0);
