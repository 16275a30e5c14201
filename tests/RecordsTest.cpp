// The project records: issues, risks, notes and the document store. Beyond the conformance suite:
// sub-risk removal and lookup, folder ownership moves, the contents of documents on disk and
// the optional document copies of issues.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "basetypes/CDocumentManager.h"

#include "records/CDocumentFile.h"
#include "records/CDocumentFolder.h"
#include "records/CIssue.h"
#include "records/CNote.h"
#include "records/CRisk.h"
#include "schedule/CTask.h"
#include "tests/RoundTrip.h"

namespace {

template <class C>
C named(const wchar_t* description) {
    C object;
    object.generateIDs();
    object.setDescription(description);
    return object;
}

using conformance::load;
using conformance::save;

// Every proper prefix of a record must be refused with the archive's exception.
template <class C>
void expectEveryTruncationRefused(C& object) {
    const auto bytes = save(object);
    // From the end of the archive header ("ZXST" and the version), which is the archive's own.
    for (std::size_t n = 8; n < bytes.size(); ++n) {
        CZentrixArchive in{std::span<const std::byte>(bytes.data(), n)};
        C target;
        EXPECT_THROW(target.Serialize(in), CArchiveException) << "prefix of " << n << " bytes";
    }
}

TEST(Note, NewNoteIsACommentaryAndClonesDeeply) {
    CNote note;
    EXPECT_EQ(note.getSubject(), CProjectString(L"Commentary"));
    EXPECT_TRUE(note.getText().IsEmpty());
    note.generateIDs();
    note.setText(L"Formwork delayed by rain");
    note.setCreatedTimestamp(CProjectTime(1000));
    const std::unique_ptr<INote> copy = note.clone();
    EXPECT_TRUE(*copy == note);
    note.setText(L"changed");
    EXPECT_EQ(copy->getText(), CProjectString(L"Formwork delayed by rain"));
}

// Root R with children A (holding grandchild X) and B.
struct RiskTree {
    CRisk root = named<CRisk>(L"R");
    CRiskID a, b, x;

    RiskTree() {
        CRisk childA = named<CRisk>(L"A");
        const CRisk grandchild = named<CRisk>(L"X");
        x = grandchild.getID();
        EXPECT_EQ(childA.addSubRisk(grandchild), 0);
        a = childA.getID();
        const CRisk childB = named<CRisk>(L"B");
        b = childB.getID();
        EXPECT_EQ(root.addSubRisk(childA), 0);
        EXPECT_TRUE(root.insertSubRisk(childB, 0));
    }
    IRiskHandle child(const CRiskID& id) const { return root.getSubRisks().find(id); }
};

TEST(Risk, RemovalReachesGrandchildrenOnlyWhenRecursiveAndFreesEmptiedCollections) {
    RiskTree tree;
    EXPECT_FALSE(tree.root.removeSubRisk(tree.x, false));
    EXPECT_EQ(tree.child(tree.a)->getSubRisks().GetSize(), 1);
    EXPECT_TRUE(tree.root.removeSubRisk(tree.x, true));
    EXPECT_TRUE(tree.child(tree.a)->getSubRisks().isNull());
    EXPECT_FALSE(tree.root.removeSubRisk(tree.x, true));

    EXPECT_TRUE(tree.root.removeSubRisk(tree.a, false));
    EXPECT_TRUE(tree.root.removeSubRisk(tree.b, true));
    EXPECT_TRUE(tree.root.getSubRisks().isNull());
    EXPECT_FALSE(tree.root.removeSubRisk(tree.b, false));
}

TEST(Risk, RecursiveRemovalSearchesEachChildsSubtreeBeforeTheNextChild) {
    // The same ID below the first child and as the second child: the one met first, depth
    // first in storage order, goes.
    RiskTree tree;
    CRisk twin = named<CRisk>(L"twin of X");
    twin.setID(tree.x);
    EXPECT_EQ(tree.root.addSubRisk(twin), 2);
    ASSERT_EQ(tree.root.getSubRisks()[1]->getID(), tree.a);
    EXPECT_TRUE(tree.root.removeSubRisk(tree.x, true));
    EXPECT_TRUE(tree.child(tree.a)->getSubRisks().isNull());
    EXPECT_EQ(tree.root.getSubRisks().GetSize(), 3);
}

TEST(Risk, RefusedInsertionsLeaveNoCollectionBehind) {
    CRisk risk = named<CRisk>(L"R");
    EXPECT_FALSE(risk.insertSubRisk(named<CRisk>(L"A"), 1));
    EXPECT_TRUE(risk.getSubRisks().isNull());
    // An allocated but empty collection is recorded like an absent one.
    const auto absent = save(risk);
    risk.allocateSubRisks();
    EXPECT_FALSE(risk.getSubRisks().isNull());
    EXPECT_EQ(save(risk), absent);
    EXPECT_TRUE(load<CRisk>(absent).getSubRisks().isNull());
}

TEST(Risk, FindTargetSubRiskReturnsWritableHandlesIntoTheTree) {
    RiskTree tree;
    const IRiskWritableHandle self = tree.root.findTargetSubRisk(tree.root.getID());
    EXPECT_EQ(self.get(), static_cast<IRisk*>(&tree.root));
    IRiskWritableHandle deep = tree.root.findTargetSubRisk(tree.x);
    ASSERT_FALSE(deep.isNull());
    deep->setValueMode(RiskValueMode::Fixed);
    EXPECT_EQ(tree.child(tree.a)->getSubRisks().find(tree.x)->getValueMode(), RiskValueMode::Fixed);
    EXPECT_TRUE(tree.root.findTargetSubRisk(named<CRisk>(L"elsewhere").getID()).isNull());
}

TEST(Risk, TruncatedTreesAreRefused) {
    RiskTree tree;
    expectEveryTruncationRefused(tree.root);
}

CDocumentFolder folderTitled(const wchar_t* title) {
    CDocumentFolder folder;
    folder.generateIDs();
    folder.setTitle(title);
    return folder;
}

TEST(DocumentFolder, DetachAndAttachMoveTheFolderItself) {
    CDocumentFolder source = folderTitled(L"Drawings");
    CDocumentFolder inner = folderTitled(L"Level 1");
    (void)inner.addSubFolder(folderTitled(L"Rooms"));
    CDocumentFile file;
    file.generateIDs();
    EXPECT_EQ(inner.addFile(file), 0);
    EXPECT_EQ(source.addSubFolder(inner), 0);
    const IDocumentFolder* address = source.getSubFolders()[0].get();

    IDocumentFolderWritableHandle moving = source.detach(inner.getID());
    ASSERT_EQ(moving.get(), address);
    EXPECT_TRUE(source.getSubFolders().isNull());
    EXPECT_TRUE(source.detach(inner.getID()).isNull());

    CDocumentFolder target = folderTitled(L"Archive");
    EXPECT_EQ(target.addSubFolder(folderTitled(L"Older")), 0);
    EXPECT_TRUE(target.attach(moving, 1));
    EXPECT_EQ(target.getSubFolders()[1].get(), address);
    EXPECT_TRUE(*target.getSubFolders()[1] == inner);
    EXPECT_TRUE(target.removeSubFolder(inner.getID()));
    EXPECT_FALSE(target.removeSubFolder(inner.getID()));
    EXPECT_EQ(target.getSubFolders().GetSize(), 1);
}

TEST(DocumentFolder, RefusedAttachesLeaveTheFolderWithTheCaller) {
    CDocumentFolder parent = folderTitled(L"Parent");
    EXPECT_EQ(parent.addSubFolder(folderTitled(L"Child")), 0);
    const CDocumentFolderID childID = parent.getSubFolders()[0]->getID();

    EXPECT_FALSE(parent.attach(IDocumentFolderWritableHandle(), 0));
    IDocumentFolderWritableHandle loose = parent.detach(childID);
    std::unique_ptr<IDocumentFolder> owner(loose.get());
    EXPECT_FALSE(parent.attach(loose, 1));
    EXPECT_FALSE(parent.attach(loose, -1));
    EXPECT_TRUE(parent.getSubFolders().isNull());
    (void)parent.addSubFolder(*owner);
    EXPECT_FALSE(parent.attach(loose, 0));  // the ID is present now

    // A folder cannot come to own itself or an ancestor.
    EXPECT_FALSE(parent.attach(parent.getWritableHandle(), 0));
    IDocumentFolderWritableHandle child = parent.getSubFolders().getWritableReference(0);
    EXPECT_FALSE(child->attach(parent.getWritableHandle(), 0));
    EXPECT_EQ(parent.getSubFolders().GetSize(), 1);
    EXPECT_TRUE(child->getSubFolders().isNull());
}

TEST(DocumentFolder, SettingCollectionsFromThemselvesKeepsThem) {
    CDocumentFolder folder = folderTitled(L"Photos");
    (void)folder.addSubFolder(folderTitled(L"Site"));
    CDocumentFile file;
    file.generateIDs();
    (void)folder.addFile(file);
    folder.setSubFolders(folder.getSubFolders());
    folder.setFiles(folder.getFiles());
    EXPECT_EQ(folder.getSubFolders().GetSize(), 1);
    EXPECT_EQ(folder.getFiles().GetSize(), 1);
    folder.setSubFolders(IDocumentFolderArrayHandle());
    EXPECT_TRUE(folder.getSubFolders().isNull());
    expectEveryTruncationRefused(folder);
}

// A document folder of its own in the temporary directory for every test; the manager is left
// without a folder afterwards.
class DocumentStore : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = std::filesystem::temp_directory_path() /
                 ("zx-records-" + CIDBase::generate().toString().toUtf8());
        m_folder = m_root / "documents";
        std::filesystem::create_directories(m_folder);
        CDocumentManager::getInstance()->setDocumentFolder(m_folder);
    }
    void TearDown() override {
        CDocumentManager::getInstance()->setDocumentFolder({});
        CDocumentManager::getInstance()->refuseExternalSources();
        std::filesystem::remove_all(m_root);
    }

    static CDocumentFile newDocument() {
        CDocumentFile file;
        file.generateIDs();
        return file;
    }
    static std::vector<std::byte> pattern(std::size_t size) {
        std::vector<std::byte> bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::byte>(i * 7 + i / 251);
        return bytes;
    }
    static std::vector<std::byte> readFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<char> chars{std::istreambuf_iterator<char>(in), {}};
        std::vector<std::byte> bytes(chars.size());
        std::memcpy(bytes.data(), chars.data(), chars.size());
        return bytes;
    }
    static void writeFile(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::filesystem::path storedFile(const CDocumentFile& file) const {
        return m_folder / file.getID().toString().toUtf8();
    }
    static std::vector<std::byte> written(const std::function<void(CArchive&)>& write) {
        CArchive out;
        write(out);
        return out.takeStoredBytes();
    }

    std::filesystem::path m_root;
    std::filesystem::path m_folder;
};

TEST_F(DocumentStore, ContentsGoInAndComeOutAcrossBlockBoundaries) {
    CDocumentFile file = newDocument();
    const auto contents = pattern(2 * CDocumentFile::s_blockSize + 123);
    CArchive source{std::span<const std::byte>(contents)};
    ASSERT_TRUE(file.setArchive(source));
    EXPECT_EQ(file.getDocumentLength(), contents.size());
    EXPECT_EQ(readFile(storedFile(file)), contents);

    bool ok = false;
    EXPECT_EQ(written([&](CArchive& ar) { ok = file.getArchive(ar); }), contents);
    EXPECT_TRUE(ok);

    std::vector<std::byte> stream{std::byte{1}};
    for (int shift = 0; shift < 64; shift += 8)
        stream.push_back(static_cast<std::byte>((contents.size() >> shift) & 0xFF));
    stream.insert(stream.end(), contents.begin(), contents.end());
    EXPECT_EQ(written([&](CArchive& ar) { ok = file.writeDocumentData(ar); }), stream);
    EXPECT_TRUE(ok);

    // The length travels in the record, the contents stay in the folder.
    CDocumentFile reloaded = load<CDocumentFile>(save(file));
    EXPECT_EQ(reloaded.getDocumentLength(), contents.size());
    EXPECT_EQ(written([&](CArchive& ar) { ok = reloaded.getArchive(ar); }), contents);
}

TEST_F(DocumentStore, AShortArchiveFailsWithoutThrowingAndStoresNothing) {
    CDocumentFile file = newDocument();
    const auto contents = pattern(5000);
    CArchive source{std::span<const std::byte>(contents)};
    EXPECT_FALSE(file.setArchive(source, 9000));
    EXPECT_EQ(file.getDocumentLength(), 0u);
    EXPECT_FALSE(std::filesystem::exists(storedFile(file)));
    CArchive storing;
    EXPECT_FALSE(file.setArchive(storing, 10));
    file.setExternalDocument(true);
    CArchive again{std::span<const std::byte>(contents)};
    EXPECT_FALSE(file.setArchive(again, 10));

    // Documents without an ID of their own would all share one file.
    CDocumentFile unnamed;
    CArchive third{std::span<const std::byte>(contents)};
    EXPECT_FALSE(unnamed.setArchive(third));
    EXPECT_FALSE(std::filesystem::exists(m_folder / unnamed.getID().toString().toUtf8()));
}

TEST_F(DocumentStore, EmptyMissingAndExternalDocumentsWriteOneZeroByte) {
    const std::vector<std::byte> zero{std::byte{0}};
    bool ok = false;

    CDocumentFile empty = newDocument();
    CArchive nothing{std::span<const std::byte>()};
    ASSERT_TRUE(empty.setArchive(nothing));
    EXPECT_TRUE(std::filesystem::exists(storedFile(empty)));
    EXPECT_EQ(written([&](CArchive& ar) { ok = empty.writeDocumentData(ar); }), zero);
    EXPECT_TRUE(ok);

    const CDocumentFile missing = newDocument();
    EXPECT_EQ(written([&](CArchive& ar) { ok = missing.writeDocumentData(ar); }), zero);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(written([&](CArchive& ar) { ok = missing.getArchive(ar); }).empty());
    EXPECT_FALSE(ok);

    // An external document's contents are read from its URL (where the host allows it) but
    // never written as data.
    CDocumentManager::getInstance()->allowExternalSourcesUnder(m_root);
    CDocumentFile external = newDocument();
    external.setExternalDocument(true);
    const auto outside = m_root / "linked.txt";
    writeFile(outside, "site photo");
    external.setURL(CString(outside.wstring()));
    EXPECT_EQ(written([&](CArchive& ar) { ok = external.writeDocumentData(ar); }), zero);
    EXPECT_TRUE(ok);
    const auto bytes = written([&](CArchive& ar) { ok = external.getArchive(ar); });
    EXPECT_TRUE(ok);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()), "site photo");
    EXPECT_FALSE(external.copyContents(missing));
}

TEST_F(DocumentStore, WritingDataIntoALoadingArchiveRaisesTheArchiveError) {
    CDocumentFile file = newDocument();
    CArchive source{pattern(10)};
    ASSERT_TRUE(file.setArchive(source));
    CArchive loading{std::span<const std::byte>()};
    EXPECT_THROW((void)file.writeDocumentData(loading), CArchiveException);
    EXPECT_THROW((void)file.getArchive(loading), CArchiveException);
}

TEST_F(DocumentStore, CopyContentsCopiesAnotherDocumentAndSkipsItsOwnFile) {
    CDocumentFile original = newDocument();
    const auto contents = pattern(6000);
    CArchive source{std::span<const std::byte>(contents)};
    ASSERT_TRUE(original.setArchive(source));

    CDocumentFile copy = newDocument();
    ASSERT_TRUE(copy.copyContents(original));
    EXPECT_EQ(readFile(storedFile(copy)), contents);
    EXPECT_EQ(copy.getDocumentLength(), contents.size());

    // Same ID and a stored file: nothing is read or written, whatever the other one holds.
    writeFile(storedFile(copy), "kept");
    CDocumentFile sameID(copy);
    sameID.setExternalDocument(true);
    sameID.setURL(CString((m_root / "nowhere").wstring()));
    EXPECT_TRUE(copy.copyContents(sameID));
    EXPECT_EQ(readFile(storedFile(copy)).size(), 4u);

    // A failed copy leaves the old contents in place.
    EXPECT_FALSE(copy.copyContents(newDocument()));
    EXPECT_EQ(readFile(storedFile(copy)).size(), 4u);
}

TEST_F(DocumentStore, WithoutAFolderEveryFileOperationFails) {
    CDocumentFile file = newDocument();
    CArchive source{pattern(10)};
    ASSERT_TRUE(file.setArchive(source));
    CDocumentManager::getInstance()->setDocumentFolder({});
    CArchive again{pattern(10)};
    EXPECT_FALSE(file.setArchive(again));
    bool ok = true;
    EXPECT_EQ(written([&](CArchive& ar) { ok = file.writeDocumentData(ar); }),
              std::vector<std::byte>{std::byte{0}});
    EXPECT_FALSE(ok);
    EXPECT_TRUE(written([&](CArchive& ar) { ok = file.getArchive(ar); }).empty());
    EXPECT_FALSE(ok);
    EXPECT_FALSE(file.copyContents(newDocument()));
    EXPECT_EQ(readFile(storedFile(file)), pattern(10));
}

TEST_F(DocumentStore, NamesThatAreNotPlainIDTextsNeverLeaveTheFolder) {
    const CDocumentManager& manager = *CDocumentManager::getInstance();
    for (const std::wstring& name :
         {std::wstring(), std::wstring(L"."), std::wstring(L".."), std::wstring(L"../abc"),
          std::wstring(L"ab/cd"), std::wstring(L"ab\\cd"), std::wstring(L"ab\0cd", 5),
          std::wstring(L"/etc"), std::wstring(L"report.pdf"), std::wstring(200, L'a')}) {
        EXPECT_FALSE(manager.documentPath(CString(name))) << CString(name).toUtf8();
    }
    const CDocumentFile file = newDocument();
    EXPECT_EQ(manager.documentPath(file.getID().toString()), storedFile(file));

    // A link planted under a document's name is not followed.
    CDocumentFile planted = newDocument();
    const auto victim = m_root / "victim.txt";
    writeFile(victim, "untouched");
    std::filesystem::create_symlink(victim, storedFile(planted));
    CArchive source{pattern(10)};
    EXPECT_FALSE(planted.setArchive(source));
    EXPECT_FALSE(planted.copyContents(file));
    bool ok = true;
    EXPECT_TRUE(written([&](CArchive& ar) { ok = planted.getArchive(ar); }).empty());
    EXPECT_FALSE(ok);
    EXPECT_EQ(readFile(victim).size(), std::string("untouched").size());
    // Refused, not replaced: the link stays for the host to look at.
    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(storedFile(planted))));
}

TEST(Issue, NewIssueDefaultsAndIDLists) {
    CIssue issue;
    EXPECT_EQ(issue.getStatus(), IssueStatus::Open);
    EXPECT_EQ(issue.getPriority(), IssuePriority::Normal);
    EXPECT_TRUE(issue.getOldSchedule().isNull());
    EXPECT_TRUE(issue.getWritableOldScene().isNull());
    EXPECT_FALSE(issue.hasTasks() || issue.hasResources() || issue.hasEntities());
    EXPECT_FALSE(issue.hasPosition());
    issue.setPosition(CPositionID(CIDBase::getNullGUID()));
    EXPECT_FALSE(issue.hasPosition());
    issue.setPosition(CPositionID(CIDBase::generate().getGUID()));
    EXPECT_TRUE(issue.hasPosition());

    const CTaskID task(CIDBase::generate().getGUID());
    EXPECT_GE(issue.addTask(task), 0);
    EXPECT_EQ(issue.addTask(task), -1);
    EXPECT_FALSE(issue.insertTask(task, 0));
    EXPECT_TRUE(issue.hasTasks());
    EXPECT_TRUE(issue.removeTask(task));
    EXPECT_FALSE(issue.removeTask(task));
    EXPECT_FALSE(issue.hasTasks());
    EXPECT_FALSE(issue.insertEntity(CEntity3DID(CIDBase::generate().getGUID()), 1));
    EXPECT_FALSE(issue.hasEntities());
}

TEST(Issue, CommentsAreOwnedCopies) {
    CIssue issue;
    CNote note;
    note.generateIDs();
    note.setText(L"Crane clash at grid C4");
    EXPECT_EQ(issue.addComment(note), 0);
    EXPECT_EQ(issue.addComment(note), -1);
    note.setText(L"Resolved by moving the crane");
    EXPECT_EQ(issue.getComments()[0]->getText(), CProjectString(L"Crane clash at grid C4"));
    EXPECT_TRUE(issue.changeComment(note));
    EXPECT_EQ(issue.getComments()[0]->getText(), note.getText());
    issue.setComments(issue.getComments());
    EXPECT_EQ(issue.getComments().GetSize(), 1);
    EXPECT_TRUE(issue.removeComment(note.getID()));
    EXPECT_FALSE(issue.changeComment(note));
}

TEST(Issue, DocumentCopiesArePresentOrAbsentAfterAReload) {
    CIssue issue;
    issue.generateIDs();
    issue.allocateOldSchedule();
    issue.getWritableOldSchedule()->setFileName(L"schedule.zxp");
    issue.getWritableOldSchedule()->setID(CDocumentFileID(CIDBase::generate().getGUID()));

    CIssue reloaded = load<CIssue>(save(issue));
    ASSERT_FALSE(reloaded.getOldSchedule().isNull());
    EXPECT_EQ(reloaded.getOldSchedule()->getFileName(), CProjectString(L"schedule.zxp"));
    EXPECT_TRUE(reloaded.getOldScene().isNull());
    EXPECT_TRUE(reloaded == issue);

    // A copy has copies of its own; a renewal keeps the snapshots' IDs, which name their files.
    CIssue copy(issue);
    EXPECT_NE(copy.getOldSchedule().get(), issue.getOldSchedule().get());
    copy.generateIDs();
    EXPECT_EQ(copy.getOldSchedule()->getID(), issue.getOldSchedule()->getID());

    issue.clearOldSchedule();
    issue.allocateOldScene();
    EXPECT_FALSE(load<CIssue>(save(issue)) == reloaded);
    EXPECT_TRUE(load<CIssue>(save(issue)).getOldSchedule().isNull());
    EXPECT_FALSE(load<CIssue>(save(issue)).getOldScene().isNull());
    expectEveryTruncationRefused(copy);
}

}  // namespace
