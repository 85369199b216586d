// The anchor of a heading of the user guide, as the guide's own links write it: lower case,
// letters, digits, "-" and "_" kept, each blank a "-", everything else dropped
// ("3.1 Ny turnering" -> "31-ny-turnering"). The build step that renders the guide puts these
// anchors on its headings, and the help window opens a chapter by its anchor.
#pragma once
#include <QString>

namespace ui::detail {

QString guideAnchor(const QString& heading);

} // namespace ui::detail
