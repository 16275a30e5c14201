#!/usr/bin/env python3
"""Fails when a source file includes a header of a higher layer.

The library is built in layers, each allowed to include only its own layer and those below:

  values      value types, identifiers, the archive and text
  store       containers, ID sets, handles, array handles
  shared      value types built on containers that every layer above shares: geometry values,
              user field values, rule rates, assigned resource parameters, project constants,
              quaternions, turns, filter colours, legend settings, text and line properties,
              entity appearances, the clash tests' entity-state rule, the presentation maps and
              the import sources' settings
  interfaces  the kinds' interfaces and their generic behaviour
  kinds       the subsystems' concrete classes
  project     roots, the list of kinds, the project's roots
  api         zentrix.h

A file's layer is the first rule below that matches its path. Tools, tests, benchmarks and fuzz
targets sit above everything and are not checked.

basetypes/ is the base library every subsystem builds on, so besides pointing down it reaches
into no subsystem's folder: it includes basetypes/, store/ and the geometry values of model3d/
(the primitives the 3D kinds' interfaces embed), nothing else. The interface of the held set of
presentation maps therefore sits in presentation/, beside the maps it embeds. A value a subsystem's interface
embeds lives in basetypes/ itself.
"""
import fnmatch
import pathlib
import re
import sys

LAYERS = ["values", "store", "shared", "interfaces", "kinds", "project", "api"]

# (pattern, layer), first match wins: named files before the folders they sit in.
RULES = [
    ("basetypes/CProjectConstants.*", "shared"),
    ("basetypes/CAssignedResourceParameters.*", "shared"),
    ("basetypes/CRuleRate.*", "shared"),
    ("basetypes/CUserFieldValue.*", "shared"),
    ("model3d/CGeometry.*", "shared"),
    ("model3d/CGeometryItems.*", "shared"),
    ("model3d/CGeometryArray.*", "shared"),
    ("model3d/CGraphicalImage.*", "kinds"),
    ("model3d/CGraphical*", "shared"),
    ("model3d/CPlaneDouble.*", "shared"),
    ("model3d/CPolyLineDouble3D.*", "shared"),
    ("model3d/CQuat.*", "shared"),
    ("model3d/CTurnableAnimation.*", "shared"),
    ("basetypes/C3DFilterColorParameters.*", "shared"),
    ("basetypes/CLegendProperties.*", "shared"),
    ("basetypes/CTextProperties.*", "shared"),
    ("basetypes/CLineProperties.*", "shared"),
    ("basetypes/CEntityAppearance.*", "shared"),
    ("basetypes/CDataDefiningEntityState.*", "shared"),
    ("basetypes/SubFilters.*", "shared"),
    ("basetypes/CNameSubFilter.*", "shared"),
    ("model3d/CSubdivisionByUniformSlices.*", "shared"),
    ("model3d/Geometry*", "shared"),
    ("model3d/CCameraMarker.*", "shared"),
    ("model3d/CCubeMap.*", "shared"),
    ("model3d/CIRayMaterialDefinition.*", "shared"),
    ("model3d/CIraySettings.*", "shared"),
    # The camera's repair reads the world settings' interface; its value is shared.
    ("model3d/CViewpointCamera.cpp", "interfaces"),
    ("model3d/CViewpointCamera.h", "shared"),
    ("model3d/GraphicalComponents.*", "shared"),
    # The presentation maps and the values they hold, which every layer above may embed.
    ("presentation/CPresentationMaps.*", "shared"),
    ("presentation/CObjectPresentation.*", "shared"),
    ("presentation/CCodePresentation.*", "shared"),
    ("presentation/CCodeValuePresentation.*", "shared"),
    # The import settings are values the synchronizer's interface embeds; the Orbeon source's
    # documents are made by the kind that owns them.
    ("sources/COrbeonProject.cpp", "kinds"),
    ("sources/ISynchronizer.*", "interfaces"),
    ("sources/CSynchronizer.*", "kinds"),
    ("sources/*", "shared"),
    ("basetypes/I*", "interfaces"),
    ("basetypes/KindTemplates.*", "interfaces"),
    ("basetypes/ClassificationAccess.*", "interfaces"),
    ("basetypes/*", "values"),
    ("store/*", "store"),
    ("schedule/*", "kinds"),
    ("records/*", "kinds"),
    ("model3d/*", "kinds"),
    ("filters/*", "kinds"),
    ("timeformat/*", "kinds"),
    ("access/*", "kinds"),
    ("presentation/*", "kinds"),
    ("project/*", "project"),
    ("zentrix.h", "api"),
]

# The only folders basetypes/ may include from; model3d/ only for files of the shared layer.
BASETYPES_REACH = ("basetypes/", "store/", "model3d/")

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def layer_of(path):
    for pattern, layer in RULES:
        if fnmatch.fnmatch(path, pattern):
            return layer
    return None


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    violations = []
    checked = 0
    for file in sorted(root.rglob("*")):
        if file.suffix not in (".h", ".cpp") or "build" in file.relative_to(root).parts[0]:
            continue
        path = file.relative_to(root).as_posix()
        layer = layer_of(path)
        if layer is None:
            continue
        checked += 1
        for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
            target = layer_of(included)
            if target is None:
                violations.append(f"{path}: includes {included}, which belongs to no layer")
            elif LAYERS.index(target) > LAYERS.index(layer):
                violations.append(f"{path} ({layer}) includes {included} ({target})")
            elif path.startswith("basetypes/") and not (
                included.startswith(BASETYPES_REACH)
                and (not included.startswith("model3d/") or target == "shared")
            ):
                violations.append(f"{path} (basetypes) reaches into a subsystem: {included}")
    for violation in violations:
        print("layering:", violation)
    print(f"layering: {checked} files checked, {len(violations)} includes point up")
    return 1 if violations else 0


if __name__ == "__main__":
    sys.exit(main())
