#include "port/ui_port.h"
