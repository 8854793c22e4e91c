#pragma once

#include <QObject>
#include <QUrl>

#include <optional>

// Hands web addresses to the desktop's browser and tells when none could
// be started. Where xdg-open is installed it is run without a shell and
// without waiting for it: Qt would only say whether xdg-open started, and
// xdg-open on a desktop without a browser ends in failure, silently. A
// failure to start or an unsuccessful end emits Fallat. Without xdg-open,
// QDesktopServices tries its own ways ($BROWSER, a known browser) and its
// answer counts at once.
class NavegadorWeb : public QObject
{
    Q_OBJECT

public:
    explicit NavegadorWeb(QObject *parent = nullptr);
    // A launcher still running (xdg-open waits for a browser it starts in
    // the foreground on some desktops) is ended; the browser stays.
    ~NavegadorWeb() override;

    void Obrir(const QUrl &adreca);

    // Test seam: the launcher to run instead of the xdg-open on PATH; an
    // empty path means none is installed. std::nullopt restores the search.
    static void setOrdre(std::optional<QString> cami);

signals:
    void Fallat(const QUrl &adreca);

private:
    static QString Ordre();
};
