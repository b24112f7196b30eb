// SPDX-License-Identifier: GPL-3.0-or-later
// Words as a shell reads them back: a command line a user can paste.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvik::cli {

// `word` as is when the shell reads it so ("ctrl+a", "--rate", "2.5"), else in single quotes, a
// quote inside written '\'' ("キーパッド +" -> 'キーパッド +').
QString ShellWord(const QString& word);

// The words joined by blanks, each as ShellWord gives it.
QString ShellCommand(const QStringList& words);

}  // namespace tarvik::cli
