// COrbeonProject: its handle templates, and the documents it allocates.
#include "sources/COrbeonProject.h"

#include "records/CDocumentFile.h"

ZX_INSTANTIATE_VALUE_HANDLES(COrbeonProject);

std::shared_ptr<IDocumentFile> COrbeonProject::allocateDocument() const {
    return std::make_shared<CDocumentFile>();
}
