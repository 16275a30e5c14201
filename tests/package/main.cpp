// A host program built against the installed package: one include, one imported target. It
// fills a root, saves it to the file named on the command line, loads it into a fresh root and
// checks that the copy equals the original.
#include <zentrix.h>

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path file(argv[1]);

    CCodeRoot original;
    for (const wchar_t* name : {L"Discipline", L"Zone"}) {
        CCode code;
        code.generateIDs();
        code.setName(name);
        if (original.getArray().Add(code) < 0) return 1;
    }

    try {
        CZentrixArchive out(file, CArchive::store);
        original.Serialize(out);
        out.Close();

        CZentrixArchive in(file, CArchive::load);
        CCodeRoot loaded;
        loaded.Serialize(in);
        if (!(loaded == original) || loaded.get().GetSize() != 2) {
            std::fprintf(stderr, "the loaded root differs from the saved one\n");
            return 1;
        }
    } catch (const CArchiveException& error) {
        std::fprintf(stderr, "archive: %s\n", error.what());
        return 1;
    }
    return 0;
}
