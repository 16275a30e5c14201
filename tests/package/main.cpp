// A host program built against the installed package: one include, one imported target.
#include <zentrix.h>

int main() {
    CCodeRoot root;
    CCode code;
    code.generateIDs();
    return root.getArray().Add(code) == 0 && root.get().GetSize() == 1 ? 0 : 1;
}
