#pragma once

// The dialogs seam lives below the application, where the tools and dialogs reach it.
#include "view/Dialogs.h"
