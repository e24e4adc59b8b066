#include "app/firstpaintwarmup.h"

#include "app/fontconfiguration.h"

#include <QFontDatabase>
#include <QFontMetrics>

FirstPaintWarmUp::FirstPaintWarmUp()
    : m_thread([this] {
          // Fontconfig alone may run while the application is made: Qt's own plugin and path
          // lookups are not safe to share with its construction.
          initializeFontConfiguration();
          m_configurationRead.count_down();
          m_go.wait();
          if (!m_fonts)
              return;
          QFontDatabase::families();
          // Each font's match and fallback families are kept by the database; the font engines
          // themselves belong to the thread that made them.
          for (const QFont &font : std::as_const(*m_fonts))
              QFontMetrics(font).height();
      })
{
}

FirstPaintWarmUp::~FirstPaintWarmUp()
{
    wait();
}

FirstPaintWarmUp::DatabaseFill FirstPaintWarmUp::fillDatabase(const QList<QFont> &fonts)
{
    if (!m_go.try_wait()) {
        m_configurationRead.wait();
        m_fonts = fonts;
        m_go.count_down();
    }
    return DatabaseFill(*this);
}

void FirstPaintWarmUp::wait()
{
    if (!m_go.try_wait())
        m_go.count_down();
    if (m_thread.joinable())
        m_thread.join();
}
