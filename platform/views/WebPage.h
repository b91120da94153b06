#pragma once
// The maker's web page, opened in the desktop's default browser.
#include <QString>
#include <QUrl>
#include <functional>

inline const QUrl kMakerWebPage{QStringLiteral("https://www.taviron.example/")};
inline const QString kMakerWebCaption{QStringLiteral("taviron.example")};

// Opens the maker's page; a failure is not reported.
void OpenMakerWebPage();
// Replaces the browser (tests); an empty function restores the desktop's default.
void SetWebOpener(std::function<void(const QUrl&)> opener);
