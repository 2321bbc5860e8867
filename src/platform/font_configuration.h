#pragma once

#include <thread>

namespace velmora {

// Reads the system's font configuration and font cache on a helper thread.
// Begun before the application object exists, it runs beside the
// connection to the display; the font database Qt fills on first use then
// finds the configuration read. Wait() before anything may use fonts, so
// the configuration is never read twice at once.
class FontConfigurationAhead {
  public:
    FontConfigurationAhead();
    ~FontConfigurationAhead();
    FontConfigurationAhead(const FontConfigurationAhead&) = delete;
    FontConfigurationAhead& operator=(const FontConfigurationAhead&) = delete;

    // Returns once the configuration is read; at once on later calls.
    void Wait();

  private:
    std::thread reader_;
};

}  // namespace velmora
