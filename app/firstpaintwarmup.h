#pragma once

#include <QFont>
#include <QList>

#include <latch>
#include <optional>
#include <thread>

// The first text of the window waits for fontconfig to read its configuration and caches and for
// Qt to list every installed font, more than the rest of the first paint together. This does that
// work on another core: fontconfig while the application connects to the display, Qt's font
// database and the first tab's fonts as soon as the application exists. The window finds the
// results in the font database, which is shared between threads and locked, so it looks the
// same whichever thread fills it.
class FirstPaintWarmUp
{
public:
    // Waits for the database part to end when it leaves scope, before the application goes.
    class DatabaseFill
    {
    public:
        explicit DatabaseFill(FirstPaintWarmUp &warmUp) : m_warmUp(warmUp) {}
        ~DatabaseFill() { m_warmUp.wait(); }
        DatabaseFill(const DatabaseFill &) = delete;
        DatabaseFill &operator=(const DatabaseFill &) = delete;

    private:
        FirstPaintWarmUp &m_warmUp;
    };

    // Starts reading the font configuration; made before the QApplication.
    FirstPaintWarmUp();
    ~FirstPaintWarmUp();
    FirstPaintWarmUp(const FirstPaintWarmUp &) = delete;
    FirstPaintWarmUp &operator=(const FirstPaintWarmUp &) = delete;

    // Goes on with Qt's font database and these fonts; called once, right after the QApplication
    // is created. Waits for fontconfig first where the application came up sooner: the window's
    // first text would otherwise read the whole configuration a second time.
    [[nodiscard]] DatabaseFill fillDatabase(const QList<QFont> &fonts);

private:
    void wait();

    // The fonts to warm, set once the application exists and before m_go opens; m_go opens once,
    // from the caller's thread, and without fonts when the application never came.
    std::optional<QList<QFont>> m_fonts;
    std::latch m_configurationRead{1};
    std::latch m_go{1};
    std::thread m_thread;
};
