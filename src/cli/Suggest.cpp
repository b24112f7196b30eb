// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Suggest.h"

#include <algorithm>
#include <vector>

namespace tarvik::cli {

namespace {

// Longer than any name by far: such a text is no typing slip, and the distance would cost.
constexpr qsizetype kLongestCompared = 48;

// Edits between a and b: insertions, deletions, replacements and swaps of neighbours.
int Distance(const QString& a, const QString& b) {
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    std::vector<std::vector<int>> d(static_cast<std::size_t>(n + 1), std::vector<int>(static_cast<std::size_t>(m + 1)));
    const auto at = [&d](qsizetype i, qsizetype j) -> int& {
        return d[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    };
    for (qsizetype i = 0; i <= n; ++i) at(i, 0) = static_cast<int>(i);
    for (qsizetype j = 0; j <= m; ++j) at(0, j) = static_cast<int>(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
        }
    }
    return at(n, m);
}

// How many edits still count as a slip for a name of this length.
int Allowed(qsizetype length) { return length <= 4 ? 1 : length <= 8 ? 2 : 3; }

}  // namespace

QStringList NearestNames(const QString& typed, const QStringList& names, int most) {
    const QString t = typed.trimmed().toLower();
    if (t.isEmpty() || t.size() > kLongestCompared) return {};
    struct Candidate {
        int distance;
        qsizetype order;
    };
    std::vector<Candidate> near;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString name = names[i].toLower();
        if (name.size() > kLongestCompared) continue;
        const int d = Distance(t, name);
        // A name that shares nothing with the text (every character changed) is no suggestion.
        if (d > 0 && d < t.size() && d <= Allowed(std::max(t.size(), name.size()))) near.push_back({d, i});
    }
    std::stable_sort(near.begin(), near.end(), [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
    QStringList result;
    for (const Candidate& c : near) {
        // Only the nearest: "upleft" is up-left, not left as well.
        if (result.size() >= most || c.distance > near.front().distance) break;
        if (!result.contains(names[c.order])) result << names[c.order];
    }
    return result;
}

QString DidYouMean(const QStringList& suggestions) {
    if (suggestions.isEmpty()) return {};
    QString text = QStringLiteral("; did you mean ");
    for (qsizetype i = 0; i < suggestions.size(); ++i) {
        if (i > 0) text += i + 1 == suggestions.size() ? QStringLiteral(" or ") : QStringLiteral(", ");
        text += suggestions[i];
    }
    return text + QLatin1Char('?');
}

}  // namespace tarvik::cli
