// Where the quick start guide shipped with the program can be opened.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvik {

// Places the guide may be, most preferred first: the installed copy, then the one in the source tree
// next to a development build.
QStringList QuickStartGuideCandidates();

// file:// URL of the first existing candidate; of the installed copy when none exists.
QString QuickStartGuideAddress(const QStringList& candidates = QuickStartGuideCandidates());

}  // namespace tarvik
