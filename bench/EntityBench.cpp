// 3D entities: what a bare entity costs in memory, loading flat and deep collections of them,
// loading entities that carry meshes (the numeric blocks beside memcpy of as many bytes), and
// moving a large sub-tree by detach and attach.
//
// Targets: a bare entity (an ID, nothing optional) at most 256 heap bytes including its container
// slot and index entry; loading bare entities at 3 M/s or more; a tree ten levels deep of as many
// entities loads within 1.5x of the flat collection's time; 200,000 entities of a 100-triangle
// mesh each (N / 5 of them: 200,000 at a million) load, and save, at 40% or more of memcpy's
// bandwidth over the bytes of their numeric blocks (memcpy of as many bytes; all start with the
// caches swept);
// moving a sub-tree of 100,000 entities by detach and attach allocates nothing per entity and keeps
// every entity in place.
//
// Heap use is measured by the counting operator new of CountingHeap.h, which adds up the usable
// size of every block plus the allocator's 8-byte chunk header.
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

#include "BenchSupport.h"
#include "CountingHeap.h"
#include "model3d/CEntity3D.h"

using zxbench::g_allocations;
using zxbench::g_heapBytes;

namespace {

CEntity3D bareEntity(zxbench::RandomIDs& random) {
    CEntity3D entity;
    entity.setID(CEntity3DID(random.guid()));
    return entity;
}

// n bare entities at the top level.
CEntity3DArray flatEntities(std::size_t n) {
    zxbench::RandomIDs random(11);
    CEntity3DArray entities;
    entities.Reserve(static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i) entities.AddNoSort(bareEntity(random));
    entities.sort();
    return entities;
}

// n bare entities as chains ten levels deep below n / 10 top-level entities, built bottom up so
// that each level is moved in, not copied.
CEntity3DArray deepEntities(std::size_t n) {
    zxbench::RandomIDs random(12);
    CEntity3DArray entities;
    for (std::size_t top = 0; top < n / 10; ++top) {
        auto chain = std::make_unique<CEntity3D>(bareEntity(random));
        for (int level = 1; level < 10; ++level) {
            auto parent = std::make_unique<CEntity3D>(bareEntity(random));
            zxbench::require(parent->attachSubEntity(chain->getWritableHandle()), "attach");
            (void)chain.release();
            chain = std::move(parent);
        }
        entities.AddNoSort(std::move(*chain));
    }
    entities.sort();
    return entities;
}

// A strip of 100 triangles over 2 x 51 vertices, with normals.
CMesh stripMesh(float offset) {
    CMesh mesh;
    for (int i = 0; i < 51; ++i) {
        for (int row = 0; row < 2; ++row) {
            mesh.positions.insert(mesh.positions.end(),
                                  {offset + static_cast<float>(i), static_cast<float>(row), 0});
            mesh.normals.insert(mesh.normals.end(), {0, 0, 1});
        }
    }
    for (std::uint32_t i = 0; i < 50; ++i) {
        const std::uint32_t a = 2 * i, b = a + 1, c = a + 2, d = a + 3;
        mesh.triangles.insert(mesh.triangles.end(), {a, c, b, b, c, d});
    }
    return mesh;
}

std::size_t blockBytes(const CMesh& mesh) {
    return (mesh.positions.size() + mesh.normals.size() + mesh.textureCoordinates.size()) *
               sizeof(float) +
           mesh.triangles.size() * sizeof(std::uint32_t);
}

// Added unsorted and then sorted once: adding one by one to a sorted container moves half its
// ordered index each time, which at this size would dominate the program's run.
double heapPerBareEntity(std::size_t n) {
    zxbench::RandomIDs random(7);
    CEntity3DArray entities;
    const zxbench::CountingScope counting;
    const long long start = g_heapBytes;
    for (std::size_t i = 0; i < n; ++i) entities.AddNoSort(bareEntity(random));
    entities.sort();
    return static_cast<double>(g_heapBytes - start) / static_cast<double>(n);
}

// Flat and deep loads are set against each other, and run as they come (the caches hold what the
// previous run left); the mesh loads, set against memcpy, start with the caches swept as it does.
zxbench::Timing timeLoad(const std::vector<std::byte>& bytes) {
    std::optional<CEntity3DArray> back;
    return zxbench::best(
        zxbench::comparisonRepetitions(), [&] { back.emplace(); },
        [&] { zxbench::loadFromMemory(bytes, *back); });
}
zxbench::Timing timeColdLoad(const std::vector<std::byte>& bytes) {
    return zxbench::bestColdLoad<CEntity3DArray>(
        zxbench::comparisonRepetitions(),
        [&](CEntity3DArray& back) { zxbench::loadFromMemory(bytes, back); });
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    const std::size_t n = zxbench::objectCount();
    CEntity3DArray flat = flatEntities(n);
    const std::vector<std::byte> flatBytes = zxbench::savedBytes(flat);
    CEntity3DArray deep = deepEntities(n);
    const std::vector<std::byte> deepBytes = zxbench::savedBytes(deep);
    {
        CEntity3DArray back;
        zxbench::loadFromMemory(deepBytes, back);
        zxbench::require(back == deep, "loaded tree equals the saved one");
    }
    zxbench::registerSaveAndLoad("bare entities", flat, flatBytes, static_cast<std::int64_t>(n));
    zxbench::registerSaveAndLoad("entities ten levels deep", deep, deepBytes,
                                 static_cast<std::int64_t>(n));
    zxbench::runGoogleBenchmarks();

    zxbench::ComparisonTable table("3D entities: memory, loading and moving");
    char line[200];
    const double heap = heapPerBareEntity(std::min<std::size_t>(n, 100'000));
    std::snprintf(line, sizeof line,
                  "sizeof(CEntity3D) = %zu bytes; a bare entity in a container takes %.0f heap "
                  "bytes (object, slot and index entry)",
                  sizeof(CEntity3D), heap);
    table.note(line);
    table.atMost("bare entity bytes / 256", heap / 256.0, 1.0);

    const zxbench::Timing flatLoad = timeLoad(flatBytes);
    const zxbench::Timing deepLoad = timeLoad(deepBytes);
    table.time("load bare entities", flatLoad, n);
    table.time("load entities ten levels deep", deepLoad, n);
    table.atLeast("load bare entities/s / 3,000,000",
                  static_cast<double>(n) / flatLoad.seconds / 3e6, 1.0);
    table.atMost("deep load time / flat load time", deepLoad.seconds / flatLoad.seconds, 1.5);
    flat = CEntity3DArray();
    deep = CEntity3DArray();

    // Entities with meshes: N / 5, 200,000 at a million (each holds about 3.6 KB of numbers).
    {
        const std::size_t meshes = std::max<std::size_t>(n / 5, 1);
        zxbench::RandomIDs random(13);
        CEntity3DArray withMeshes;
        std::size_t numeric = 0;
        for (std::size_t i = 0; i < meshes; ++i) {
            CEntity3D entity = bareEntity(random);
            CMesh mesh = stripMesh(static_cast<float>(i % 1000));
            numeric += blockBytes(mesh);
            zxbench::require(entity.addGeometry(std::move(mesh)) == 0, "mesh accepted");
            withMeshes.AddNoSort(std::move(entity));
        }
        withMeshes.sort();
        const std::vector<std::byte> bytes = zxbench::savedBytes(withMeshes);
        // Into a fresh archive each time, which grows as the save goes, as a host's does.
        std::optional<CZentrixArchive> out;
        const zxbench::Timing save = zxbench::best(
            zxbench::comparisonRepetitions(),
            [&] {
                out.emplace();
                zxbench::evictCaches();
            },
            [&] { withMeshes.Serialize(*out); });
        out.reset();
        withMeshes = CEntity3DArray();
        const zxbench::Timing load = timeColdLoad(bytes);
        const std::vector<std::byte> blocks(numeric, std::byte{1});
        const zxbench::Timing copy =
            zxbench::bestColdCopy(zxbench::comparisonRepetitions(), blocks);
        std::snprintf(line, sizeof line,
                      "%zu entities of a 100-triangle mesh: %zu archive bytes, %zu of them in "
                      "numeric blocks",
                      meshes, bytes.size(), numeric);
        table.note(line);
        table.throughput("load entities with meshes", load, bytes.size(), meshes);
        table.throughput("save entities with meshes", save, bytes.size(), meshes);
        table.throughput("memcpy of the numeric blocks' size", copy, numeric, meshes);
        table.atLeast("numeric block bandwidth / memcpy's / 40%", copy.seconds / load.seconds / 0.4,
                      1.0);
        table.atLeast("saving: block bandwidth / memcpy's / 40%", copy.seconds / save.seconds / 0.4,
                      1.0);
    }

    // A sub-tree of 100,000 entities (100 of 999 each, below one) moved to another parent.
    {
        zxbench::RandomIDs random(14);
        const std::size_t size = std::min<std::size_t>(n, 100'000);
        CEntity3D from = bareEntity(random), to = bareEntity(random);
        auto subtree = std::make_unique<CEntity3D>(bareEntity(random));
        for (std::size_t i = 1; i < size;) {
            auto child = std::make_unique<CEntity3D>(bareEntity(random));
            ++i;
            for (int g = 0; g < 999 && i < size; ++g, ++i) {
                auto grandchild = std::make_unique<CEntity3D>(bareEntity(random));
                zxbench::require(child->attachSubEntity(grandchild->getWritableHandle()), "attach");
                (void)grandchild.release();
            }
            zxbench::require(subtree->attachSubEntity(child->getWritableHandle()), "attach");
            (void)child.release();
        }
        const IEntity3D* top = subtree.get();
        const IEntity3D* firstChild = &*subtree->getSubEntities().getConstReference(0);
        zxbench::require(from.attachSubEntity(subtree->getWritableHandle()), "attach");
        const CEntity3DID id = subtree->getID();
        (void)subtree.release();

        std::optional<zxbench::CountingScope> counting(std::in_place);
        const long long allocationsBefore = g_allocations;
        const double start = zxbench::threadSeconds();
        IEntity3DWritableHandle moved = from.detachSubEntity(id);
        const bool attached = to.attachSubEntity(moved);
        const double seconds = zxbench::threadSeconds() - start;
        const long long allocations = g_allocations - allocationsBefore;
        counting.reset();
        zxbench::require(attached, "the sub-tree moves");
        const IEntity3D& arrived = *to.getSubEntities().getConstReference(0);
        const bool inPlace =
            &arrived == top && &*arrived.getSubEntities().getConstReference(0) == firstChild;
        std::snprintf(line, sizeof line,
                      "moving a sub-tree of %zu entities took %.1f us and %lld allocations; "
                      "the entities stayed in place: %s",
                      size, seconds * 1e6, allocations, inPlace ? "yes" : "no");
        table.note(line);
        table.atMost("allocations per moved entity",
                     static_cast<double>(allocations) / static_cast<double>(size), 0.001);
        zxbench::require(inPlace, "moved entities keep their addresses");
    }
    return table.print();
}
