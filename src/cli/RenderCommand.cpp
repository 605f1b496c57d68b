#include <cstdio>

#include "cli/Commands.h"

namespace Commands {

int render(const QStringList&) {
    std::fputs("quarn-lvl: render is not available in this build\n", stderr);
    return Usage;
}

}  // namespace Commands
