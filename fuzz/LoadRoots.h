// LoadRoots: loads untrusted bytes as one of the sample project's roots or collections and checks
// that the load kept its promises. Shared by the fuzz target, the corpus maker and the
// malformed-input tests, so all three exercise exactly the same code.
//
// The promises of a load from bad input: it ends in CArchiveException whose message names a byte
// offset, and the container it was loading is left empty. A load that succeeds must give a
// container that dumps, saves, loads back and saves the same bytes again. Any other exception is
// not caught here: it escapes to the caller (the fuzzer reports it as a crash).
//
// A fuzz input is one selector byte (the target, taken modulo kTargetCount) followed by the
// archive bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "SampleProject.h"
#include "zentrix.h"

namespace zxfuzz {

// The roots and collections a fuzz input can be loaded as. The values are the selector bytes of
// the committed corpus: append new targets, never reorder.
enum class Target : std::uint8_t {
    Codes,
    UserFields,
    TaskCategories,
    TaskStates,
    Links,
    Costs,
    TaskReports,
    Tasks,
    ResourceStates,
    Risks,
    Issues,
    DocumentFolders,
    Histories,
    Rules,
    Calendars,
    Resources,
    ResourceGroups,
    Baselines,
};
inline constexpr int kTargetCount = 18;

inline const char* targetName(Target target) {
    switch (target) {
        case Target::Codes:
            return "codes";
        case Target::UserFields:
            return "user-fields";
        case Target::TaskCategories:
            return "task-categories";
        case Target::TaskStates:
            return "task-states";
        case Target::Links:
            return "links";
        case Target::Costs:
            return "costs";
        case Target::TaskReports:
            return "task-reports";
        case Target::Tasks:
            return "tasks";
        case Target::ResourceStates:
            return "resource-states";
        case Target::Risks:
            return "risks";
        case Target::Issues:
            return "issues";
        case Target::DocumentFolders:
            return "document-folders";
        case Target::Histories:
            return "histories";
        case Target::Rules:
            return "rules";
        case Target::Calendars:
            return "calendars";
        case Target::Resources:
            return "resources";
        case Target::ResourceGroups:
            return "resource-groups";
        case Target::Baselines:
            return "baselines";
    }
    return "?";
}

inline std::vector<Target> allTargets() {
    std::vector<Target> targets;
    for (int i = 0; i < kTargetCount; ++i) targets.push_back(static_cast<Target>(i));
    return targets;
}

// What a fuzz input can be loaded into: the sample project's roots and collections, and bare
// collections of the child kinds that have no root (tasks hold them).
struct Containers {
    SampleProject project;
    CLinkArray links;
    CCostArray costs;
    CTaskReportArray taskReports;
    CRSHistoryArray histories;

    Containers() = default;
    // The project, with every link, cost and report of its tasks and every history of its
    // resources copied into the bare collections.
    explicit Containers(SampleProject sample) : project(std::move(sample)) {
        collect(project.tasks.get());
        collect(project.resources.get());
    }

private:
    void collect(const ITaskConstArrayHandle& tasks) {
        for (int i = 0; i < tasks.GetSize(); ++i) {
            const ITaskHandle task = tasks.getConstReference(i);
            append(links, task->getUpstreamLinks());
            append(costs, task->getCosts());
            append(taskReports, task->getTaskReports());
            collect(task->getSubTasks());
        }
    }
    void collect(const IResourceConstArrayHandle& resources) {
        for (int i = 0; i < resources.GetSize(); ++i) {
            const IResourceHandle resource = resources.getConstReference(i);
            append(histories, resource->getHistories());
            collect(resource->getSubResources());
        }
    }
    template <class Array, class Handle>
    static void append(Array& into, const Handle& from) {
        for (int i = 0; i < from.GetSize(); ++i) (void)into.Add(*from.getConstReference(i));
    }
};

// Calls f with the container for target (a root or a bare collection).
template <class F>
decltype(auto) withContainer(Target target, Containers& all, F&& f) {
    SampleProject& project = all.project;
    switch (target) {
        case Target::Codes:
            return f(project.codes);
        case Target::UserFields:
            return f(project.userFields);
        case Target::TaskCategories:
            return f(project.taskCategories);
        case Target::TaskStates:
            return f(project.taskStates);
        case Target::Links:
            return f(all.links);
        case Target::Costs:
            return f(all.costs);
        case Target::TaskReports:
            return f(all.taskReports);
        case Target::Tasks:
            return f(project.tasks);
        case Target::ResourceStates:
            return f(project.resourceStates);
        case Target::Risks:
            return f(project.risks);
        case Target::Issues:
            return f(project.issues);
        case Target::DocumentFolders:
            return f(project.documentFolders);
        case Target::Histories:
            return f(all.histories);
        case Target::Rules:
            return f(project.rules);
        case Target::Calendars:
            return f(project.calendars);
        case Target::Resources:
            return f(project.resources);
        case Target::ResourceGroups:
            return f(project.resourceGroups);
        case Target::Baselines:
            break;
    }
    return f(project.baselines);
}

// The keyed collection behind a root, or the collection itself.
template <class Container>
const auto& objectsOf(const Container& container) {
    if constexpr (requires { container.getArray(); })
        return container.getArray();
    else
        return container;
}

inline std::vector<std::byte> saveTarget(Containers& project, Target target) {
    CZentrixArchive ar;
    withContainer(target, project, [&](auto& container) { container.Serialize(ar); });
    return ar.takeStoredBytes();
}

struct LoadReport {
    bool loaded = false;
    // Top-level objects in the container after the load.
    int objects = 0;
    // The CArchiveException's message and byte offset when the load failed.
    std::string error;
    std::uint64_t offset = 0;
    // A broken promise, in words; empty when the load behaved.
    std::string fault;
};

namespace detail {

// Loads bytes into project's container for target; only CArchiveException is caught.
inline LoadReport loadInto(Containers& project, Target target, std::span<const std::byte> bytes) {
    LoadReport report;
    withContainer(target, project, [&](auto& container) {
        try {
            CZentrixArchive ar(bytes);
            container.Serialize(ar);
            report.loaded = true;
        } catch (const CArchiveException& e) {
            report.error = e.what();
            report.offset = e.offset();
        }
        report.objects = objectsOf(container).GetSize();
    });
    return report;
}

}  // namespace detail

inline LoadReport loadTarget(Target target, std::span<const std::byte> archive) {
    Containers project;
    LoadReport report = detail::loadInto(project, target, archive);
    if (!report.loaded) {
        if (report.objects != 0)
            report.fault = "a failed load left " + std::to_string(report.objects) + " objects";
        else if (report.error.find(" at byte " + std::to_string(report.offset)) ==
                 std::string::npos)
            report.fault = "the error names no byte offset: " + report.error;
        else if (report.offset > archive.size())
            report.fault = "the error names a byte past the input: " + report.error;
        return report;
    }

    // Whatever was accepted must be usable: dumped, saved and read back without change.
    withContainer(target, project, [](auto& container) {
        const auto& objects = objectsOf(container);
        for (int i = 0; i < objects.GetSize(); ++i) (void)objects.getConstReference(i).dump();
    });
    const std::vector<std::byte> saved = saveTarget(project, target);
    Containers reloaded;
    const LoadReport again = detail::loadInto(reloaded, target, saved);
    if (!again.loaded) {
        report.fault = "the re-saved archive does not load: " + again.error;
    } else if (again.objects != report.objects) {
        report.fault = "the re-saved archive loads " + std::to_string(again.objects) +
                       " objects instead of " + std::to_string(report.objects);
    } else if (saveTarget(reloaded, target) != saved) {
        report.fault = "saving the reloaded container gives different bytes";
    }
    return report;
}

// A fuzz input: a selector byte, then the archive.
inline LoadReport loadFuzzInput(std::span<const std::byte> input) {
    if (input.empty()) return {};
    const auto target = static_cast<Target>(std::to_integer<unsigned>(input[0]) % kTargetCount);
    return loadTarget(target, input.subspan(1));
}

// The fuzz input that loads the given archive as target.
inline std::vector<std::byte> fuzzInput(Target target, std::span<const std::byte> archive) {
    std::vector<std::byte> input;
    input.reserve(archive.size() + 1);
    input.push_back(static_cast<std::byte>(target));
    input.insert(input.end(), archive.begin(), archive.end());
    return input;
}

}  // namespace zxfuzz
