#include "Waymidi.h"
