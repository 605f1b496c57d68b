#include <cstdio>

#include "cli/Commands.h"

namespace Commands {

bool wantsHelp(const QStringList& args, const char* text) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        std::fputs(text, stdout);
        return true;
    }
    return false;
}

int usageError(const char* text) {
    std::fputs(text, stderr);
    return Commands::Usage;
}

}  // namespace Commands
