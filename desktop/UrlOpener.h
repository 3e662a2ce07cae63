#pragma once
// Opening a document or link with the desktop's default handler, behind a
// function so that tests (and anything else that must not start a browser)
// can put their own in.
#include <QUrl>

#include <functional>

namespace korvane {

using TUrlOpener = std::function<bool(const QUrl &)>;

// QDesktopServices::openUrl.
bool OpenWithDesktop(const QUrl &url);

// `opener` when set, else the desktop's handler.
bool OpenUrlWith(const TUrlOpener &opener, const QUrl &url);

} // namespace korvane
