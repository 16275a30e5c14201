// Saving and loading N links through an in-memory archive.
//
// Compared with cereal's binary archives on an equivalent plain struct (three 16-byte IDs, an int
// type and an int64 delay) held as heap objects in a std::vector<std::unique_ptr<PlainLink>>, and
// with memcpy of the archive's bytes (the ceiling of any loader). Targets: saving at least 2x
// faster than cereal, loading at least 1.5x faster than cereal, loading at no less than 15% of
// memcpy's bandwidth. Loads are timed up to the filled container; freeing it is not timed.
//
// cereal writes through std::ostream and reads through std::istream; it gets the cheapest
// in-memory stream buffers we can give it (a growing vector, a span), so that its figures are
// its own and not std::stringstream's. Built without cereal, the program skips those rows.
#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <streambuf>
#include <vector>

#include "BenchSupport.h"

#ifdef ZX_HAVE_CEREAL
#include <cereal/archives/binary.hpp>
#include <cereal/types/array.hpp>
#include <cereal/types/memory.hpp>
#include <cereal/types/vector.hpp>
#endif

namespace {

// The link as a plain struct, for the cereal comparison.
struct PlainLink {
    std::array<std::uint8_t, 16> id;
    std::array<std::uint8_t, 16> upstreamTaskID;
    std::array<std::uint8_t, 16> delayCalendarID;
    std::int32_t type = 0;
    std::int64_t delay = 0;

    template <class Archive>
    void serialize(Archive& ar) {
        ar(id, upstreamTaskID, delayCalendarID, type, delay);
    }
    bool operator==(const PlainLink&) const = default;
};
using PlainLinks = std::vector<std::unique_ptr<PlainLink>>;

// A stream buffer that appends to a vector (cereal's output sink).
class VectorStreamBuf : public std::streambuf {
public:
    std::vector<char> bytes;

protected:
    std::streamsize xsputn(const char* data, std::streamsize size) override {
        bytes.insert(bytes.end(), data, data + size);
        return size;
    }
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            bytes.push_back(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
};

// A stream buffer that reads from bytes it does not own (cereal's input source). It keeps its own
// read position over the const bytes instead of a get area, which would need them writable.
class SpanStreamBuf : public std::streambuf {
public:
    explicit SpanStreamBuf(std::span<const char> bytes)
        : m_next(bytes.data()), m_end(bytes.data() + bytes.size()) {}

protected:
    int_type underflow() override {
        return m_next == m_end ? traits_type::eof() : traits_type::to_int_type(*m_next);
    }
    int_type uflow() override {
        return m_next == m_end ? traits_type::eof() : traits_type::to_int_type(*m_next++);
    }
    std::streamsize showmanyc() override { return m_end - m_next; }
    std::streamsize xsgetn(char* data, std::streamsize size) override {
        const std::streamsize n = std::min<std::streamsize>(size, m_end - m_next);
        std::memcpy(data, m_next, static_cast<std::size_t>(n));
        m_next += n;
        return n;
    }

private:
    const char* m_next;
    const char* m_end;
};

#ifdef ZX_HAVE_CEREAL
std::vector<char> cerealSave(const PlainLinks& links) {
    VectorStreamBuf buffer;
    {
        std::ostream stream(&buffer);
        cereal::BinaryOutputArchive ar(stream);
        ar(links);
    }
    return std::move(buffer.bytes);
}
void cerealLoad(std::span<const char> bytes, PlainLinks& back) {
    SpanStreamBuf buffer(bytes);
    std::istream stream(&buffer);
    cereal::BinaryInputArchive ar(stream);
    ar(back);
}
#endif

struct Archives {
    CLinkArray links;
    std::vector<std::byte> archive;
    PlainLinks plainLinks;
    std::vector<char> cerealBytes;
    std::vector<std::byte> memcpyTarget;

    Archives() {
        const std::size_t n = zxbench::objectCount();
        zxbench::fillLinks(links, n);
        links.sort();
        CZentrixArchive out;
        links.Serialize(out);
        archive = out.takeStoredBytes();
        memcpyTarget.resize(archive.size());

        plainLinks.reserve(n);
        for (int i = 0; i < links.GetSize(); ++i) {
            const CLink& link = links.getConstReference(i);
            plainLinks.push_back(std::make_unique<PlainLink>(
                PlainLink{link.getID().getGUID(), link.getUpstreamTaskID().getGUID(),
                          link.getDelayCalendarID().getGUID(), link.getType().toInt(),
                          link.getDelay().getCount()}));
        }
#ifdef ZX_HAVE_CEREAL
        cerealBytes = cerealSave(plainLinks);
#endif
    }
};

Archives& archives() {
    static Archives instance;
    return instance;
}

// The archive's bytes stay in the archive: the comparison is the writing, not a final copy.
std::size_t save(CLinkArray& links) {
    CZentrixArchive out;
    links.Serialize(out);
    return out.storedBytes().size();
}
void load(std::span<const std::byte> bytes, CLinkArray& back) {
    CZentrixArchive in{bytes};
    back.Serialize(in);
}
void copyBytes(Archives& f) {
    std::memcpy(f.memcpyTarget.data(), f.archive.data(), f.archive.size());
    benchmark::ClobberMemory();
}

void saveBenchmark(benchmark::State& state) {
    Archives& f = archives();
    for (auto _ : state) benchmark::DoNotOptimize(save(f.links));
    state.SetItemsProcessed(state.iterations() * f.links.GetSize());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.archive.size()));
}
void loadBenchmark(benchmark::State& state) {
    const Archives& f = archives();
    std::optional<CLinkArray> back;
    for (auto _ : state) {
        state.PauseTiming();
        back.emplace();
        state.ResumeTiming();
        load(f.archive, *back);
    }
    state.SetItemsProcessed(state.iterations() * f.links.GetSize());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.archive.size()));
}
void memcpyBenchmark(benchmark::State& state) {
    Archives& f = archives();
    for (auto _ : state) copyBytes(f);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.archive.size()));
}
BENCHMARK(saveBenchmark)->Name("save CLinkArray")->Unit(benchmark::kMillisecond);
BENCHMARK(loadBenchmark)->Name("load CLinkArray")->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyBenchmark)->Name("memcpy of the archive")->Unit(benchmark::kMillisecond);

#ifdef ZX_HAVE_CEREAL
void cerealSaveBenchmark(benchmark::State& state) {
    const Archives& f = archives();
    std::size_t size = 0;
    for (auto _ : state) {
        const auto bytes = cerealSave(f.plainLinks);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * f.links.GetSize());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}
void cerealLoadBenchmark(benchmark::State& state) {
    const Archives& f = archives();
    std::optional<PlainLinks> back;
    for (auto _ : state) {
        state.PauseTiming();
        back.emplace();
        state.ResumeTiming();
        cerealLoad(f.cerealBytes, *back);
    }
    state.SetItemsProcessed(state.iterations() * f.links.GetSize());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.cerealBytes.size()));
}
BENCHMARK(cerealSaveBenchmark)->Name("cereal save")->Unit(benchmark::kMillisecond);
BENCHMARK(cerealLoadBenchmark)->Name("cereal load")->Unit(benchmark::kMillisecond);
#endif

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Archives& f = archives();
    const std::size_t n = f.links.GetSize();
    {
        CLinkArray back;
        load(f.archive, back);
        zxbench::require(back == f.links && back.isSorted(),
                         "a loaded container equals the saved one");
    }
#ifdef ZX_HAVE_CEREAL
    {
        PlainLinks check;
        cerealLoad(f.cerealBytes, check);
        bool same = check.size() == f.plainLinks.size();
        for (std::size_t i = 0; same && i < check.size(); ++i) same = *check[i] == *f.plainLinks[i];
        zxbench::require(same, "cereal loads what it saved");
    }
#endif
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const zxbench::Timing saved =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(save(f.links)); });
    // Loads and copies start with the archive's bytes out of the caches.
    const zxbench::Timing loaded =
        zxbench::bestColdLoad<CLinkArray>(reps, [&](CLinkArray& back) { load(f.archive, back); });
    const zxbench::Timing copied = zxbench::bestColdCopy(reps, f.archive);

    zxbench::ComparisonTable table("save and load of N links, in memory");
    table.throughput("save CLinkArray", saved, f.archive.size(), n);
    table.throughput("load CLinkArray", loaded, f.archive.size(), n);
    table.throughput("memcpy of the archive's bytes", copied, f.archive.size(), n);
#ifdef ZX_HAVE_CEREAL
    const zxbench::Timing cerealSaved =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(cerealSave(f.plainLinks).data()); });
    const zxbench::Timing cerealLoaded = zxbench::bestColdLoad<PlainLinks>(
        reps, [&](PlainLinks& back) { cerealLoad(f.cerealBytes, back); });
    table.throughput("cereal save", cerealSaved, f.cerealBytes.size(), n);
    table.throughput("cereal load", cerealLoaded, f.cerealBytes.size(), n);
    table.atLeast("save: cereal / CLinkArray (speed-up)", cerealSaved.seconds / saved.seconds, 2.0);
    table.atLeast("load: cereal / CLinkArray (speed-up)", cerealLoaded.seconds / loaded.seconds,
                  1.5);
#else
    table.skipped("save and load against cereal", "cereal headers not found at configure time");
#endif
    // Bandwidths over the same bytes, so the time ratio is the bandwidth ratio.
    table.atLeast("load bandwidth / memcpy bandwidth", copied.seconds / loaded.seconds, 0.15);
    return table.print();
}
