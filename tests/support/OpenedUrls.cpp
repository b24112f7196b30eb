// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/OpenedUrls.h"

#include <QDesktopServices>
#include <QObject>

namespace tarvik::test {

namespace {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

UrlCatcher& Catcher() {
    static UrlCatcher catcher;
    return catcher;
}

}  // namespace

void CatchOpenedUrls() {
    for (const char* scheme : {"file", "http", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &Catcher(), "Open");
}

QList<QUrl> OpenedUrls() { return Catcher().urls; }

void ClearOpenedUrls() { Catcher().urls.clear(); }

}  // namespace tarvik::test

#include "OpenedUrls.moc"
