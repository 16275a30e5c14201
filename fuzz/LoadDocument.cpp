// The libFuzzer target over whole project documents: arbitrary bytes loaded as a document, once
// strictly and once in salvage mode.
//
// A strict load may only end in CDocumentError; a salvage may only end in a report or, when
// nothing at all is recognisable, CDocumentError. Any other exception escapes and terminates, and
// the sanitizers catch memory errors, undefined behaviour and leaks.
#include <cstddef>
#include <cstdint>

#include "project/CProjectDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    CDocumentLoadOptions options;
    for (const bool salvage : {false, true}) {
        options.salvage = salvage;
        CProjectDocument document;
        try {
            (void)document.loadFromBytes(bytes, options);
        } catch (const CDocumentError&) {
        }
    }
    return 0;
}
