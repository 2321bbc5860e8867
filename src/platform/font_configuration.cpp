#include "platform/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace velmora {

// Where no thread can be started the configuration is read when Qt first
// asks for it, as without this helper.
FontConfigurationAhead::FontConfigurationAhead() {
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
}

FontConfigurationAhead::~FontConfigurationAhead() { Wait(); }

void FontConfigurationAhead::Wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace velmora
