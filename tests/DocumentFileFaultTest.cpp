// Document files under faults and planted names: a store that fails in any way keeps the old
// contents and length and leaves no temporary; links and extra names in the document folder are
// neither read nor written through; an external document is read only where the host allows it;
// two project documents keep the same document in two folders.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "FaultyFileSystem.h"
#include "basetypes/CAtomicFileWriter.h"
#include "basetypes/CDocumentManager.h"
#include "project/CProjectDocument.h"
#include "project/ObjectWalk.h"
#include "records/CDocumentFile.h"
#include "records/CDocumentFolder.h"
#include "records/CIssue.h"
#include "records/CRisk.h"
#include "schedule/CTask.h"

namespace {

namespace fs = std::filesystem;
using faulty::Faults;
using faulty::faultyCalls;

std::vector<std::byte> pattern(std::size_t size, int seed) {
    std::vector<std::byte> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::byte>(i * 7 + i / 251 + static_cast<std::size_t>(seed));
    return bytes;
}

std::vector<std::byte> bytesOf(const std::string& text) {
    const auto* data = reinterpret_cast<const std::byte*>(text.data());
    return {data, data + text.size()};
}

std::vector<std::byte> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    return bytesOf(text);
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::vector<std::byte> written(const std::function<void(CArchive&)>& write) {
    CArchive out;
    write(out);
    return out.takeStoredBytes();
}

// Stores bytes as the document's contents through a loading archive.
bool store(IDocumentFile& file, const std::vector<std::byte>& bytes) {
    CArchive source{std::span<const std::byte>(bytes)};
    return file.setArchive(source);
}

// What getArchive appends, or nothing with ok false.
std::vector<std::byte> contentsOf(const IDocumentFile& file, bool& ok) {
    return written([&](CArchive& ar) { ok = file.getArchive(ar); });
}

// A folder of its own in the temporary directory, with a "documents" folder the process-wide
// manager keeps its documents in; the manager is left without folder or sources afterwards.
class DocumentFileFaults : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "zx-docfaults-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        m_root = name;
        m_folder = m_root / "documents";
        fs::create_directories(m_folder);
        CDocumentManager::getInstance()->setDocumentFolder(m_folder);
    }
    void TearDown() override {
        CDocumentManager::getInstance()->setDocumentFolder({});
        CDocumentManager::getInstance()->refuseExternalSources();
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    static CDocumentFile newDocument() {
        CDocumentFile file;
        file.generateIDs();
        return file;
    }
    fs::path storedFile(const CDocumentFile& file) const {
        return m_folder / file.getID().toString().toUtf8();
    }
    // The names in the document folder, sorted.
    std::vector<std::string> folderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Nothing but the document's file is left in the folder (a lock file may stay where taking
    // the lock itself failed; a temporary never does).
    void expectOnlyTheStoredFile(const CDocumentFile& file) const {
        const std::string name = storedFile(file).filename().string();
        for (const auto& found : folderNames())
            EXPECT_TRUE(found == name || found == zx::CAtomicFileWriter::lockName(name)) << found;
    }

    fs::path m_root;
    fs::path m_folder;
};

TEST_F(DocumentFileFaults, AnArchiveThatEndsTooSoonKeepsTheOldContentsAndLength) {
    CDocumentFile file = newDocument();
    const auto old = pattern(100000, 1);
    ASSERT_TRUE(store(file, old));

    const auto shortSource = pattern(10, 2);
    CArchive source{std::span<const std::byte>(shortSource)};
    EXPECT_FALSE(file.setArchive(source, old.size()));
    EXPECT_EQ(readFile(storedFile(file)), old);
    EXPECT_EQ(file.getDocumentLength(), old.size());
    expectOnlyTheStoredFile(file);

    // A whole short document replaces a long one whole.
    ASSERT_TRUE(store(file, shortSource));
    EXPECT_EQ(readFile(storedFile(file)), shortSource);
    EXPECT_EQ(file.getDocumentLength(), shortSource.size());
}

// Fails each system call of a store in turn: the store either completes or reports false and
// leaves the old contents, the old length and no temporary.
TEST_F(DocumentFileFaults, EveryFailingCallOfAStoreKeepsTheOldContentsAndLength) {
    CDocumentFile file = newDocument();
    const auto old = pattern(20000, 3), replacement = pattern(70000, 4);
    const zx::ScopedFileSystemCalls faulty(faultyCalls());
    Faults::reset(0);
    ASSERT_TRUE(store(file, old));
    Faults::reset(0);
    ASSERT_TRUE(store(file, replacement));
    const std::vector<std::string> calls = Faults::log;
    ASSERT_GT(calls.size(), 8u) << "the store does not go through the file layer";

    int refused = 0;
    for (int k = 1; k <= static_cast<int>(calls.size()); ++k) {
        SCOPED_TRACE("failing call " + std::to_string(k) + " (" + calls[k - 1] + ")");
        Faults::reset(0);
        ASSERT_TRUE(store(file, old));
        Faults::reset(k, k % 2 ? EIO : ENOSPC);
        const bool stored = store(file, replacement);
        Faults::reset(0);
        if (stored) {
            EXPECT_EQ(readFile(storedFile(file)), replacement);
            EXPECT_EQ(file.getDocumentLength(), replacement.size());
        } else {
            ++refused;
            EXPECT_EQ(readFile(storedFile(file)), old);
            EXPECT_EQ(file.getDocumentLength(), old.size());
        }
        expectOnlyTheStoredFile(file);
    }
    EXPECT_GT(refused, 8);
}

// Raises the file-size limit back and stops ignoring SIGXFSZ when the test ends.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        ::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    sighandler_t m_handler{};
};

TEST_F(DocumentFileFaults, AFileSizeLimitKeepsTheOldContentsAndLength) {
    CDocumentFile file = newDocument();
    const auto old = pattern(20000, 5), larger = pattern(200000, 6);
    ASSERT_TRUE(store(file, old));
    {
        const FileSizeLimit limit(50000);
        EXPECT_FALSE(store(file, larger));
    }
    EXPECT_EQ(readFile(storedFile(file)), old);
    EXPECT_EQ(file.getDocumentLength(), old.size());
    expectOnlyTheStoredFile(file);
}

TEST_F(DocumentFileFaults, AStoreRefusedByTheFileLayerLetsNoExceptionThrough) {
    CDocumentFile file = newDocument();
    const auto old = pattern(3000, 7);
    ASSERT_TRUE(store(file, old));
    // A second writer of the same file is refused with an exception inside the file layer.
    const zx::CAtomicFileWriter busy(storedFile(file));
    bool stored = true;
    EXPECT_NO_THROW(stored = store(file, pattern(4000, 8)));
    EXPECT_FALSE(stored);
    CDocumentFile copy = newDocument();
    ASSERT_TRUE(store(copy, pattern(10, 9)));
    bool copied = true;
    EXPECT_NO_THROW(copied = file.copyContents(copy));
    EXPECT_FALSE(copied);
    EXPECT_EQ(readFile(storedFile(file)), old);
    EXPECT_EQ(file.getDocumentLength(), old.size());
}

TEST_F(DocumentFileFaults, AStoredFileWithAnotherNameIsNeitherReadNorWrittenThrough) {
    CDocumentFile file = newDocument();
    const auto old = bytesOf("contents of the document");
    ASSERT_TRUE(store(file, old));
    const fs::path other = m_root / "other-name";
    fs::create_hard_link(storedFile(file), other);

    bool ok = true;
    EXPECT_TRUE(contentsOf(file, ok).empty());
    EXPECT_FALSE(ok);
    EXPECT_EQ(written([&](CArchive& ar) { ok = file.writeDocumentData(ar); }),
              std::vector<std::byte>{std::byte{0}});
    EXPECT_FALSE(ok);
    CDocumentFile copy = newDocument();
    EXPECT_FALSE(copy.copyContents(file));
    EXPECT_FALSE(fs::exists(storedFile(copy)));

    // Storing replaces the name: the other name keeps the old bytes.
    const auto replacement = bytesOf("new contents");
    ASSERT_TRUE(store(file, replacement));
    EXPECT_EQ(readFile(other), old);
    EXPECT_EQ(readFile(storedFile(file)), replacement);
    EXPECT_EQ(contentsOf(file, ok), replacement);
    EXPECT_TRUE(ok);
}

// Replaces the stored file by a symlink just before the file layer opens it: whatever was checked
// before, the open itself must refuse the link.
struct SwapBeforeOpen {
    static inline std::string name;
    static inline fs::path link, at;
    static inline bool swapped = false;
    static int open(int folder, const char* path, int flags, mode_t mode) {
        if (!swapped && path == name) {
            swapped = true;
            fs::rename(link, at);
        }
        return zx::systemFileSystemCalls().open(folder, path, flags, mode);
    }
};

TEST_F(DocumentFileFaults, ALinkSwappedInBeforeTheOpenIsNotFollowed) {
    const fs::path secret = m_root / "secret.txt";
    writeFile(secret, "not a document");
    for (const bool dataStream : {false, true}) {
        SCOPED_TRACE(dataStream ? "writeDocumentData" : "getArchive");
        CDocumentFile file = newDocument();
        ASSERT_TRUE(store(file, bytesOf("not secret")));
        SwapBeforeOpen::name = storedFile(file).filename().string();
        SwapBeforeOpen::link = m_root / "planted";
        SwapBeforeOpen::at = storedFile(file);
        SwapBeforeOpen::swapped = false;
        fs::create_symlink(secret, SwapBeforeOpen::link);

        zx::FileSystemCalls calls = zx::systemFileSystemCalls();
        calls.open = SwapBeforeOpen::open;
        const zx::ScopedFileSystemCalls swapping(calls);
        bool ok = true;
        const auto out = dataStream
                             ? written([&](CArchive& ar) { ok = file.writeDocumentData(ar); })
                             : contentsOf(file, ok);
        EXPECT_TRUE(SwapBeforeOpen::swapped);
        EXPECT_FALSE(ok);
        EXPECT_LE(out.size(), 1u);
    }
}

TEST_F(DocumentFileFaults, AnExternalDocumentIsNotReadWithoutTheHostsConsent) {
    const fs::path secret = m_root / "secret.txt";
    writeFile(secret, "root:x:0:0");
    CDocumentFile external = newDocument();
    external.setExternalDocument(true);
    external.setURL(CString(secret.wstring()));

    bool ok = true;
    EXPECT_TRUE(contentsOf(external, ok).empty());
    EXPECT_FALSE(ok);
    CDocumentFile copy = newDocument();
    EXPECT_FALSE(copy.copyContents(external));
    EXPECT_FALSE(fs::exists(storedFile(copy)));
}

TEST_F(DocumentFileFaults, OnlyFilesInsideAnAllowedFolderAreRead) {
    const fs::path shared = m_root / "shared";
    fs::create_directories(shared / "sub");
    writeFile(shared / "sub" / "plan.txt", "inside");
    writeFile(m_root / "secret.txt", "outside");
    fs::create_symlink(m_root / "secret.txt", shared / "escape");
    fs::create_symlink(shared / "sub" / "plan.txt", shared / "alias");
    writeFile(m_root / "secret-too.txt", "outside as well");
    fs::create_hard_link(m_root / "secret-too.txt", shared / "hard");
    CDocumentManager& manager = *CDocumentManager::getInstance();
    // Given through a link of its own: the folder is compared in canonical form.
    fs::create_directory_symlink(shared, m_root / "shared-link");
    manager.allowExternalSourcesUnder(m_root / "shared-link");

    const auto externalAt = [](const fs::path& path) {
        CDocumentFile file = newDocument();
        file.setExternalDocument(true);
        file.setURL(CString(path.wstring()));
        return file;
    };
    const auto read = [&](const fs::path& path) {
        bool ok = false;
        const auto bytes = contentsOf(externalAt(path), ok);
        return ok ? std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size())
                  : std::string("<refused>");
    };
    EXPECT_EQ(read(shared / "sub" / "plan.txt"), "inside");
    EXPECT_EQ(read(shared / "sub" / ".." / "sub" / "plan.txt"), "inside");
    EXPECT_EQ(read(shared / "alias"), "inside");
    EXPECT_EQ(read(shared / ".." / "secret.txt"), "<refused>");
    EXPECT_EQ(read(shared / "escape"), "<refused>");
    EXPECT_EQ(read(shared / "hard"), "<refused>");
    EXPECT_EQ(read(shared), "<refused>");
    EXPECT_EQ(read("shared/sub/plan.txt"), "<refused>");
    EXPECT_EQ(read(shared / "missing"), "<refused>");

    CDocumentFile copy = newDocument();
    ASSERT_TRUE(copy.copyContents(externalAt(shared / "sub" / "plan.txt")));
    EXPECT_EQ(readFile(storedFile(copy)), bytesOf("inside"));
    EXPECT_EQ(copy.getDocumentLength(), 6u);
    EXPECT_FALSE(copy.copyContents(externalAt(shared / "escape")));
    EXPECT_EQ(readFile(storedFile(copy)), bytesOf("inside"));

    // A policy sees the canonical path and may allow more.
    std::vector<fs::path> asked;
    manager.setExternalSourcePolicy([&](const fs::path& canonical) {
        asked.push_back(canonical);
        return canonical.filename().string().starts_with("secret");
    });
    EXPECT_EQ(read(shared / "escape"), "outside");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], fs::canonical(m_root / "secret.txt"));
    EXPECT_EQ(read(shared / "hard"), "<refused>");  // still a file with two names
    manager.refuseExternalSources();
    EXPECT_EQ(read(shared / "sub" / "plan.txt"), "<refused>");
}

TEST_F(DocumentFileFaults, ARefusingWriterNeverFollowsASymlinkAtTheTarget) {
    const fs::path real = m_root / "real.zxp", link = m_root / "link.zxp";
    writeFile(real, "old");
    fs::create_symlink(real, link);
    try {
        zx::CAtomicFileWriter writer(link, zx::CAtomicFileWriter::Symlinks::refuse);
        FAIL() << "a symlinked target was accepted";
    } catch (const zx::CFileError& error) {
        EXPECT_EQ(error.code(), std::error_code(ELOOP, std::system_category()));
    }
    EXPECT_EQ(readFile(real), bytesOf("old"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root), fs::directory_iterator()), 3);
}

// Two project documents, each with its own document folder below the test's folder.
class ProjectDocumentFolders : public DocumentFileFaults {
protected:
    static CDocumentFolder folderWith(const CDocumentFile& file) {
        CDocumentFolder folder;
        folder.generateIDs();
        EXPECT_EQ(folder.addFile(file), 0);
        return folder;
    }
    static IDocumentFileWritableHandle firstFile(CProjectDocument& project) {
        return project.get<CDocumentFolderRoot>()
            .getArray()
            .getWritableReference(0)
            .getFiles()
            .getWritableReference(0);
    }
    void giveFolder(CProjectDocument& project, const char* name) const {
        fs::create_directories(m_root / name);
        project.documentManager().setDocumentFolder(m_root / name);
    }
};

TEST_F(ProjectDocumentFolders, TwoProjectsKeepTheSameDocumentInTwoFolders) {
    const CDocumentFile document = newDocument();
    const std::string name = document.getID().toString().toUtf8();
    CProjectDocument first, second;
    giveFolder(first, "first");
    giveFolder(second, "second");
    for (CProjectDocument* project : {&first, &second}) {
        ASSERT_EQ(project->get<CDocumentFolderRoot>().getArray().Add(folderWith(document)), 0);
        project->bindDocumentFiles();
    }
    ASSERT_TRUE(store(*firstFile(first), bytesOf("first project")));
    ASSERT_TRUE(store(*firstFile(second), bytesOf("second project")));
    EXPECT_EQ(readFile(m_root / "first" / name), bytesOf("first project"));
    EXPECT_EQ(readFile(m_root / "second" / name), bytesOf("second project"));
    EXPECT_TRUE(folderNames().empty());

    // The same ID in another folder is another file, so it is copied.
    ASSERT_TRUE(firstFile(second)->copyContents(*firstFile(first)));
    EXPECT_EQ(readFile(m_root / "second" / name), bytesOf("first project"));

    // A copy is no part of the project: it uses the process-wide manager, and equals its
    // original all the same.
    const auto* bound = dynamic_cast<const CDocumentFile*>(firstFile(first).get());
    ASSERT_NE(bound, nullptr);
    EXPECT_EQ(&bound->documentManager(), &first.documentManager());
    const CDocumentFile copy(*bound);
    EXPECT_EQ(&copy.documentManager(), CDocumentManager::getInstance());
    EXPECT_TRUE(copy == *bound);
}

// The binding walk after a load goes only where document files can be: through collections and
// optional parts at any depth, and never into kinds that name documents by ID alone.
TEST(DocumentFileHolders, AreFoundThroughCollectionsAndOptionalParts) {
    EXPECT_TRUE((zx::mayHold<IDocumentFolder, IDocumentFile>()));
    EXPECT_TRUE((zx::mayHold<IIssue, IDocumentFile>()));
    EXPECT_TRUE((zx::mayHold<IDocumentFile, IDocumentFile>()));
    EXPECT_FALSE((zx::mayHold<ITask, IDocumentFile>()));
    EXPECT_FALSE((zx::mayHold<IRisk, IDocumentFile>()));
}

TEST_F(ProjectDocumentFolders, ALoadedProjectBindsEveryDocumentItHolds) {
    CDocumentFile document = newDocument();
    CIssue issue;
    issue.generateIDs();
    issue.allocateOldSchedule();
    issue.getWritableOldSchedule()->setID(CDocumentFileID(CIDBase::generate().getGUID()));
    CProjectDocument original;
    ASSERT_EQ(original.get<CDocumentFolderRoot>().getArray().Add(folderWith(document)), 0);
    ASSERT_EQ(original.get<CIssueRoot>().getArray().Add(issue), 0);
    const fs::path file = m_root / "site.zxp";
    original.save(file);

    CProjectDocument loaded;
    giveFolder(loaded, "loaded");
    (void)loaded.load(file);
    ASSERT_TRUE(store(*firstFile(loaded), bytesOf("folder document")));
    IDocumentFileWritableHandle snapshot =
        loaded.get<CIssueRoot>().getArray().getWritableReference(0).getWritableOldSchedule();
    ASSERT_TRUE(store(*snapshot, bytesOf("issue snapshot")));
    EXPECT_EQ(readFile(m_root / "loaded" / document.getID().toString().toUtf8()),
              bytesOf("folder document"));
    EXPECT_EQ(readFile(m_root / "loaded" / snapshot->getID().toString().toUtf8()),
              bytesOf("issue snapshot"));
    EXPECT_TRUE(folderNames().empty());

    // Moving the document keeps its files bound to the manager it carries along.
    CProjectDocument moved = std::move(loaded);
    bool ok = false;
    EXPECT_EQ(contentsOf(*firstFile(moved), ok), bytesOf("folder document"));
    EXPECT_TRUE(ok);
}

}  // namespace
