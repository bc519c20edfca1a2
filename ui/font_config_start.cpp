#include "ui/font_config_start.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace morvanta {
namespace {

struct Loader {
    std::thread thread;
    ~Loader() { WaitForFontConfig(); }
} loader;

}  // namespace

void StartLoadingFontConfig() {
    if (!loader.thread.joinable()) loader.thread = std::thread([] { FcInit(); });
}

void WaitForFontConfig() {
    if (loader.thread.joinable()) loader.thread.join();
}

}  // namespace morvanta
