#pragma once

#include "support/qstring_printer.h"
