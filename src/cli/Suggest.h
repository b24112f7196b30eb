// SPDX-License-Identifier: GPL-3.0-or-later
// "did you mean ...?": the known names nearest to a mistyped one, instead of the whole list.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvik::cli {

// The names nearest to `typed` (any case; a swap of two neighbours is one edit), if they are within
// a few edits: all those equally near, in the order given, at most `most` of them. Far-off names
// are left out, so the result may be empty.
QStringList NearestNames(const QString& typed, const QStringList& names, int most = 3);

// "; did you mean a?", "; did you mean a or b?", "; did you mean a, b or c?"; empty for none.
QString DidYouMean(const QStringList& suggestions);

}  // namespace tarvik::cli
