// Universal folders, grids, binary images and proposed reschedules: the images' shared buffers
// (one reference per holder however a pointer arrives, copies sharing, the last holder deleting,
// records and hostile byte counts), grids built from handles, and the proposal's copy and clear.
// Records, copies, comparisons and ID renewal of every kind are the conformance suite's.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "records/CBinImage.h"
#include "records/CMainGrid.h"
#include "records/CProposedReschedule.h"
#include "records/CUniFolder.h"
#include "records/CUserGrid.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;

// A buffer made the way a host makes one for an image: with new[], handed over by setBytes.
unsigned char* newBuffer(std::size_t size, unsigned char fill) {
    auto bytes = std::make_unique<unsigned char[]>(size);
    std::memset(bytes.get(), fill, size);
    return bytes.release();
}

unsigned char* bytesOf(const IBinImage& image) {
    unsigned char* bytes = nullptr;
    image.getBytes(nullptr, &bytes);
    return bytes;
}

TEST(BinImage, NewImagesHaveTheirOwnIDsAndNoBytes) {
    const CBinImage a, b;
    EXPECT_TRUE(a.getID().isValidNotNull());
    EXPECT_FALSE(a.getID() == b.getID());
    std::uint64_t count = 7;
    unsigned char marker = 0;
    unsigned char* bytes = &marker;
    a.getBytes(&count, &bytes);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(bytes, nullptr);
    EXPECT_EQ(a.getWidth(), 0u);
}

TEST(BinImage, APointerIsOneReferenceHoweverOftenOrWhereverItIsHandedOver) {
    CBinImage image;
    unsigned char* bytes = newBuffer(16, 0xAB);
    image.setBytes(16, bytes);
    image.setBytes(8, bytes);  // the same buffer again: only the count changes
    EXPECT_EQ(image.getSharedBytes().useCount(), 1);
    EXPECT_EQ(image.getSharedBytes().size(), 8u);

    // Another image given the pointer through getBytes shares it instead of owning it twice
    // (a double delete here is what AddressSanitizer reports).
    {
        CBinImage other;
        other.setBytes(16, bytesOf(image));
        EXPECT_EQ(image.getSharedBytes().useCount(), 2);
    }
    EXPECT_EQ(image.getSharedBytes().useCount(), 1);
    EXPECT_EQ(bytesOf(image)[15], 0xAB);

    image.setBytes(0, nullptr);
    EXPECT_EQ(bytesOf(image), nullptr);
    EXPECT_EQ(image.getSharedBytes().size(), 0u);
}

TEST(BinImage, CopiesShareTheBufferAndFreeBytesLetsGoOfOneReferenceOnly) {
    auto original = std::make_unique<CBinImage>();
    original->setBytes(4, newBuffer(4, 0x5A));
    original->setWidth(2);
    CBinImage copy(*original);
    CBinImage assigned;
    assigned.copyFrom(*original);
    EXPECT_EQ(bytesOf(copy), bytesOf(*original));
    EXPECT_EQ(bytesOf(assigned), bytesOf(*original));
    EXPECT_EQ(copy.getSharedBytes().useCount(), 3);
    EXPECT_TRUE(copy == *original);

    original->freeBytes();
    EXPECT_EQ(bytesOf(*original), nullptr);
    original.reset();
    // The copies still read the bytes: freeing one image's bytes deleted nothing they hold.
    EXPECT_EQ(bytesOf(copy)[3], 0x5A);
    EXPECT_EQ(copy.getSharedBytes().useCount(), 2);
}

TEST(BinImage, BytesReadBackEqualIntoABufferOfTheirOwn) {
    CBinImage image;
    image.setPath(L"site/photo \u00e9.png");
    image.setWidth(640);
    unsigned char* bytes = newBuffer(300, 0);
    for (int i = 0; i < 300; ++i) bytes[i] = static_cast<unsigned char>(i * 7);
    image.setBytes(300, bytes);

    const CBinImage back = load<CBinImage>(save(image));
    EXPECT_TRUE(back == image);
    EXPECT_NE(bytesOf(back), bytesOf(image));
    EXPECT_EQ(back.getSharedBytes().useCount(), 1);

    // Same size, one byte different: not equal.
    CBinImage changed(back);
    changed.setBytes(300, newBuffer(300, 0));
    std::memcpy(bytesOf(changed), bytesOf(image), 300);
    bytesOf(changed)[299] ^= 1;
    EXPECT_FALSE(changed == image);
}

TEST(BinImage, AByteCountBeyondTheRecordIsRefusedBeforeAnythingIsAllocated) {
    CBinImage image;
    image.setBytes(4, newBuffer(4, 1));
    std::vector<std::byte> record = save(image);
    // The count is the last eight bytes before the four bytes and the width.
    const std::size_t countAt = record.size() - 4 - 4 - 8;
    const std::uint64_t huge = std::uint64_t{1} << 62;
    std::memcpy(record.data() + countAt, &huge, sizeof huge);
    try {
        (void)load<CBinImage>(record);
        ADD_FAILURE() << "a hostile byte count was read";
    } catch (const CArchiveException& error) {
        EXPECT_NE(std::string(error.what()).find("byte count"), std::string::npos) << error.what();
    }
}

TEST(UserGrid, AGridFromAHandleCopiesItsGridOrStartsNew) {
    CUserGrid parent;
    parent.generateIDs();
    CUserGrid grid;
    grid.generateIDs();
    grid.setParentID(parent.getID());
    grid.setData(CString(L"<columns>Name;Start</columns>"));

    const CUserGrid copy{IUserGridHandle(grid.handle())};
    EXPECT_TRUE(copy == grid);

    const CUserGrid fresh{IUserGridHandle()};
    EXPECT_TRUE(fresh == CUserGrid());
    EXPECT_FALSE(fresh.getParentID().isValid());
    EXPECT_TRUE(fresh.getData().getString().IsEmpty());
}

TEST(ProposedReschedule, ACloneIsEqualAndIndependentAndClearEmptiesIt) {
    CProposedReschedule proposal;
    CTaskIDArray upstream;
    CTaskID task;
    task.generateInPlace();
    (void)upstream.Add(task);
    proposal.setUpstreamTaskIDs(upstream);
    proposal.setStateIndex(3);

    const std::unique_ptr<IProposedReschedule> clone = proposal.clone();
    EXPECT_TRUE(*clone == proposal);
    proposal.clear();
    EXPECT_EQ(proposal.getUpstreamTaskIDs().GetSize(), 0);
    EXPECT_FALSE(proposal.getStateIndex().isValid());
    EXPECT_EQ(clone->getUpstreamTaskIDs().GetSize(), 1);
    EXPECT_EQ(clone->getStateIndex().getValue(), 3);
}

TEST(UniFolder, AFolderKeepsIDsOfAnyKindInItsRecord) {
    CUniFolder folder;
    folder.generateIDs();
    folder.setType(UniFolderType::Documents);
    folder.setName(CString(L"Handover"));
    CIDBaseArray objects;
    CTaskID task;
    task.generateInPlace();
    CBinImageID image;
    image.generateInPlace();
    (void)objects.Add(task);
    (void)objects.Add(image);
    folder.setObjectIDs(objects);

    const CUniFolder back = load<CUniFolder>(save(folder));
    EXPECT_TRUE(back == folder);
    EXPECT_EQ(back.getObjectIDs().GetSize(), 2);
    EXPECT_EQ(back.getType(), UniFolderType::Documents);
}

}  // namespace
