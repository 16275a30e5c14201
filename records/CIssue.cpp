#include "records/CIssue.h"

#include "store/CollectionOps.h"

INoteArrayHandle CIssue::getComments() const {
    return INoteArrayHandle(new CNoteArrayHandle(&m_comments));
}

void CIssue::setComments(const INoteArrayHandle& notes) {
    // Built aside first, so that setting the comments from a handle on them keeps them.
    CNoteArray copy;
    for (int i = 0; i < notes.GetSize(); ++i) {
        const INoteHandle note = notes.getConstReference(i);
        if (!note.isNull()) (void)copy.Add(*note);
    }
    m_comments = std::move(copy);
}

bool CIssue::removeComment(const CNoteID& id) { return removeByIDKeepingSort(m_comments, id); }
