// The calculator as the start-up measurement runs it: the application exactly as main() runs it, with the
// first-paint probe installed on its window before it is shown.
#include "app/root/application.h"
#include "first_paint_probe.h"

#include <memory>

int main(int argc, char** argv) {
    std::unique_ptr<FirstPaintProbe> probe;
    return app::runApplication(
        argc, argv, [&](app::MainWindow& window) { probe = std::make_unique<FirstPaintProbe>(&window); });
}
