// Which installed copy of a font family the windows ask for.
#pragma once

#include <QString>

namespace qv::frame {

// The family as Qt should be asked for it. Where a family is installed both
// as Type 1 files and in an sfnt container (OpenType or TrueType), as the URW
// faces are on Debian, Qt lists each copy under its foundry ("Nimbus Sans
// [urw]", "Nimbus Sans [UKWN]") and, asked for the bare family, takes a Type 1
// copy, which FreeType parses in full: ten times the work and more memory
// than the sfnt copy of the same design. This names the sfnt copy of the
// style asked for (weight 100..900, italic or upright) when there is one
// beside a Type 1 copy; otherwise, and without fontconfig, the family as given.
QString preferredFace(const QString& family, int weight, bool italic);

} // namespace qv::frame
