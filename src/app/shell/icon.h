// The program's icon: the one of its desktop entry, built into the program.
#pragma once

#include <QIcon>

namespace app {

// The icon drawn at the sizes a desktop asks for.
QIcon applicationIcon();

} // namespace app
