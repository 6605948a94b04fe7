#pragma once

// The translated text lists live with the drawing layer, which prints them on the report pages.
#include "output/Textlisten.h"
