// The calculator's window on the desktop.
#include "app/root/application.h"

int main(int argc, char** argv) {
    return app::runApplication(argc, argv);
}
