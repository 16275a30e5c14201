// zxstore: the store's command-line tool, for people who want to look into project documents.
//
//   demo [FILE] [--scale N]     builds the sample project, saves it as a document, loads it back
//                               and checks that every root equals its original
//   info FILE                   format, file version and each section's size, objects, checksum
//   dump FILE [--kind K] [--id ID] [--json] [--show-secrets]
//   check FILE                  referential integrity of the whole project
//   diff A B [--json]           what was added, removed and changed, down to the field
//   convert IN OUT [--file-version V]   document to JSON (OUT ending in .json) and back
//   salvage IN OUT              writes what could be read of a damaged document
//   report FILE -o OUT [--from DATE --to DATE] [--max-rows N] [--max-resources N]
//          [--baseline N] [--print-counts]
//                               one self-contained HTML page: Gantt chart, resource usage,
//                               resources, objects per kind, check findings
//
// Exit status: 0 done, 1 findings (check findings, differences, a lossy salvage, a failed demo),
// 2 bad usage or unreadable input. Long runs draw a progress bar when standard error is a
// terminal. Secrets (password hashes, salts, source passwords) are redacted in every output
// unless --show-secrets is given.
#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "FileStreams.h"
#include "HtmlReport.h"
#include "JsonReader.h"
#include "JsonWriter.h"
#include "ProgressBar.h"
#include "ProjectCheck.h"
#include "ProjectDiff.h"
#include "SampleProject.h"
#include "TextDump.h"
#include "basetypes/CMappedFile.h"
#include "project/CProjectDocument.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int s_done = 0;
constexpr int s_findings = 1;
constexpr int s_badInput = 2;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool isJsonFile(const fs::path& file) { return file.extension() == ".json"; }

// Input that cannot be read: the message says which file and what is wrong with it.
struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string describe(const fs::path& file, const std::exception& error) {
    std::string text = file.string() + ": " + error.what();
    if (const auto* document = dynamic_cast<const CDocumentError*>(&error)) {
        text += " (at byte " + std::to_string(document->offset());
        if (!document->record().empty()) text += ", in " + document->record();
        text += ")";
    }
    return text;
}

// Reads a document, or a project in the JSON form when the name ends in .json.
CProjectDocument open(const fs::path& file, const CDocumentLoadOptions& options = {}) {
    CProjectDocument document;
    try {
        zxtool::ProgressBar bar("loading " + file.filename().string());
        if (isJsonFile(file)) {
            zxtool::MappedFileReader in(file);
            zxjson::readProject(in.stream(), document.roots());
        } else {
            auto withBar = options;
            if (!withBar.progress) withBar.progress = bar.callback();
            (void)document.load(file, withBar);
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& error) {
        throw BadInput(describe(file, error));
    }
    return document;
}

void write(CProjectDocument& document, const fs::path& file, int fileVersion) {
    if (isJsonFile(file)) {
        zxtool::AtomicFileStream out(file);
        // A conversion keeps everything, password hashes and salts included (the document it
        // comes from holds them too), so that the JSON reads back to the same project.
        zxjson::writeProject(out.stream(), document.roots(), fileVersion, {.showSecrets = true});
        out.commit();
        return;
    }
    zxtool::ProgressBar bar("saving " + file.filename().string());
    CDocumentSaveOptions options;
    options.fileVersion = fileVersion;
    options.progress = bar.callback();
    document.save(file, options);
}

int demo(const std::string& file, int scale) {
    auto start = Clock::now();
    CProjectDocument original(std::make_unique<SampleProject>(SampleProject::build(scale, 2026)));
    const double buildMs = millisecondsSince(start);

    start = Clock::now();
    std::vector<std::byte> bytes;
    if (file.empty()) {
        bytes = original.saveToBytes();
    } else {
        write(original, file, CZentrixArchive::s_currentFileVersion);
    }
    const double saveMs = millisecondsSince(start);

    start = Clock::now();
    CProjectDocument loaded;
    if (file.empty())
        (void)loaded.loadFromBytes(bytes);
    else
        loaded = open(file);
    const double loadMs = millisecondsSince(start);
    const std::uint64_t size = file.empty() ? bytes.size() : fs::file_size(file);

    const bool equal = loaded.roots() == original.roots();
    std::printf("zxstore demo: sample project at scale %d, %s\n", scale,
                file.empty() ? "in memory" : file.c_str());
    std::uint64_t objects = 0;
    for (const auto& [kind, count] : static_cast<const SampleProject&>(original.roots()).counts()) {
        std::printf("  %-26s %10d\n", kind.c_str(), count);
        objects += static_cast<std::uint64_t>(count);
    }
    std::printf("  %-26s %10llu\n", "objects", static_cast<unsigned long long>(objects));
    std::printf("  %-26s %10llu bytes\n", "document size", static_cast<unsigned long long>(size));
    std::printf("  %-26s %10.1f ms\n", "build", buildMs);
    std::printf("  %-26s %10.1f ms\n", "save", saveMs);
    std::printf("  %-26s %10.1f ms\n", "load", loadMs);
    std::printf("  %-26s %s\n", "round trip",
                equal ? "every root equals its original" : "MISMATCH");
    return equal ? s_done : s_findings;
}

int info(const fs::path& file) {
    CDocumentTable table;
    std::vector<bool> intact;
    try {
        const zx::CMappedFile mapped(file);
        table = CProjectDocument::readTable(mapped.bytes());
        zxtool::ProgressBar bar("verifying " + file.filename().string());
        for (std::size_t i = 0; i < table.sections.size(); ++i) {
            bar.update(double(i) / table.sections.size(), table.sections[i].name);
            intact.push_back(CProjectDocument::verifySection(mapped.bytes(), table.sections[i]));
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& error) {
        throw BadInput(describe(file, error));
    }
    std::printf("%s: project document format %d, file version %d, %llu bytes\n", file.c_str(),
                table.formatVersion, table.fileVersion,
                static_cast<unsigned long long>(table.fileSize));
    std::printf("  %-26s %12s %10s  %s\n", "section", "bytes", "objects", "checksum");
    std::uint64_t bytes = 0, objects = 0;
    int damaged = 0;
    for (std::size_t i = 0; i < table.sections.size(); ++i) {
        const auto& section = table.sections[i];
        std::printf("  %-26s %12llu %10llu  %s\n", section.name.c_str(),
                    static_cast<unsigned long long>(section.size),
                    static_cast<unsigned long long>(section.objects), intact[i] ? "ok" : "DAMAGED");
        bytes += section.size;
        objects += section.objects;
        damaged += intact[i] ? 0 : 1;
    }
    std::printf("  %-26s %12llu %10llu  %s\n", "total", static_cast<unsigned long long>(bytes),
                static_cast<unsigned long long>(objects),
                damaged ? (std::to_string(damaged) + " damaged").c_str() : "ok");
    return damaged ? s_findings : s_done;
}

int dump(const fs::path& file, const zxjson::WriteOptions& options, bool json) {
    CProjectDocument document = open(file);
    std::ios::sync_with_stdio(false);
    if (json)
        zxjson::writeProject(std::cout, document.roots(), CZentrixArchive::s_currentFileVersion,
                             options);
    else
        zxtool::writeText(std::cout, document.roots(), options);
    std::cout.flush();
    return s_done;
}

int check(const fs::path& file) {
    const CProjectDocument document = open(file);
    const auto findings = zxtool::checkProject(document.roots());
    for (const auto& finding : findings) std::printf("%s\n", zxtool::toText(finding).c_str());
    std::printf("%s: %zu finding%s\n", file.c_str(), findings.size(),
                findings.size() == 1 ? "" : "s");
    return findings.empty() ? s_done : s_findings;
}

int diff(const fs::path& a, const fs::path& b, bool json, bool showSecrets) {
    const CProjectDocument first = open(a);
    const CProjectDocument second = open(b);
    const auto changes = zxtool::diffProjects(first.roots(), second.roots(), showSecrets);
    std::ios::sync_with_stdio(false);
    zxtool::printChanges(std::cout, changes, json);
    std::cout.flush();
    return changes.empty() ? s_done : s_findings;
}

int convert(const fs::path& in, const fs::path& out, int fileVersion) {
    CProjectDocument document = open(in);
    write(document, out, fileVersion);
    return s_done;
}

int salvage(const fs::path& in, const fs::path& out) {
    CDocumentLoadOptions options;
    options.salvage = true;
    CProjectDocument document;
    CDocumentLoadReport report;
    try {
        zxtool::ProgressBar bar("salvaging " + in.filename().string());
        options.progress = bar.callback();
        report = document.load(in, options);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& error) {
        throw BadInput(describe(in, error));
    }
    write(document, out, CZentrixArchive::s_currentFileVersion);
    for (const auto& failure : report.failures)
        std::printf("lost %s: %s\n", failure.section.c_str(), failure.reason.c_str());
    for (const auto& name : report.unknownSections)
        std::printf("skipped %s: no kind of that name in this build\n", name.c_str());
    std::printf("%s: written, %zu section%s lost\n", out.c_str(), report.failures.size(),
                report.failures.size() == 1 ? "" : "s");
    return report.failures.empty() && report.unknownSections.empty() ? s_done : s_findings;
}

int report(const fs::path& in, const fs::path& out, zxtool::ReportOptions options,
           bool printCounts) {
    const CProjectDocument document = open(in);
    options.title = in.filename().string();
    zxtool::AtomicFileStream stream(out);
    const auto counts = zxtool::writeHtmlReport(stream.stream(), document.roots(), options);
    stream.commit();
    if (printCounts) std::printf("%s\n", zxtool::toText(counts).c_str());
    return s_done;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"zxstore: look into, check, compare and convert zentrix-store project documents"};
    app.require_subcommand(1);

    std::string demoFile;
    int scale = 200;
    auto* demoCommand = app.add_subcommand(
        "demo", "Build the sample project, save it as a document, load it back and compare");
    demoCommand->add_option("FILE", demoFile, "Where to write the document (default: memory)");
    demoCommand
        ->add_option("--scale", scale, "Tasks in the sample (100000 gives over a million objects)")
        ->check(CLI::Range(1, 10'000'000));

    std::string file, other;
    auto* infoCommand = app.add_subcommand("info", "Show a document's sections and checksums");
    infoCommand->add_option("FILE", file, "The document")->required();

    zxjson::WriteOptions dumpOptions;
    bool json = false;
    auto* dumpCommand = app.add_subcommand("dump", "Print every object with every field");
    dumpCommand->add_option("FILE", file, "The document (or .json project)")->required();
    dumpCommand->add_option("--kind", dumpOptions.kind, "Only objects of this kind (e.g. Task)");
    dumpCommand->add_option("--id", dumpOptions.id, "Only the object with this ID");
    dumpCommand->add_flag("--json", json, "JSON that convert reads back");
    dumpCommand->add_flag("--show-secrets", dumpOptions.showSecrets,
                          "Print password hashes, salts and source passwords");

    auto* checkCommand = app.add_subcommand("check", "Check references, IDs, histories and ranges");
    checkCommand->add_option("FILE", file, "The document (or .json project)")->required();

    auto* diffCommand = app.add_subcommand("diff", "Show what changed between two documents");
    diffCommand->add_option("A", file, "The older document")->required();
    diffCommand->add_option("B", other, "The newer document")->required();
    diffCommand->add_flag("--json", json, "A JSON array of changes");
    diffCommand->add_flag("--show-secrets", dumpOptions.showSecrets,
                          "Show changed password hashes, salts and source passwords");

    int fileVersion = CZentrixArchive::s_currentFileVersion;
    auto* convertCommand = app.add_subcommand(
        "convert",
        "Rewrite a document (OUT ending in .json: as JSON; IN ending in .json: from it)");
    convertCommand->add_option("IN", file, "The document or .json project to read")->required();
    convertCommand->add_option("OUT", other, "The file to write")->required();
    convertCommand->add_option("--file-version", fileVersion, "Archive file version to write")
        ->check(CLI::Range(CZentrixArchive::s_oldestFileVersion,
                           CZentrixArchive::s_currentFileVersion));

    auto* salvageCommand =
        app.add_subcommand("salvage", "Write what can be read of a damaged document");
    salvageCommand->add_option("IN", file, "The damaged document")->required();
    salvageCommand->add_option("OUT", other, "The document to write")->required();

    zxtool::ReportOptions reportOptions;
    bool printCounts = false;
    const auto isoDate = [](const char* option, std::optional<CProjectDate>& into) {
        return [option, &into](const std::string& text) {
            into = zxtool::parseIsoDate(text);
            if (!into) throw CLI::ValidationError(option, "not a date (YYYY-MM-DD): " + text);
        };
    };
    auto* reportCommand =
        app.add_subcommand("report", "Write a self-contained HTML page with a Gantt chart");
    reportCommand->add_option("FILE", file, "The document (or .json project)")->required();
    reportCommand->add_option("-o,--output", other, "The HTML file to write")->required();
    reportCommand->add_option_function<std::string>("--from", isoDate("--from", reportOptions.from),
                                                    "First day shown (YYYY-MM-DD)");
    reportCommand->add_option_function<std::string>("--to", isoDate("--to", reportOptions.to),
                                                    "Last day shown (YYYY-MM-DD)");
    reportCommand
        ->add_option("--max-rows", reportOptions.maxRows,
                     "Task rows drawn; deeper summary tasks are shown closed")
        ->check(CLI::Range(1, 100'000'000));
    reportCommand
        ->add_option("--max-resources", reportOptions.maxResources,
                     "Resources given a usage chart and a table row")
        ->check(CLI::Range(0, 100'000'000));
    reportCommand
        ->add_option("--baseline", reportOptions.baseline,
                     "Which baseline's bars are drawn, 1 for the project's first, 0 for none")
        ->check(CLI::NonNegativeNumber);
    reportCommand->add_flag("--print-counts", printCounts,
                            "Print what the page shows (rows, bars, links, ...)");
    reportCommand->parse_complete_callback([&reportOptions] {
        const auto& from = reportOptions.from;
        const auto& to = reportOptions.to;
        if (from && to && *to < *from)
            throw CLI::ValidationError(
                "--to", zxtool::toIsoDate(*to) + " is before --from " + zxtool::toIsoDate(*from));
    });

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? s_done : s_badInput;
    }

    try {
        if (demoCommand->parsed()) return demo(demoFile, scale);
        if (infoCommand->parsed()) return info(file);
        if (dumpCommand->parsed()) return dump(file, dumpOptions, json);
        if (checkCommand->parsed()) return check(file);
        if (diffCommand->parsed()) return diff(file, other, json, dumpOptions.showSecrets);
        if (convertCommand->parsed()) return convert(file, other, fileVersion);
        if (salvageCommand->parsed()) return salvage(file, other);
        if (reportCommand->parsed()) return report(file, other, reportOptions, printCounts);
    } catch (const BadInput& error) {
        std::fprintf(stderr, "zxstore: %s\n", error.what());
        return s_badInput;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zxstore: %s\n", error.what());
        return s_badInput;
    }
    return s_badInput;
}
