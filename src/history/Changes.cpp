#include "history/Changes.h"

Changes::Changes() {
    entries.reserve(101);
}
